// The DALI-2 input rules into the rule table: which rows count, each attribute's rule, and what stops a build.
#include "image_test_support.h"

namespace corvane::testing {
namespace {

// One rule row: the given attributes after a default enabled sensor prefix unless overridden.
std::string row(std::string_view attributes) { return "<row " + std::string(attributes) + "/>"; }
std::string deviceRule(std::string_view extra, std::string_view enable = "Y") {
    return row("Enable=\"" + std::string(enable) + "\" DeviceSensor=\"Device\" Function=\"0 - None\" " + std::string(extra));
}

class InputRules : public ConfigurationFolder {
protected:
    BuiltImages buildRules(const std::string& rules) {
        writeDali2("", rules);
        return build();
    }
    RuleRecord onlyRule(std::string_view extra) { return ruleOf(buildRules(deviceRule(extra)), 0); }
};

TEST_F(InputRules, OnlyEnabledRowsTakeEntriesInFileOrder) {
    const BuiltImages images = buildRules(deviceRule("Instance=\"1\"") + deviceRule("Instance=\"2\"", "N") +
                                          deviceRule("Instance=\"3\""));
    EXPECT_EQ(settingsU32(images, 0x628), 2u);
    EXPECT_EQ(images.EnabledRules, 2);
    EXPECT_EQ(ruleOf(images, 0).Instance, 1);
    EXPECT_EQ(ruleOf(images, 1).Instance, 3);
    EXPECT_TRUE(allZero(ruleBytesOf(images, 2)));
}

TEST_F(InputRules, OnlyExactlyYEnables) {
    const BuiltImages images = buildRules(row("DeviceSensor=\"Device\" Function=\"0 - None\"") +
                                          row("Enable=\"y\" DeviceSensor=\"Device\" Function=\"0 - None\"") +
                                          row("Enable=\"Y \" DeviceSensor=\"Device\" Function=\"0 - None\""));
    EXPECT_EQ(images.EnabledRules, 0);
}

TEST_F(InputRules, RowsAreChildElementsWhateverTheirName) {
    writeDali2("", "<rule Enable=\"Y\" Function=\"0 - None\"/><!-- note --><x Enable=\"Y\" Function=\"0 - None\"/>");
    EXPECT_EQ(build().EnabledRules, 2);
}

struct PositionCase {
    const char* name;
    std::vector<const char*> positions;
    std::uint32_t dataArrayLength;
    std::uint16_t firstPosition;
};

class PositionTest : public InputRules, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(PositionTest, GivesTheDataArrayLength) {
    std::string rules;
    for (const char* position : GetParam().positions) {
        rules += position ? deviceRule(std::string("Position=\"") + position + "\"") : deviceRule("");
    }
    const BuiltImages images = buildRules(rules);
    EXPECT_EQ(settingsU32(images, 0x078), GetParam().dataArrayLength);
    if (!GetParam().positions.empty()) {
        EXPECT_EQ(ruleOf(images, 0).Position, GetParam().firstPosition);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Positions, PositionTest,
    ::testing::Values(PositionCase{"FourAndTen", {"4", "10"}, 11, 4}, PositionCase{"TenAndFour", {"10", "4"}, 11, 10},
                      PositionCase{"NoEnabledRule", {}, 0, 0}, PositionCase{"NotNumbers", {"x", ""}, 0, 0},
                      PositionCase{"Missing", {nullptr}, 0, 0}, PositionCase{"ZeroGivesOne", {"0"}, 1, 0},
                      PositionCase{"NegativeStoresZero", {"-5", "2"}, 3, 0},
                      PositionCase{"KeepsItsLow16Bits", {"70000"}, 4465, 4464}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InputRules, DisabledRulesDoNotCountForTheDataArray) {
    EXPECT_EQ(settingsU32(buildRules(deviceRule("Position=\"40\"", "N")), 0x078), 0u);
}

struct FunctionNumberCase {
    const char* text;
    std::int32_t number;
};

class FunctionNumberTest : public InputRules, public ::testing::WithParamInterface<FunctionNumberCase> {};

TEST_P(FunctionNumberTest, IsTheNumberBeforeTheFirstBlank) {
    writeDali2("", row(std::string("Enable=\"Y\" Function=\"") + GetParam().text + "\""));
    EXPECT_EQ(ruleOf(build(), 0).FunctionNumber, GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Texts, FunctionNumberTest,
                         ::testing::Values(FunctionNumberCase{"7 - Lights on", 7}, FunctionNumberCase{"0 - None", 0},
                                           FunctionNumberCase{"7", 0}, FunctionNumberCase{"", 0},
                                           FunctionNumberCase{"12 - ", 12}, FunctionNumberCase{" 7 - x", 0},
                                           FunctionNumberCase{"x - y", 0}, FunctionNumberCase{"-3 - y", -3}));

TEST_F(InputRules, EveryFieldIsReadWithItsDefault) {
    const RuleRecord rule = onlyRule("Type=\"Dimmer\" ChannelNumber=\"63\" Instance=\"300\" TimeSend=\"100000000\" "
                                     "TimeOut=\"-1\" Command=\"255\" Position=\"1440\"");
    EXPECT_EQ(rule.IsSensor, 0);
    EXPECT_EQ(rule.TypeCode, 4);
    EXPECT_EQ(rule.ChannelNumber, 63);
    EXPECT_EQ(rule.Instance, 44) << "kept to its low byte";
    EXPECT_EQ(rule.TimeSend, 100000000);
    EXPECT_EQ(rule.TimeOut, -1);
    EXPECT_EQ(rule.Command, 255);
    EXPECT_EQ(rule.Position, 1440);
    EXPECT_EQ(rule.TwoByteValue, 0);

    const RuleRecord empty = onlyRule("Type=\"\" ChannelNumber=\"\" Instance=\"a\" TimeSend=\"1 \" Command=\"\"");
    EXPECT_EQ(packedHeaderOf(empty), 0u);
    EXPECT_EQ(empty.TimeSend, 0);
    EXPECT_EQ(empty.Command, 0);
}

TEST_F(InputRules, TwoBytesOnlyForASensorReadingTwoBytes) {
    writeDali2("", row("Enable=\"Y\" DeviceSensor=\"Sensor\" NumBytes=\"2\" Function=\"0 - None\"") +
                       row("Enable=\"Y\" DeviceSensor=\"Sensor\" NumBytes=\"1\" Function=\"0 - None\"") +
                       row("Enable=\"Y\" DeviceSensor=\"Sensor\" NumBytes=\"two\" Function=\"0 - None\"") +
                       row("Enable=\"Y\" DeviceSensor=\"Device\" NumBytes=\"2\" Function=\"0 - None\""));
    const BuiltImages images = build();
    EXPECT_EQ(ruleOf(images, 0).TwoByteValue, 1);
    EXPECT_EQ(ruleOf(images, 1).TwoByteValue, 0);
    EXPECT_EQ(ruleOf(images, 2).TwoByteValue, 0);
    EXPECT_EQ(ruleOf(images, 3).TwoByteValue, 0);
    EXPECT_EQ(ruleOf(images, 0).IsSensor, 1);
    EXPECT_EQ(ruleOf(images, 3).IsSensor, 0);
}

// The checks trim Device/Sensor and Type and take Type in either case: what they accept reaches the device.
TEST_F(InputRules, DeviceSensorAndTypeAreReadAsTheChecksReadThem) {
    writeDali2("", row("Enable=\"Y\" DeviceSensor=\"Sensor\" Type=\"Push Button\" NumBytes=\"1\" Function=\"0 - None\"") +
                       row("Enable=\"Y\" DeviceSensor=\" Sensor \" Type=\" push button \" NumBytes=\"1\" Function=\"0 - None\"") +
                       row("Enable=\"Y\" DeviceSensor=\"Device\" Type=\"Led Lamp\" Function=\"0 - None\"") +
                       row("Enable=\"Y\" DeviceSensor=\"Device\" Type=\"LED LAMP\" Function=\"0 - None\""));
    const BuiltImages images = build();
    EXPECT_EQ(ruleOf(images, 1).IsSensor, 1);
    EXPECT_EQ(ruleOf(images, 1).TypeCode, ruleOf(images, 0).TypeCode);
    EXPECT_NE(ruleOf(images, 0).TypeCode, 0);
    EXPECT_EQ(ruleOf(images, 3).TypeCode, ruleOf(images, 2).TypeCode);
    EXPECT_NE(ruleOf(images, 2).TypeCode, 0);
}

TEST_F(InputRules, AttributesAreFoundInAnyOrderAndTheFirstOfANameWins) {
    writeDali2("", "<row Mnemonic=\"m\" Function=\"4 - x\" Instance=\"9\" Instance=\"8\" Unknown=\"1\" Enable=\"Y\" "
                   "Event=\"Short Press\" Position=\"3\"/>");
    const RuleRecord rule = ruleOf(build(), 0);
    EXPECT_EQ(rule.FunctionNumber, 4);
    EXPECT_EQ(rule.Instance, 9);
    EXPECT_EQ(rule.EventCode, 2);
    EXPECT_EQ(rule.Position, 3);
}

TEST_F(InputRules, OnlyExactlySensorIsAnInputDevice) {
    EXPECT_EQ(onlyRule("DeviceSensor=\"sensor\" Type=\"Push Button\"").IsSensor, 0);
}

struct StopCase {
    const char* name;
    const char* rule;
    const char* reason;
};

class StopTest : public InputRules, public ::testing::WithParamInterface<StopCase> {};

TEST_P(StopTest, StopsTheBuildNamingTheFileAndTheRow) {
    writeDali2("", deviceRule("") + row(GetParam().rule));
    try {
        build();
        FAIL() << "no error";
    } catch (const ImageBuildError& error) {
        EXPECT_EQ(error.path(), folder / "DALI2_Access.xml");
        EXPECT_EQ(error.reason(), GetParam().reason);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Missing, StopTest,
    ::testing::Values(StopCase{"Function", "Enable=\"Y\" DeviceSensor=\"Device\"", "input rule row 2 has no Function attribute"},
                      StopCase{"NumBytesOfASensor", "Enable=\"Y\" DeviceSensor=\"Sensor\" Function=\"0 - None\"",
                               "input rule row 2 has no NumBytes attribute"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InputRules, MissingAttributesOfADisabledRuleOrADeviceAreFine) {
    EXPECT_NO_THROW(buildRules(row("Enable=\"N\" DeviceSensor=\"Sensor\"") + row("Enable=\"Y\" DeviceSensor=\"Device\" Function=\"1 - a\"")));
}

TEST_F(InputRules, MoreThan256EnabledRulesStopTheBuildWithTheCount) {
    std::string rules;
    for (int i = 0; i < 257; ++i) rules += deviceRule("");
    try {
        buildRules(rules);
        FAIL() << "no error";
    } catch (const ImageBuildError& error) {
        EXPECT_EQ(error.path(), folder / "DALI2_Access.xml");
        EXPECT_EQ(error.reason(), "holds 257 enabled input rules; at most 256 fit in the device");
    }
}

TEST_F(InputRules, ExactlyTheCapacityFitsBesideDisabledRules) {
    std::string rules;
    for (int i = 0; i < 256; ++i) rules += deviceRule("Instance=\"" + std::to_string(i) + "\"");
    for (int i = 0; i < 10; ++i) rules += row("Enable=\"N\"");
    const BuiltImages images = buildRules(rules);
    EXPECT_EQ(images.EnabledRules, 256);
    EXPECT_EQ(ruleOf(images, 255).Instance, 255);
}

} // namespace
} // namespace corvane::testing

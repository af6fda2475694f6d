// Every row of every text-to-code table, through a build, and each table read backwards for inspection.
#include "image/text_codes.h"
#include "image_test_support.h"

namespace corvane::testing {
namespace {

struct CodeRow {
    const char* text;
    int code;
};

std::string testName(const char* text) {
    std::string name;
    for (const char* c = text; *c; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
    return name.empty() ? "Empty" : name;
}

// The device's codes, written out here independently of the builder's tables.
const CodeRow kFunctionRows[] = {
    {"Function Null", 0}, {"Multiplication", 1}, {"Division", 2}, {"Addition", 3}, {"Subtraction", 4}, {"Set Out", 17},
    {"Dim Up", 18}, {"Dim Down", 19}, {"Toggle", 20}, {"Ramp Start", 21}, {"Ramp Stop", 22},
    {"Function 5", 0}, {"toggle", 0}, {"", 0}};
const CodeRow kConditionRows[] = {
    {"No Condition", 0}, {"When Equal to Value", 1}, {"When Lower to Value", 2}, {"When Greater to Value", 3},
    {"AND Logic with Value", 4}, {"OR Logic with Value", 5}, {"XOR Logic with Value", 6},
    {"NAND Logic with Value", 7}, {"NOR Logic with Value", 8}, {"and logic with value", 0}, {"", 0}};
const CodeRow kDeviceTypeRows[] = {
    {"Fluorescent Lamp", 0}, {"Emergency Lamp", 1}, {"High Voltage Discharge", 2}, {"Alogen Lamp", 3}, {"Dimmer", 4},
    {"Converter", 5}, {"Led Lamp", 6}, {"Actuator On Off", 7}, {"Color Control", 8}, {"Sequencer", 9},
    {"Push Button", 0}, {"led lamp", 6} /* types are taken in either case, as the checks take them */};
const CodeRow kInputTypeRows[] = {
    {"Generic Input", 0}, {"Push Button", 1}, {"Absolute Input", 2}, {"Occupancy Sensor", 3}, {"Light Sensor", 4},
    {"Color Sensor", 5}, {"Relative Input", 6}, {"Dimmer", 0}, {"", 0}};
const CodeRow kEventRows[] = {
    {"Button Released", 0}, {"Button Pressed", 1}, {"Short Press", 2}, {"Double Press", 5}, {"Long Press Start", 9},
    {"Long Press Repeat", 11}, {"Long Press Stop", 12}, {"Button Free", 14}, {"Button Stuck", 15},
    {"Occupied", 0}, {"37", 37}, {"1023", 1023}, {"abc", 0}, {"", 0}};

struct ValueRow {
    const char* text;
    float value;
};
const ValueRow kValueRows[] = {
    {"Button Released", 0}, {"Button Pressed", 1}, {"Short Press", 2}, {"Double Press", 5}, {"Long Press Start", 9},
    {"Long Press Repeat", 11}, {"Long Press Stop", 12}, {"Button Free", 14}, {"Button Stuck", 15},
    {"No Movement", 1}, {"Movement", 1}, {"Vacant", 2}, {"Occupied", 2}, {"Still Vacant", 4},
    {"Still Occupied", 6}, {"Presence Sensor", 8}, {"Movement Sensor", 8}};

class CodeTables : public ConfigurationFolder {
protected:
    FunctionRecord function(const std::string& attributes) {
        writeDali2("<row " + attributes + "/>", "");
        return functionOf(build(), 1);
    }
    RuleRecord rule(const std::string& attributes) {
        writeDali2("", "<row Enable=\"Y\" NumBytes=\"1\" Function=\"0 - None\" " + attributes + "/>");
        return ruleOf(build(), 0);
    }
};

class FunctionCodeRow : public CodeTables, public ::testing::WithParamInterface<CodeRow> {};
TEST_P(FunctionCodeRow, GivesItsCode) {
    EXPECT_EQ(function(std::string("Function=\"") + GetParam().text + "\"").FunctionCode, GetParam().code);
}
INSTANTIATE_TEST_SUITE_P(Rows, FunctionCodeRow, ::testing::ValuesIn(kFunctionRows),
                         [](const auto& info) { return testName(info.param.text); });

class ConditionCodeRow : public CodeTables, public ::testing::WithParamInterface<CodeRow> {};
TEST_P(ConditionCodeRow, GivesItsCode) {
    EXPECT_EQ(function(std::string("Condition=\"") + GetParam().text + "\"").ConditionCode, GetParam().code);
}
INSTANTIATE_TEST_SUITE_P(Rows, ConditionCodeRow, ::testing::ValuesIn(kConditionRows),
                         [](const auto& info) { return testName(info.param.text); });

class ValueRowTest : public CodeTables, public ::testing::WithParamInterface<ValueRow> {};
TEST_P(ValueRowTest, GivesItsValue) {
    EXPECT_EQ(function(std::string("Value=\"") + GetParam().text + "\"").Value, GetParam().value);
}
INSTANTIATE_TEST_SUITE_P(Rows, ValueRowTest, ::testing::ValuesIn(kValueRows),
                         [](const auto& info) { return testName(info.param.text); });

class DeviceTypeRow : public CodeTables, public ::testing::WithParamInterface<CodeRow> {};
TEST_P(DeviceTypeRow, GivesItsCodeForControlGear) {
    const RuleRecord record = rule(std::string("DeviceSensor=\"Device\" Type=\"") + GetParam().text + "\"");
    EXPECT_EQ(record.TypeCode, GetParam().code);
    EXPECT_EQ(record.IsSensor, 0);
}
INSTANTIATE_TEST_SUITE_P(Rows, DeviceTypeRow, ::testing::ValuesIn(kDeviceTypeRows),
                         [](const auto& info) { return testName(info.param.text); });

class InputTypeRow : public CodeTables, public ::testing::WithParamInterface<CodeRow> {};
TEST_P(InputTypeRow, GivesItsCodeForAnInputDevice) {
    const RuleRecord record = rule(std::string("DeviceSensor=\"Sensor\" Type=\"") + GetParam().text + "\"");
    EXPECT_EQ(record.TypeCode, GetParam().code);
    EXPECT_EQ(record.IsSensor, 1);
}
INSTANTIATE_TEST_SUITE_P(Rows, InputTypeRow, ::testing::ValuesIn(kInputTypeRows),
                         [](const auto& info) { return testName(info.param.text); });

class EventRow : public CodeTables, public ::testing::WithParamInterface<CodeRow> {};
TEST_P(EventRow, GivesItsCode) {
    EXPECT_EQ(rule(std::string("Event=\"") + GetParam().text + "\"").EventCode, GetParam().code);
}
INSTANTIATE_TEST_SUITE_P(Rows, EventRow, ::testing::ValuesIn(kEventRows),
                         [](const auto& info) { return testName(info.param.text); });

TEST(CodeTablesBackwards, EveryCodeReadsBackAsItsText) {
    for (const CodeRow& row : std::span(kFunctionRows, 11)) EXPECT_EQ(textOf(kFunctionCodes, row.code), row.text);
    for (const CodeRow& row : std::span(kConditionRows, 9)) EXPECT_EQ(textOf(kConditionCodes, row.code), row.text);
    for (const CodeRow& row : std::span(kDeviceTypeRows, 10)) EXPECT_EQ(textOf(kDeviceTypeCodes, row.code), row.text);
    for (const CodeRow& row : std::span(kInputTypeRows, 7)) EXPECT_EQ(textOf(kInputTypeCodes, row.code), row.text);
    for (const CodeRow& row : std::span(kEventRows, 9)) EXPECT_EQ(textOf(kEventCodes, row.code), row.text);
    EXPECT_EQ(textOf(kFunctionCodes, 5), std::nullopt);
    EXPECT_EQ(textsOf(kEventValues, 2.0f), (std::vector<std::string_view>{"Short Press", "Vacant", "Occupied"}));
}

TEST(CodeTablesBackwards, ChannelTextsRoundTrip) {
    for (int address = 0; address <= 80; ++address)
        EXPECT_EQ(channelAddressOf(channelTextOf(static_cast<std::uint8_t>(address))), address) << address;
    EXPECT_EQ(channelTextOf(81), "address 81");
}

} // namespace
} // namespace corvane::testing

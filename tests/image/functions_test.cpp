// The DALI-2 function rows into the function table.
#include "image_test_support.h"

namespace corvane::testing {
namespace {

class Functions : public ConfigurationFolder {
protected:
    FunctionRecord onlyFunction(std::string_view attributes, char separator = '.') {
        writeDali2("<row " + std::string(attributes) + "/>", "");
        return functionOf(build(separator), 1);
    }
};

TEST_F(Functions, RowsFillEntriesFromOneAndEntryZeroStaysZero) {
    writeDali2("<row Function=\"Toggle\" Channel=\"DALI Broadcast\"/><row Function=\"Dim Up\" Next_Function=\"1\"/>", "");
    const BuiltImages images = build();
    EXPECT_EQ(images.Functions, 2);
    EXPECT_TRUE(allZero(functionBytesOf(images, 0)));
    EXPECT_EQ(functionOf(images, 1).FunctionCode, 20);
    EXPECT_EQ(functionOf(images, 1).ChannelAddress, 80);
    EXPECT_EQ(functionOf(images, 2).FunctionCode, 18);
    EXPECT_EQ(functionOf(images, 2).NextFunction, 1);
    for (std::size_t entry = 3; entry < 256; ++entry) EXPECT_TRUE(allZero(functionBytesOf(images, entry))) << entry;
}

TEST_F(Functions, MissingAttributesGiveTheirValues) {
    const FunctionRecord function = onlyFunction("Mnemonic=\"x\"");
    EXPECT_EQ(function.FunctionCode, 0);
    EXPECT_EQ(function.ConditionCode, 0);
    EXPECT_EQ(function.Value, 1.0f);
    EXPECT_EQ(function.ChannelAddress, 0);
    EXPECT_EQ(function.Brightness, 0);
    EXPECT_EQ(function.NextFunction, 0);
}

TEST_F(Functions, ConditionIsReadTrimmedAsTheChecksReadIt) {
    EXPECT_EQ(onlyFunction("Condition=\" When Equal to Value \"").ConditionCode,
              onlyFunction("Condition=\"When Equal to Value\"").ConditionCode);
    EXPECT_NE(onlyFunction("Condition=\"When Equal to Value\"").ConditionCode, 0);
}

TEST_F(Functions, BrightnessAndNextFunctionKeepTheirLowByte) {
    const FunctionRecord function = onlyFunction("Val=\"256\" Next_Function=\"-1\"");
    EXPECT_EQ(function.Brightness, 0);
    EXPECT_EQ(function.NextFunction, 255);
}

struct ValueCase {
    const char* name;
    const char* text;
    char separator;
    float value;
};

class ValueTest : public Functions, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(ValueTest, IsTheNumberTheDeviceGets) {
    EXPECT_EQ(onlyFunction(std::string("Value=\"") + GetParam().text + "\"", GetParam().separator).Value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ValueTest,
    ::testing::Values(ValueCase{"PointOnPointSystem", "12.5", '.', 12.5f}, ValueCase{"CommaOnPointSystem", "12,5", '.', 12.5f},
                      ValueCase{"CommaOnCommaSystem", "12,5", ',', 12.5f}, ValueCase{"PointOnCommaSystem", "12.5", ',', 12.5f},
                      ValueCase{"Negative", "-3", '.', -3.0f}, ValueCase{"Exponent", "1e3", '.', 1000.0f},
                      ValueCase{"RoundsToNearestFloat", "0.1", '.', 0.1f}, ValueCase{"Empty", "", '.', 1.0f},
                      ValueCase{"NotANumber", "abc", '.', 1.0f}, ValueCase{"OtherCase", "occupied", '.', 1.0f},
                      // the checks trim the cell, so the device gets what they accepted
                      ValueCase{"EventWithBlanks", " Occupied ", '.', 2.0f},
                      ValueCase{"NumberWithBlanks", " 12,5 ", '.', 12.5f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Functions, AValueBeyondAFloatStopsTheBuild) {
    writeDali2("<row Function=\"Set Out\" Value=\"1e300\"/>", "");
    try {
        build();
        FAIL() << "no error";
    } catch (const ImageBuildError& error) {
        EXPECT_EQ(error.reason(), "function row 1: the value \"1e300\" does not fit a 32-bit number");
    }
}

struct ChannelCase {
    const char* text;
    std::uint8_t address;
};

class ChannelRuleTest : public Functions, public ::testing::WithParamInterface<ChannelCase> {};

TEST_P(ChannelRuleTest, GivesTheTarget) {
    EXPECT_EQ(onlyFunction(std::string("Channel=\"") + GetParam().text + "\"").ChannelAddress, GetParam().address);
}

INSTANTIATE_TEST_SUITE_P(Targets, ChannelRuleTest,
                         ::testing::Values(ChannelCase{"DALI Channel 0", 0}, ChannelCase{"DALI Channel 12", 12},
                                           ChannelCase{"DALI Channel 63", 63}, ChannelCase{"DALI Group 1", 64},
                                           ChannelCase{"DALI Group 3", 66}, ChannelCase{"DALI Group 16", 79},
                                           ChannelCase{"DALI Broadcast", 80}, ChannelCase{"DALI Group Broadcast", 64},
                                           ChannelCase{"DALI Channel x", 0}, ChannelCase{"DALI Channel 300", 44},
                                           ChannelCase{"Old DALI Channel 5", 5}, ChannelCase{"DALI Channel", 0},
                                           ChannelCase{"dali channel 5", 0}, ChannelCase{"", 0}));

TEST_F(Functions, MoreThan255RowsStopTheBuildWithTheCount) {
    std::string rows;
    for (int i = 0; i < 256; ++i) rows += "<row Function=\"Toggle\"/>";
    writeDali2(rows, "");
    try {
        build();
        FAIL() << "no error";
    } catch (const ImageBuildError& error) {
        EXPECT_EQ(error.path(), folder / "DALI2_Access.xml");
        EXPECT_EQ(error.reason(), "holds 256 function rows; at most 255 fit in the device");
    }
}

TEST_F(Functions, TwoHundredFiftyFiveRowsFillTheTable) {
    std::string rows;
    for (int i = 0; i < 255; ++i) rows += "<row Function=\"Toggle\"/>";
    writeDali2(rows, "");
    const BuiltImages images = build();
    EXPECT_EQ(images.Functions, 255);
    EXPECT_EQ(functionOf(images, 255).FunctionCode, 20);
    EXPECT_TRUE(allZero(functionBytesOf(images, 0)));
}

TEST_F(Functions, MissingRootOrSectionsReadAsEmpty) {
    for (const char* content : {"<Other><DALI2_Functions_Rules><row Function=\"Toggle\"/></DALI2_Functions_Rules></Other>",
                                "<DALI2_Access/>", "<DALI2_Access><DALI2_SetAccess_Rules/></DALI2_Access>",
                                "<!--only a comment--><DALI2_Access><DALI2_Functions_Rules><row Function=\"Toggle\"/></DALI2_Functions_Rules></DALI2_Access>"}) {
        write("DALI2_Access.xml", content);
        const BuiltImages images = build();
        EXPECT_EQ(images.EnabledRules, 0) << content;
        EXPECT_TRUE(allZero(images.ConfigImage.usedBytes().subspan(0, 0x1400))) << content;
    }
}

TEST_F(Functions, AFileWithRulesButNoFunctionSectionKeepsItsRules) {
    write("DALI2_Access.xml", "<DALI2_Access><DALI2_SetAccess_Rules><row Enable=\"Y\" Function=\"0 - None\"/>"
                              "</DALI2_SetAccess_Rules></DALI2_Access>");
    const BuiltImages images = build();
    EXPECT_EQ(images.EnabledRules, 1);
    EXPECT_EQ(images.Functions, 0);
}

TEST_F(Functions, AMalformedFileStopsTheBuildNamingIt) {
    write("DALI2_Access.xml", "<DALI2_Access><DALI2_Functions_Rules>");
    EXPECT_THROW(build(), FileError);
}

} // namespace
} // namespace corvane::testing

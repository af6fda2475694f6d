#include "dali/dali2_access_file.h"

#include "common/file_error.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

namespace corvane {
namespace {

TableRow functionRow(std::string function, std::string mnemonic = "") {
    return {std::move(function), "No Condition", "1", "DALI Channel 0", "10", "0", std::move(mnemonic)};
}

TableRow ruleRow(std::string devSen, std::string enable = "Y") {
    return {std::move(enable),
            std::move(devSen),
            "Led Lamp",
            "1",
            "0",
            "0",
            "1000",
            "2000",
            "0 - None",
            "0",
            "1",
            "m"};
}

TEST(Dali2AccessFile, MissingFileIsNoTables) {
    testing::TempDir dir;
    EXPECT_FALSE(readDali2AccessFile(dir / "DALI2_Access.xml").has_value());
}

TEST(Dali2AccessFile, MissingRootOrSectionReadsAsEmpty) {
    const char* files[] = {
        "<Other><DALI2_Functions_Rules><row Function=\"Toggle\"/></DALI2_Functions_Rules></Other>",
        "<!--c--><DALI2_Access/>",
        "<DALI2_Access><DALI2_SetAccess_Rules/></DALI2_Access>",
    };
    for (const char* file : files) {
        Dali2Access tables = parseDali2Access(file, "f");
        EXPECT_TRUE(tables.functions.empty()) << file;
        EXPECT_TRUE(tables.rules.empty()) << file;
    }
}

TEST(Dali2AccessFile, ReadsChildrenByPositionWithAbsentAttributesEmpty) {
    Dali2Access tables = parseDali2Access(
        "<DALI2_Access><DALI2_Functions_Rules><row Function=\"Toggle\" Mnemonic=\"m1\"/><x Function=\"Dim "
        "Up\"/>"
        "</DALI2_Functions_Rules><DALI2_SetAccess_Rules><row DeviceSensor=\"Sensor\"/><row Enable=\"N\"/>"
        "<row Enable=\"n\"/></DALI2_SetAccess_Rules></DALI2_Access>",
        "f");
    ASSERT_EQ(tables.functions.size(), 2u);
    EXPECT_EQ(tables.functions[0], (TableRow{"Toggle", "", "", "", "", "", "m1"}));
    EXPECT_EQ(tables.functions[1][FnFunction], "Dim Up");
    ASSERT_EQ(tables.rules.size(), 3u);
    EXPECT_EQ(tables.rules[0][RuEnable], "Y"); // absent Enable ticks the rule
    EXPECT_EQ(tables.rules[0][RuDevSen], "Sensor");
    EXPECT_EQ(tables.rules[1][RuEnable], "N");
    EXPECT_EQ(tables.rules[2][RuEnable], "Y"); // only "N" unticks
}

TEST(Dali2AccessFile, RowsBeyondCapacityAreDropped) {
    std::string file = "<DALI2_Access><DALI2_Functions_Rules>";
    for (int i = 0; i < 260; ++i)
        file += "<row Function=\"Toggle\"/>";
    file += "</DALI2_Functions_Rules></DALI2_Access>";
    EXPECT_EQ(parseDali2Access(file, "f").functions.size(), static_cast<std::size_t>(kFunctionCapacity));
}

TEST(Dali2AccessFile, ExtentStopsAtFirstBlankKeyCell) {
    std::vector<TableRow> functions = {functionRow("Toggle"), functionRow("Dim Up"), functionRow("  "),
                                       functionRow("Toggle")};
    EXPECT_EQ(functionExtent(functions), 2u);
    std::vector<TableRow> rules = {ruleRow("Device"), ruleRow(""), ruleRow("Sensor")};
    EXPECT_EQ(ruleExtent(rules), 1u);
}

TEST(Dali2AccessFile, WritesOnlyTheExtentWithEveryAttributeInOrder) {
    Dali2Access tables;
    tables.functions = {functionRow(" Toggle ", "first"), functionRow(""), functionRow("Dim Up")};
    tables.rules = {ruleRow("Device", "N")};
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(serializeDali2Access(tables).c_str(),
                                     pugi::parse_default | pugi::parse_comments));
    pugi::xml_node root = document.first_child();
    EXPECT_STREQ(root.name(), "DALI2_Access");
    EXPECT_STREQ(root.next_sibling().value(), "SW_VERSION = 1.300");
    EXPECT_STREQ(root.first_child().name(), "DALI2_Functions_Rules");
    EXPECT_STREQ(root.last_child().name(), "DALI2_SetAccess_Rules");
    auto functions = root.child("DALI2_Functions_Rules");
    ASSERT_EQ(std::distance(functions.begin(), functions.end()), 1);
    std::vector<std::string> names;
    for (pugi::xml_attribute a : functions.first_child().attributes())
        names.push_back(a.name());
    EXPECT_EQ(names, (std::vector<std::string>(kFunctionAttributes.begin(), kFunctionAttributes.end())));
    EXPECT_STREQ(functions.first_child().attribute("Function").value(), " Toggle "); // unchanged
    auto rule = root.child("DALI2_SetAccess_Rules").first_child();
    EXPECT_STREQ(rule.attribute("Enable").value(), "N");
    EXPECT_STREQ(rule.first_attribute().name(), "Enable");
    EXPECT_STREQ(rule.last_attribute().name(), "Mnemonic");
}

TEST(Dali2AccessFile, EmptyTablesWriteBothSectionsEmpty) {
    EXPECT_EQ(serializeDali2Access({}), "<DALI2_Access><DALI2_Functions_Rules/><DALI2_SetAccess_Rules/></"
                                        "DALI2_Access><!--SW_VERSION = 1.300-->");
}

TEST(Dali2AccessFile, SaveAndLoadRoundTrip) {
    testing::TempDir dir;
    Dali2Access tables;
    for (int i = 1; i <= kFunctionCapacity; ++i)
        tables.functions.push_back(functionRow("Toggle", "f" + std::to_string(i)));
    for (int i = 1; i <= kRuleCapacity; ++i)
        tables.rules.push_back(ruleRow(i % 2 ? "Device" : "Sensor", i % 3 ? "Y" : "N"));
    tables.rules[4][RuChannelNumber] = "99";
    writeDali2AccessFile(tables, dir / "DALI2_Access.xml");
    auto loaded = readDali2AccessFile(dir / "DALI2_Access.xml");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->functions, tables.functions);
    EXPECT_EQ(loaded->rules, tables.rules);
}

TEST(Dali2AccessFile, MalformedFileThrowsFileError) {
    EXPECT_THROW(parseDali2Access("<DALI2_Access><DALI2_Functions_Rules>", "f"), FileError);
}

} // namespace
} // namespace corvane

#include "dali/dali2_rules.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TableRow function(std::string op, std::string condition, std::string value, std::string next = "0",
                  std::string mnemonic = "") {
    return {std::move(op), std::move(condition), std::move(value),   "DALI Channel 1",
            "200",         std::move(next),      std::move(mnemonic)};
}

TableRow rule() {
    return {"Y", "Device", "Led Lamp", "5", "0", "10", "1000", "5000", "", "0", "1", "lamp"};
}

class Dali2Rules : public ::testing::Test {
  protected:
    Dali2Rules() { texts.FillDefaultTexts(); }

    // The problems of the tables, as "index@row".
    std::vector<std::string> problems(char separator = '.') const {
        std::vector<std::string> found;
        for (const Dali2Problem& p : Controllo_dati(tables, separator, texts))
            found.push_back(std::to_string(p.textIndex) + "@" + std::to_string(p.row));
        return found;
    }
    std::string firstMessage() const {
        auto found = Controllo_dati(tables, '.', texts);
        return found.empty() ? "" : found.front().message;
    }

    TextCatalogue texts;
    Dali2Access tables;
};

TEST_F(Dali2Rules, EmptyTablesPass) {
    EXPECT_TRUE(problems().empty());
}

TEST_F(Dali2Rules, FunctionChecks) {
    const struct {
        const char* name;
        TableRow row;
        char separator;
        const char* problem;
    } cases[] = {
        {"condition empty", function("Toggle", " ", "1"), '.', "2550@1"},
        {"push button needs equal", function("Toggle", "When Greater to Value", "Short Press"), '.',
         "2564@1"},
        {"push button equal", function("Toggle", "When Equal to Value", "Short Press"), '.', ""},
        {"absence needs NAND", function("Toggle", "AND Logic with Value", "Vacant"), '.', "2565@1"},
        {"absence NAND", function("Toggle", "NAND Logic with Value", " Vacant "), '.', ""},
        {"presence needs AND", function("Toggle", "NAND Logic with Value", "Occupied"), '.', "2566@1"},
        {"comma on a point system", function("Toggle", "No Condition", "12,5"), '.', ""},
        {"point on a comma system", function("Toggle", "No Condition", "12.5"), ',', ""},
        {"not a number", function("Toggle", "No Condition", "twelve"), '.', "2551@1"},
        {"event in other case is no event", function("Toggle", "When Equal to Value", "short press"), '.',
         "2551@1"},
        {"empty value", function("Toggle", "No Condition", ""), '.', "2551@1"},
        {"next function 0", function("Toggle", "No Condition", "1", "0"), '.', ""},
        {"next function itself", function("Toggle", "No Condition", "1", "1"), '.', ""},
        {"next function beyond", function("Toggle", "No Condition", "1", "2"), '.', "2552@1"},
        {"next function negative", function("Toggle", "No Condition", "1", "-1"), '.', "2552@1"},
        {"next function no integer", function("Toggle", "No Condition", "1", "1 "), '.', "2552@1"},
        {"next function empty", function("Toggle", "No Condition", "1", " "), '.', ""},
    };
    for (const auto& c : cases) {
        tables.functions = {c.row};
        auto found = problems(c.separator);
        EXPECT_EQ(found.empty() ? "" : found.front(), std::string(c.problem)) << c.name;
    }
}

TEST_F(Dali2Rules, OnlyFunctionsBeforeTheFirstBlankAreCountedAndChecked) {
    tables.functions = {function("Toggle", "No Condition", "1"), function("Dim Up", "No Condition", "1", "2"),
                        function("", "", "bad"), function("Toggle", "", "bad")};
    tables.rules = {rule()};
    tables.rules[0][RuFunction] = "3 - third";
    EXPECT_EQ(problems(), (std::vector<std::string>{"2553@1"}));
    EXPECT_EQ(firstMessage(), "Set Access - Error Row 1!! Function Must be between 0 and 2");
    tables.rules[0][RuFunction] = "2 - second";
    EXPECT_TRUE(problems().empty());
}

TEST_F(Dali2Rules, RuleChecks) {
    const struct {
        const char* name;
        int cell;
        const char* text;
        const char* problem;
    } cases[] = {
        {"device type other case", RuType, "led lamp", ""},
        {"device type of a sensor", RuType, "push button", "2529@1"},
        {"channel 63", RuChannelNumber, "63", ""},
        {"channel 64", RuChannelNumber, "64", "2531@1"},
        {"channel empty", RuChannelNumber, "", "2531@1"},
        {"instance 256", RuInstance, "256", "2532@1"},
        {"command 255", RuCommand, "255", ""},
        {"command 256", RuCommand, "256", "2536@1"},
        {"time send empty", RuTimeSend, "", "2533@1"},
        {"time send max", RuTimeSend, "100000000", ""},
        {"time send beyond", RuTimeSend, "100000001", "2533@1"},
        {"timeout negative", RuTimeOut, "-1", "2534@1"},
        {"function none", RuFunction, "0 - None", ""},
        {"function number only", RuFunction, "0", ""},
        {"function beyond", RuFunction, "1 - x", "2553@1"},
        {"function no number", RuFunction, "x - y", "2553@1"},
        {"position 1440", RuPosition, "1440", ""},
        {"position 1441", RuPosition, "1441", "2535@1"},
        {"position leading blank", RuPosition, " 7", ""},
        {"position trailing blank", RuPosition, "7 ", "2535@1"},
    };
    for (const auto& c : cases) {
        tables.rules = {rule()};
        tables.rules[0][static_cast<std::size_t>(c.cell)] = c.text;
        auto found = problems();
        EXPECT_EQ(found.empty() ? "" : found.front(), std::string(c.problem)) << c.name;
    }
}

TEST_F(Dali2Rules, TypeListFollowsExactDevSen) {
    const struct {
        const char* devSen;
        const char* type;
        const char* problem;
    } cases[] =
        {
            {"Sensor", "", "2530@1"},         {"Sensor", "occupancy sensor", ""},
            {"Sensor", "Led Lamp", "2530@1"}, {" Device ", "Dimmer", ""},
            {"device", "Led Lamp", "2530@1"}, // not exactly "Device": checked as a sensor
            {"device", "Push Button", ""},
        };
    for (const auto& c : cases) {
        tables.rules = {rule()};
        tables.rules[0][RuDevSen] = c.devSen;
        tables.rules[0][RuType] = c.type;
        auto found = problems();
        EXPECT_EQ(found.empty() ? "" : found.front(), std::string(c.problem)) << c.devSen << '/' << c.type;
    }
}

TEST_F(Dali2Rules, DisabledRulesAreSkipped) {
    tables.rules = {rule()};
    tables.rules[0][RuEnable] = "N";
    tables.rules[0][RuChannelNumber] = "99";
    EXPECT_TRUE(problems().empty());
}

TEST_F(Dali2Rules, MessagesNameRowAndLimit) {
    tables.rules = {rule(), rule(), rule()};
    tables.rules[2][RuPosition] = "1441";
    EXPECT_EQ(firstMessage(), "Set Access - Error Row 3!! Position Must be Between 0 and 1440");
    tables.functions = {function("Toggle", "No Condition", "1"),
                        function("Toggle", "No Condition", "1", "7")};
    tables.rules.clear();
    EXPECT_EQ(firstMessage(), "Functions - Error Row 2!! Next Function must be between 0 and 2");
    tables.functions[0] = function("Toggle", "When Lower to Value", "Button Pressed");
    EXPECT_EQ(firstMessage(),
              "Function - Error Row 1!! Condition for this Event / Value must be \"When Equal to Value\"");
}

TEST_F(Dali2Rules, EveryRowsFirstProblemInCheckOrder) {
    tables.functions = {function("Toggle", "No Condition", "1", "9"), function("Toggle", "", "x", "9"),
                        function("Toggle", "No Condition", "x")};
    tables.rules = {rule(), rule(), rule()};
    tables.rules[0][RuInstance] = "300";
    tables.rules[0][RuPosition] = "2000";
    tables.rules[1][RuEnable] = "N";
    tables.rules[1][RuInstance] = "300";
    tables.rules[2][RuCommand] = "-5";
    EXPECT_EQ(problems(), (std::vector<std::string>{"2550@2", "2551@3", "2552@1", "2532@1", "2536@3"}));
}

TEST(Dali2Selector, AlwaysLists251Entries) {
    std::vector<std::string> empty = Compile_Function({});
    ASSERT_EQ(empty.size(), 251u);
    EXPECT_EQ(empty[0], "0 - None");
    EXPECT_EQ(empty[7], "7 - ");
    EXPECT_EQ(empty[250], "250 - ");
    std::vector<TableRow> functions(3, TableRow(kFunctionCells));
    functions[1][FnMnemonic] = "stairs";
    std::vector<std::string> some = Compile_Function(functions);
    ASSERT_EQ(some.size(), 251u);
    EXPECT_EQ(some[2], "2 - stairs");
    EXPECT_EQ(some[3], "3 - ");
}

TEST(Dali2Selector, ConditionFollowsPickedEvent) {
    EXPECT_EQ(SetConditionOnEvent("Occupied"), "AND Logic with Value");
    EXPECT_EQ(SetConditionOnEvent("Vacant"), "NAND Logic with Value");
    EXPECT_EQ(SetConditionOnEvent("Long Press Stop"), "When Equal to Value");
    EXPECT_FALSE(SetConditionOnEvent("12,5").has_value());
}

TEST(Dali2Messages, NumbersReplacePlaceholdersOnly) {
    EXPECT_EQ(formatRowMessage("Row %d of %d", 3, 1440), "Row 3 of 1440");
    EXPECT_EQ(formatRowMessage("Row %d of %d", 3), "Row 3 of %d");
    EXPECT_EQ(formatRowMessage("%s %n %x no numbers", 3, 4), "%s %n %x no numbers");
    EXPECT_EQ(formatRowMessage("%d%d", 12, 34), "1234");
}

} // namespace
} // namespace corvane

#include "dali/dali_tables.h"

#include "dali/dali2_lists.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(DaliTables, ShapesOfTheThreeTables) {
    TableGrid channels(channelTableSchema(), kDaliChannelCount);
    TableGrid rules(ruleTableSchema({}), kRuleCapacity);
    TableGrid functions(functionTableSchema(), kFunctionCapacity);
    EXPECT_EQ(channels.ColCount(), 4);
    EXPECT_EQ(rules.ColCount(), 1 + kRuleCells);
    EXPECT_EQ(functions.ColCount(), 1 + kFunctionCells);
    EXPECT_EQ(rules.RowCount(), 257);
    EXPECT_EQ(functions.RowCount(), 251);
    EXPECT_EQ(functions.listFor(1, 4).size(), 81u);
    EXPECT_EQ(functions.column(3).kind, ColumnKind::EditableList);
}

TEST(DaliTables, ColumnsNameTheAttributesOfTheFile) {
    TableSchema rules = ruleTableSchema({}), functions = functionTableSchema();
    EXPECT_TRUE(rules[0].xmlAttribute.empty());
    for (std::size_t k = 0; k < kRuleAttributes.size(); ++k)
        EXPECT_EQ(rules[k + 1].xmlAttribute, kRuleAttributes[k]);
    for (std::size_t k = 0; k < kFunctionAttributes.size(); ++k)
        EXPECT_EQ(functions[k + 1].xmlAttribute, kFunctionAttributes[k]);
}

TEST(DaliTables, RuleTypeListDependsOnDevSen) {
    TableGrid rules(
        ruleTableSchema([](const TableGrid&, int) { return std::vector<std::string>{"0 - None"}; }), 4);
    rules.setText(1, 2, "Device");
    rules.setText(2, 2, "Sensor");
    rules.setText(3, 2, "device");
    EXPECT_EQ(rules.listFor(1, 3), toStrings(kDeviceTypes));
    EXPECT_EQ(rules.listFor(2, 3), toStrings(kSensorTypes));
    EXPECT_TRUE(rules.listFor(3, 3).empty());
    EXPECT_EQ(rules.listFor(1, 9), (std::vector<std::string>{"0 - None"}));
}

TEST(DaliTables, ChannelsResetAndRoundTrip) {
    TableGrid grid(channelTableSchema(), kDaliChannelCount);
    resetChannels(grid);
    EXPECT_EQ(grid.text(64, ChEnable), "N");
    EXPECT_EQ(grid.text(64, ChMinMax), "N");
    EXPECT_EQ(grid.text(64, ChRecallLevel), "None");
    grid.setText(3, ChEnable, " y ");
    grid.setText(4, ChRecallLevel, "odd text");
    DaliChannelTable channels = channelsFromGrid(grid);
    EXPECT_TRUE(channels[2].enabled);
    EXPECT_EQ(channels[3].recallLevel, "odd text"); // written unchanged
    setWholeColumn(grid, ChMinMax, "Y");
    loadChannels(grid, channelsFromGrid(grid));
    EXPECT_EQ(grid.text(1, ChMinMax), "Y");
    EXPECT_EQ(grid.text(3, ChEnable), "Y");
}

TEST(DaliTables, Dali2LoadTicksEveryRuleThenFillsRows) {
    TableGrid rules(ruleTableSchema({}), kRuleCapacity), functions(functionTableSchema(), kFunctionCapacity);
    rules.setText(200, 5, "stale");
    Dali2Access tables;
    tables.rules = {TableRow{"N", "Sensor", "Push Button", "1", "0", "0", "1", "1", "", "0", "2", "pb"}};
    tables.functions = {TableRow{"Toggle", "No Condition", "1", "DALI Broadcast", "", "0", "t"}};
    loadDali2(rules, functions, tables);
    EXPECT_EQ(rules.text(1, 1), "N");
    EXPECT_EQ(rules.text(2, 1), "Y");
    EXPECT_EQ(rules.text(200, 5), "");
    EXPECT_EQ(functions.text(1, 4), "DALI Broadcast");
    Dali2Access back = dali2FromGrids(rules, functions);
    EXPECT_EQ(back.rules.size(), 256u);
    EXPECT_EQ(back.rules[0], tables.rules[0]);
    EXPECT_EQ(ruleExtent(back.rules), 1u);
    EXPECT_EQ(functionExtent(back.functions), 1u);
}

} // namespace
} // namespace corvane

#include "common/table/table_grid.h"

#include "tests/common/table/table_test_grids.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(TableGrid, StartsEmptyWithRowNumbersAndUntickedBoxes) {
    TableGrid grid = testing::plainGrid(64);
    EXPECT_EQ(grid.RowCount(), 65);
    EXPECT_EQ(grid.ColCount(), 6);
    EXPECT_EQ(grid.text(1, 0), "1");
    EXPECT_EQ(grid.text(64, 0), "64");
    EXPECT_EQ(grid.text(64, 1), "N");
    EXPECT_EQ(grid.text(64, 2), "");
    EXPECT_FALSE(grid.readOnly(1, 2));
    EXPECT_EQ(grid.visibleDataColumns(), (std::vector<int>{1, 2, 3, 5}));
}

TEST(TableGrid, LargestTableHoldsItsRows) {
    TableGrid grid = testing::plainGrid(1024);
    grid.setText(1024, 5, "last");
    EXPECT_EQ(grid.text(1024, 5), "last");
    EXPECT_THROW(grid.text(1025, 1), std::out_of_range);
}

TEST(TableGrid, CellColourOverridesColumnColour) {
    TableSchema schema = {{.kind = ColumnKind::RowNumber}, {.kind = ColumnKind::Text, .colour = 0xE0FAFE}};
    TableGrid grid(schema, 3);
    grid.setColour(2, 1, 0x123456u);
    EXPECT_EQ(grid.colour(1, 1), 0xE0FAFEu);
    EXPECT_EQ(grid.colour(2, 1), 0x123456u);
    grid.clear();
    EXPECT_EQ(grid.colour(2, 1), 0xE0FAFEu);
}

TEST(TableGrid, ListCanDependOnAnotherCellOfTheRow) {
    TableSchema schema = {
        {.kind = ColumnKind::RowNumber},
        {.kind = ColumnKind::List, .values = {"x", "y"}},
        {.kind = ColumnKind::List,
         .valuesFor =
             [](const TableGrid& grid, int row) {
                 return grid.text(row, 1) == "x" ? std::vector<std::string>{"x1", "x2"}
                                                 : std::vector<std::string>{};
             }},
        {.kind = ColumnKind::Text},
    };
    TableGrid grid(schema, 2);
    grid.setText(1, 1, "x");
    EXPECT_EQ(grid.listFor(1, 1), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(grid.listFor(1, 2), (std::vector<std::string>{"x1", "x2"}));
    EXPECT_TRUE(grid.listFor(2, 2).empty());
    EXPECT_TRUE(grid.listFor(1, 3).empty());
}

TEST(TableGrid, ExtentStopsAtFirstBlankKeyCell) {
    TableGrid grid = testing::plainGrid(10);
    grid.setText(1, 2, "a");
    grid.setText(2, 2, "b");
    grid.setText(3, 2, " \t");
    grid.setText(4, 2, "d");
    EXPECT_EQ(grid.extent(2), 2);
    EXPECT_EQ(grid.rows(grid.extent(2)).size(), 2u);
    testing::fillNumbered(grid);
    EXPECT_EQ(grid.extent(2), 10);
}

TEST(TableGrid, RowCellsRoundTrip) {
    TableGrid grid = testing::plainGrid(3);
    grid.setRowCells(2, {"Y", "t", "a", "h"});
    EXPECT_EQ(grid.rowCells(2), (TableRow{"Y", "t", "a", "h", ""}));
}

} // namespace
} // namespace corvane

#include "common/table/row_operations.h"

#include "tests/common/table/table_test_grids.h"
#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

class RowOperations : public ::testing::Test {
  protected:
    RowOperations() { state.Texts.FillDefaultTexts(); }
    AppState state;
    testing::FakePrompts prompts;
};

TEST_F(RowOperations, DeleteMovesRowsUpAndEmptiesTheLast) {
    for (bool checkFamily : {false, true}) {
        TableGrid grid = testing::plainGrid(9); // RowCount 10
        testing::fillNumbered(grid);
        if (checkFamily)
            CheckGrid_DelRow(grid, 5, false);
        else
            Grid_DelRow(grid, 5);
        for (int row = 5; row <= 8; ++row)
            EXPECT_EQ(grid.text(row, 2), "r" + std::to_string(row + 1) + "c2");
        EXPECT_EQ(grid.text(8, 4), "r9c4"); // hidden columns move too
        EXPECT_EQ(grid.text(9, 2), "");
        EXPECT_EQ(grid.text(9, 4), "");
        for (int row = 1; row <= 9; ++row)
            EXPECT_EQ(grid.text(row, 0), std::to_string(row));
    }
}

TEST_F(RowOperations, InsertPushesTheLastRowOut) {
    for (bool checkFamily : {false, true}) {
        TableGrid grid = testing::plainGrid(9);
        testing::fillNumbered(grid);
        if (checkFamily)
            CheckGrid_InsRow(grid, 3, true);
        else
            Grid_InsRow(grid, 3, true);
        EXPECT_EQ(grid.text(3, 1), "Y");
        EXPECT_EQ(grid.text(3, 2), "");
        EXPECT_EQ(grid.text(4, 2), "r3c2");
        EXPECT_EQ(grid.text(9, 2), "r8c2");
        EXPECT_EQ(grid.text(9, 4), "r8c4");
    }
}

TEST_F(RowOperations, InsertWithoutTickLeavesFirstColumnEmptyOrUnticked) {
    TableGrid plain = testing::plainGrid(4), checked = testing::plainGrid(4);
    Grid_InsRow(plain, 2, false);
    CheckGrid_InsRow(checked, 2, false);
    EXPECT_EQ(plain.text(2, 1), "");
    EXPECT_EQ(checked.text(2, 1), "N");
}

TEST_F(RowOperations, CheckDeleteMarksLastRowReadOnlyAndInsertCarriesMarksDown) {
    TableGrid grid = testing::plainGrid(6);
    testing::fillNumbered(grid);
    CheckGrid_DelRow(grid, 2, true);
    for (int col = 1; col < grid.ColCount(); ++col)
        EXPECT_TRUE(grid.readOnly(6, col)) << col;
    EXPECT_TRUE(grid.checked(6, 1));
    EXPECT_FALSE(grid.readOnly(5, 2));

    CheckGrid_InsRow(grid, 3, false); // row 6 takes the marks of row 5, which was editable
    for (int col = 1; col < grid.ColCount(); ++col) {
        EXPECT_FALSE(grid.readOnly(6, col)) << col;
        EXPECT_FALSE(grid.readOnly(3, col)) << col;
    }

    CheckGrid_DelRow(grid, 1, true);
    CheckGrid_DelRow(grid, 1, true); // rows 5 and 6 read-only now
    CheckGrid_InsRow(grid, 6, false);
    EXPECT_FALSE(grid.readOnly(6, 2)); // the inserted row is always editable
    CheckGrid_InsRow(grid, 2, false);
    EXPECT_TRUE(grid.readOnly(6, 2)); // from row 5 above it
    EXPECT_FALSE(grid.readOnly(2, 2));
}

TEST_F(RowOperations, PlainCopyTakesVisibleColumnsAndPastesThem) {
    TableGrid grid = testing::plainGrid(4);
    testing::fillNumbered(grid);
    Grid_CopyRow(grid, 2, state);
    EXPECT_EQ(state.RowClipboard, (std::vector<std::string>{"Y", "r2c2", "r2c3", "r2c5"}));
    grid.clear();
    EXPECT_TRUE(Grid_PasteRow(grid, 4, true, state, prompts));
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(grid.rowCells(4), (TableRow{"Y", "r2c2", "r2c3", "", "r2c5"}));
}

TEST_F(RowOperations, CheckCopyTakesEveryColumnWithCheckFlags) {
    TableGrid grid = testing::plainGrid(4);
    testing::fillNumbered(grid);
    CheckGrid_CopyRow(grid, 3, state);
    EXPECT_EQ(state.RowClipboard, (std::vector<std::string>{"N", "r3c2", "r3c3", "r3c4", "r3c5"}));
    EXPECT_EQ(state.RowClipboardChecks, (std::vector<bool>{true, false, false, false, false}));
}

// Which message a paste shows, and whether it changes the row.
TEST_F(RowOperations, PasteRefusals) {
    struct Case {
        const char* name;
        bool checkFamily;
        bool copied;
        bool wrongWidth;
        bool rowUsed;
        std::optional<bool> answer;
        int message; // 0: none
        bool changed;
    };
    const Case cases[] = {
        {"plain, nothing copied", false, false, false, false, {}, 902, false},
        {"check, nothing copied", true, false, false, false, {}, 902, false},
        {"plain, other width", false, true, true, false, {}, 901, false},
        {"check, other width", true, true, true, false, {}, 901, false},
        {"plain, used, No", false, true, false, true, false, 900, false},
        {"check, used, No", true, true, false, true, false, 900, false},
        {"plain, used, Yes", false, true, false, true, true, 900, true},
        {"check, used, Yes", true, true, false, true, true, 900, true},
        {"check, free", true, true, false, false, {}, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.shown.clear();
        TableGrid grid = testing::plainGrid(4);
        testing::fillNumbered(grid);
        if (c.checkFamily)
            CheckGrid_CopyRow(grid, 1, state);
        else
            Grid_CopyRow(grid, 1, state);
        if (c.wrongWidth) state.RowClipboard.pop_back();
        if (!c.rowUsed)
            for (int col = 2; col < grid.ColCount(); ++col)
                grid.setText(3, col, "");
        if (c.answer) prompts.answers.push_back(*c.answer);
        TableRow before = grid.rowCells(3);
        bool changed = c.checkFamily ? CheckGrid_PasteRow(grid, 3, c.copied, state, prompts)
                                     : Grid_PasteRow(grid, 3, c.copied, state, prompts);
        EXPECT_EQ(changed, c.changed);
        EXPECT_EQ(grid.rowCells(3) != before, c.changed);
        if (c.message == 0) {
            EXPECT_TRUE(prompts.shown.empty());
        } else {
            ASSERT_EQ(prompts.shown.size(), 1u);
            EXPECT_EQ(prompts.shown[0].kind, c.message == 900 ? "confirm" : "error");
            EXPECT_EQ(prompts.shown[0].text, state.Texts[c.message]);
        }
    }
}

TEST_F(RowOperations, OnlyATickedBoxDoesNotMakeTheRowUsed) {
    for (bool checkFamily : {false, true}) {
        prompts.shown.clear();
        TableGrid grid = testing::plainGrid(4);
        testing::fillNumbered(grid);
        if (checkFamily)
            CheckGrid_CopyRow(grid, 1, state);
        else
            Grid_CopyRow(grid, 1, state);
        grid.clear();
        grid.setChecked(2, 1, true);
        EXPECT_TRUE(checkFamily ? CheckGrid_PasteRow(grid, 2, true, state, prompts)
                                : Grid_PasteRow(grid, 2, true, state, prompts));
        EXPECT_TRUE(prompts.shown.empty());
    }
}

TEST_F(RowOperations, PlainUsedTestTrimsButCheckUsedTestDoesNot) {
    TableGrid grid = testing::plainGrid(4);
    Grid_CopyRow(grid, 1, state);
    grid.setText(2, 2, "  ");
    EXPECT_TRUE(Grid_PasteRow(grid, 2, true, state, prompts));
    EXPECT_TRUE(prompts.shown.empty());
    CheckGrid_CopyRow(grid, 1, state);
    grid.setText(2, 2, "  ");
    prompts.answers.push_back(false);
    EXPECT_FALSE(CheckGrid_PasteRow(grid, 2, true, state, prompts));
    EXPECT_EQ(prompts.lastText(), state.Texts[900]);
}

TEST_F(RowOperations, RowClipboardCarriesBetweenTablesOfTheSameWidth) {
    TableGrid source = testing::plainGrid(2), target = testing::plainGrid(8);
    testing::fillNumbered(source);
    CheckGrid_CopyRow(source, 2, state);
    EXPECT_TRUE(CheckGrid_PasteRow(target, 8, true, state, prompts));
    EXPECT_EQ(target.rowCells(8), source.rowCells(2));
}

TEST_F(RowOperations, HeaderAndOutOfRangeRowsAreLeftAlone) {
    TableGrid grid = testing::plainGrid(3);
    testing::fillNumbered(grid);
    Grid_DelRow(grid, 0);
    CheckGrid_InsRow(grid, 4, true);
    Grid_CopyRow(grid, 0, state);
    EXPECT_TRUE(state.RowClipboard.empty());
    EXPECT_EQ(grid.text(1, 2), "r1c2");
    EXPECT_EQ(grid.text(3, 2), "r3c2");
}

} // namespace
} // namespace corvane

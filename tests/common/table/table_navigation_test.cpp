#include "common/table/table_navigation.h"

#include "tests/common/table/table_test_grids.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(TableNavigation, EnterMovesOnWhenEnabled) {
    TableGrid grid = testing::plainGrid(3); // visible data columns 1, 2, 3, 5
    struct Case {
        CellPosition from;
        int key;
        bool enabled;
        bool consumed;
        std::optional<CellPosition> to;
    };
    const Case cases[] = {
        {{1, 1}, kEnterKey, true, true, CellPosition{1, 2}},
        {{2, 3}, kEnterKey, true, true, CellPosition{2, 5}}, // hidden column 4 passed over
        {{2, 5}, kEnterKey, true, true, CellPosition{3, 1}},
        {{3, 5}, kEnterKey, true, true, CellPosition{1, 1}}, // last cell wraps to row 1
        {{0, 2}, kEnterKey, true, true, std::nullopt},       // header row: consumed, no move
        {{2, 0}, kEnterKey, true, true, std::nullopt},       // row-number column: the same
        {{1, 1}, kEnterKey, false, false, std::nullopt},
        {{1, 1}, 'a', true, false, std::nullopt},
    };
    for (const Case& c : cases) {
        KeyPressOutcome outcome = Grid_KeyPress(grid, c.from, c.key, c.enabled);
        EXPECT_EQ(outcome.consumed, c.consumed) << c.from.row << ',' << c.from.col;
        EXPECT_EQ(outcome.moveTo, c.to) << c.from.row << ',' << c.from.col;
    }
}

} // namespace
} // namespace corvane

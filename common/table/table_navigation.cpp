#include "common/table/table_navigation.h"

#include <algorithm>

namespace corvane {

KeyPressOutcome Grid_KeyPress(const TableGrid& grid, CellPosition current, int key,
                              bool enableJumpFieldTables) {
    if (!enableJumpFieldTables || key != kEnterKey) return {};
    KeyPressOutcome outcome{true, std::nullopt};
    std::vector<int> columns = grid.visibleDataColumns();
    if (current.row <= 0 || current.col <= 0 || columns.empty()) return outcome;
    auto next = std::upper_bound(columns.begin(), columns.end(), current.col);
    if (next != columns.end()) {
        outcome.moveTo = CellPosition{current.row, *next};
    } else {
        int row = current.row + 1 < grid.RowCount() ? current.row + 1 : 1;
        outcome.moveTo = CellPosition{row, columns.front()};
    }
    return outcome;
}

} // namespace corvane

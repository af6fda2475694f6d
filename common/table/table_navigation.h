#pragma once
// Enter-to-next-cell: with the option set, Enter moves right along the row, then to the first column of
// the next row, and from the last row back to row 1. Hidden columns are passed over.
#include "common/table/table_grid.h"

#include <optional>

namespace corvane {

inline constexpr int kEnterKey = 13;

struct CellPosition {
    int row = 0;
    int col = 0;
    bool operator==(const CellPosition&) const = default;
};

struct KeyPressOutcome {
    bool consumed = false;              // the table does not see the key
    std::optional<CellPosition> moveTo; // the new current cell
};

KeyPressOutcome Grid_KeyPress(const TableGrid& grid, CellPosition current, int key,
                              bool enableJumpFieldTables);

} // namespace corvane

#pragma once
// Small tables for the framework tests: a plain one (check column 1, texts, a hidden column) and the
// shape of a check-box table.
#include "common/table/table_grid.h"

namespace corvane::testing {

// Columns: 0 row number, 1 check, 2 text, 3 list, 4 hidden text, 5 text.
inline TableGrid plainGrid(int dataRows) {
    TableSchema schema = {
        {.kind = ColumnKind::RowNumber},
        {.kind = ColumnKind::Check},
        {.kind = ColumnKind::Text},
        {.kind = ColumnKind::List, .values = {"a", "b"}},
        {.kind = ColumnKind::Text, .hidden = true},
        {.kind = ColumnKind::Text},
    };
    return TableGrid(std::move(schema), dataRows);
}

// Fills each data cell with "r<row>c<col>" (check cells: ticked on even rows).
inline void fillNumbered(TableGrid& grid) {
    for (int row = 1; row < grid.RowCount(); ++row)
        for (int col = 1; col < grid.ColCount(); ++col) {
            if (isCheck(grid.column(col)))
                grid.setChecked(row, col, row % 2 == 0);
            else
                grid.setText(row, col, "r" + std::to_string(row) + "c" + std::to_string(col));
        }
}

} // namespace corvane::testing

#include "common/table/row_operations.h"

#include "common/text_util.h"

namespace corvane {

namespace {

bool isDataRow(const TableGrid& grid, int row) {
    return row >= 1 && row < grid.RowCount();
}

// Checks shared by both pastes: something was copied here, the column counts match, and the user
// agrees to overwrite a row in use. Shows the message of the first failing check.
bool mayPaste(bool copied, std::size_t columns, bool rowUsed, AppState& state, Prompts& prompts) {
    if (!copied) {
        prompts.error(state.Texts[kNothingCopiedText]);
        return false;
    }
    if (columns != state.RowClipboard.size()) {
        prompts.error(state.Texts[kCopyMismatchText]);
        return false;
    }
    return !rowUsed || prompts.confirm(state.Texts[kRowAlreadyUsedText]);
}

void copyCell(TableGrid& grid, int toRow, int fromRow, int col, bool withMark) {
    grid.setText(toRow, col, grid.text(fromRow, col));
    if (withMark) grid.setReadOnly(toRow, col, grid.readOnly(fromRow, col));
}

// Empties a row the way the check-box family does: boxes unticked except column 1 when tickFirst.
void emptyCheckRow(TableGrid& grid, int row, bool tickFirst, bool readOnly) {
    for (int col = 1; col < grid.ColCount(); ++col) {
        if (isCheck(grid.column(col)))
            grid.setChecked(row, col, col == 1 && tickFirst);
        else
            grid.setText(row, col, "");
        grid.setReadOnly(row, col, readOnly);
    }
}

void moveRowsUp(TableGrid& grid, int row, bool withMarks) {
    for (int r = row; r < grid.RowCount() - 1; ++r)
        for (int col = 1; col < grid.ColCount(); ++col)
            copyCell(grid, r, r + 1, col, withMarks);
}

void moveRowsDown(TableGrid& grid, int row, bool withMarks) {
    for (int r = grid.RowCount() - 2; r >= row; --r)
        for (int col = 1; col < grid.ColCount(); ++col)
            copyCell(grid, r + 1, r, col, withMarks);
}

} // namespace

void Grid_CopyRow(const TableGrid& grid, int row, AppState& state) {
    if (!isDataRow(grid, row)) return;
    state.RowClipboard.clear();
    for (int col : grid.visibleDataColumns())
        state.RowClipboard.push_back(grid.text(row, col));
}

bool Grid_PasteRow(TableGrid& grid, int row, bool copied, AppState& state, Prompts& prompts) {
    if (!isDataRow(grid, row)) return false;
    std::vector<int> columns = grid.visibleDataColumns();
    bool used = false;
    for (int col : columns)
        used = used || (!isCheck(grid.column(col)) && !trim(grid.text(row, col)).empty());
    if (!mayPaste(copied, columns.size(), used, state, prompts)) return false;
    for (std::size_t k = 0; k < columns.size(); ++k)
        grid.setText(row, columns[k], state.RowClipboard[k]);
    return true;
}

void Grid_DelRow(TableGrid& grid, int row) {
    if (!isDataRow(grid, row)) return;
    moveRowsUp(grid, row, false);
    for (int col = 1; col < grid.ColCount(); ++col)
        grid.setText(grid.RowCount() - 1, col, "");
}

void Grid_InsRow(TableGrid& grid, int row, bool tickFirst) {
    if (!isDataRow(grid, row)) return;
    moveRowsDown(grid, row, false);
    for (int col = 1; col < grid.ColCount(); ++col)
        grid.setText(row, col, col == 1 && tickFirst ? "Y" : "");
}

void CheckGrid_CopyRow(const TableGrid& grid, int row, AppState& state) {
    if (!isDataRow(grid, row)) return;
    state.RowClipboard.clear();
    state.RowClipboardChecks.clear();
    for (int col = 1; col < grid.ColCount(); ++col) {
        bool check = isCheck(grid.column(col));
        state.RowClipboardChecks.push_back(check);
        state.RowClipboard.push_back(check ? (grid.checked(row, col) ? "Y" : "N") : grid.text(row, col));
    }
}

bool CheckGrid_PasteRow(TableGrid& grid, int row, bool copied, AppState& state, Prompts& prompts) {
    if (!isDataRow(grid, row)) return false;
    bool used = false;
    for (int col = 1; col < grid.ColCount(); ++col)
        used = used || (!isCheck(grid.column(col)) && !grid.text(row, col).empty());
    if (!mayPaste(copied, static_cast<std::size_t>(grid.ColCount() - 1), used, state, prompts)) return false;
    for (int col = 1; col < grid.ColCount(); ++col) {
        auto k = static_cast<std::size_t>(col - 1);
        // A clipboard filled by a plain copy has no check flags: its entries are pasted as texts.
        bool checkEntry = k < state.RowClipboardChecks.size() && state.RowClipboardChecks[k];
        if (checkEntry)
            grid.setChecked(row, col, state.RowClipboard[k] == "Y");
        else
            grid.setText(row, col, state.RowClipboard[k]);
    }
    return true;
}

void CheckGrid_DelRow(TableGrid& grid, int row, bool tickFirst) {
    if (!isDataRow(grid, row)) return;
    moveRowsUp(grid, row, true);
    emptyCheckRow(grid, grid.RowCount() - 1, tickFirst, true);
}

void CheckGrid_InsRow(TableGrid& grid, int row, bool tickFirst) {
    if (!isDataRow(grid, row)) return;
    moveRowsDown(grid, row, true);
    emptyCheckRow(grid, row, tickFirst, false);
}

} // namespace corvane

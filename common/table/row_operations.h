#pragma once
// The row commands every table window offers: copy a row into the process-wide row clipboard, paste
// it into another row, delete a row (the rows below move up), insert an empty row (they move down).
//
// The plain family treats every cell as text and copies and pastes the visible columns only. The
// check-box family treats check-box cells by their tick state, covers hidden columns too and carries
// the cells' read-only marks along when rows move. Row 0 and column 0 are never touched.
#include "app/app_state.h"
#include "common/platform.h"
#include "common/table/table_grid.h"

namespace corvane {

// Message indices of the paste operations.
inline constexpr int kRowAlreadyUsedText = 900;
inline constexpr int kCopyMismatchText = 901;
inline constexpr int kNothingCopiedText = 902;

void Grid_CopyRow(const TableGrid& grid, int row, AppState& state);
// Returns true when the row was overwritten. `copied`: a row of this table was copied since the window
// opened.
bool Grid_PasteRow(TableGrid& grid, int row, bool copied, AppState& state, Prompts& prompts);
void Grid_DelRow(TableGrid& grid, int row);
void Grid_InsRow(TableGrid& grid, int row, bool tickFirst);

void CheckGrid_CopyRow(const TableGrid& grid, int row, AppState& state);
bool CheckGrid_PasteRow(TableGrid& grid, int row, bool copied, AppState& state, Prompts& prompts);
void CheckGrid_DelRow(TableGrid& grid, int row, bool tickFirst);
void CheckGrid_InsRow(TableGrid& grid, int row, bool tickFirst);

} // namespace corvane

#pragma once
// The cells of one table: a header row 0, data rows 1 to RowCount - 1, column 0 holding the row number.
// Every value is a text; a check-box cell holds "Y" (ticked) or "N". Cells can carry their own colour
// and a read-only mark.
#include "common/table/column_schema.h"
#include "common/table/xml_rows.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

class TableGrid {
  public:
    TableGrid(TableSchema schema, int dataRows);

    int RowCount() const { return rowCount_; }                        // header row included
    int ColCount() const { return static_cast<int>(schema_.size()); } // hidden columns included
    int dataRows() const { return rowCount_ - 1; }

    const ColumnSpec& column(int col) const { return schema_.at(static_cast<std::size_t>(col)); }
    ColumnSpec& column(int col) { return schema_.at(static_cast<std::size_t>(col)); }
    const TableSchema& schema() const { return schema_; }
    // The columns 1 … last that are not hidden, in order.
    std::vector<int> visibleDataColumns() const;

    const std::string& text(int row, int col) const { return cell(row, col).text; }
    void setText(int row, int col, std::string text) { cell(row, col).text = std::move(text); }
    bool checked(int row, int col) const { return text(row, col) == "Y"; }
    void setChecked(int row, int col, bool ticked) { cell(row, col).text.assign(1, ticked ? 'Y' : 'N'); }

    bool readOnly(int row, int col) const { return cell(row, col).readOnly; }
    void setReadOnly(int row, int col, bool readOnly) { cell(row, col).readOnly = readOnly; }

    // The cell's own colour, else its column's.
    std::uint32_t colour(int row, int col) const;
    void setColour(int row, int col, std::optional<std::uint32_t> colour) { cell(row, col).colour = colour; }

    // The choices of a list cell (empty for other kinds).
    std::vector<std::string> listFor(int row, int col) const;

    // Every data cell emptied (check boxes unticked), editable, with its column's colour.
    void clear();

    // Cells 1 … last of a row, and setting them from such a list (missing cells become empty).
    TableRow rowCells(int row) const;
    void setRowCells(int row, const TableRow& cells);
    // Rows 1 … count as lists of cells.
    std::vector<TableRow> rows(int count) const;
    // Rows 1 … up to the first row whose `keyColumn` is blank after trimming.
    int extent(int keyColumn) const;

  private:
    struct Cell {
        std::string text;
        bool readOnly = false;
        std::optional<std::uint32_t> colour;
    };
    Cell& cell(int row, int col);
    const Cell& cell(int row, int col) const;

    TableSchema schema_;
    int rowCount_;
    std::vector<Cell> cells_;
};

} // namespace corvane

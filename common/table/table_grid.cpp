#include "common/table/table_grid.h"

#include "common/text_util.h"

#include <stdexcept>

namespace corvane {

TableGrid::TableGrid(TableSchema schema, int dataRows)
    : schema_(std::move(schema)), rowCount_(dataRows + 1),
      cells_(static_cast<std::size_t>(rowCount_) * schema_.size()) {
    for (int row = 1; row < rowCount_; ++row)
        cell(row, 0).text = std::to_string(row);
    clear();
}

TableGrid::Cell& TableGrid::cell(int row, int col) {
    return const_cast<Cell&>(static_cast<const TableGrid&>(*this).cell(row, col));
}

const TableGrid::Cell& TableGrid::cell(int row, int col) const {
    if (row < 0 || row >= rowCount_ || col < 0 || col >= ColCount())
        throw std::out_of_range("table cell " + std::to_string(row) + "," + std::to_string(col));
    return cells_[static_cast<std::size_t>(row) * schema_.size() + static_cast<std::size_t>(col)];
}

std::vector<int> TableGrid::visibleDataColumns() const {
    std::vector<int> columns;
    for (int col = 1; col < ColCount(); ++col)
        if (!column(col).hidden) columns.push_back(col);
    return columns;
}

std::uint32_t TableGrid::colour(int row, int col) const {
    const Cell& c = cell(row, col);
    return c.colour ? *c.colour : column(col).colour;
}

std::vector<std::string> TableGrid::listFor(int row, int col) const {
    const ColumnSpec& spec = column(col);
    if (!isList(spec)) return {};
    return spec.valuesFor ? spec.valuesFor(*this, row) : spec.values;
}

void TableGrid::clear() {
    for (int row = 1; row < rowCount_; ++row)
        for (int col = 1; col < ColCount(); ++col) {
            Cell& c = cell(row, col);
            c.readOnly = false;
            c.colour.reset();
            if (isCheck(column(col)))
                c.text.assign(1, 'N');
            else
                c.text.clear();
        }
}

TableRow TableGrid::rowCells(int row) const {
    TableRow cells;
    cells.reserve(schema_.size() - 1);
    for (int col = 1; col < ColCount(); ++col)
        cells.push_back(text(row, col));
    return cells;
}

void TableGrid::setRowCells(int row, const TableRow& cells) {
    for (int col = 1; col < ColCount(); ++col) {
        auto index = static_cast<std::size_t>(col - 1);
        setText(row, col, index < cells.size() ? cells[index] : std::string());
    }
}

std::vector<TableRow> TableGrid::rows(int count) const {
    std::vector<TableRow> result;
    for (int row = 1; row <= count && row < rowCount_; ++row)
        result.push_back(rowCells(row));
    return result;
}

int TableGrid::extent(int keyColumn) const {
    int count = 0;
    while (count + 1 < rowCount_ && !trim(text(count + 1, keyColumn)).empty())
        ++count;
    return count;
}

} // namespace corvane

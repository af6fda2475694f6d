#include "common/table/grid_xml.h"

#include "common/table/xml_rows.h"

namespace corvane {

namespace {

struct StoredColumns {
    std::vector<int> columns;
    std::vector<std::string_view> attributes;
};

StoredColumns storedColumns(const TableGrid& grid) {
    StoredColumns stored;
    for (int col = 1; col < grid.ColCount(); ++col) {
        if (grid.column(col).xmlAttribute.empty()) continue;
        stored.columns.push_back(col);
        stored.attributes.push_back(grid.column(col).xmlAttribute);
    }
    return stored;
}

} // namespace

int loadGridRows(TableGrid& grid, pugi::xml_node section) {
    StoredColumns stored = storedColumns(grid);
    std::vector<TableRow> rows =
        readXmlRows(section, stored.attributes, static_cast<std::size_t>(grid.dataRows()));
    for (std::size_t k = 0; k < rows.size(); ++k)
        for (std::size_t i = 0; i < stored.columns.size(); ++i)
            grid.setText(static_cast<int>(k) + 1, stored.columns[i], rows[k][i]);
    return static_cast<int>(rows.size());
}

void appendGridRows(pugi::xml_node section, const TableGrid& grid, int count) {
    StoredColumns stored = storedColumns(grid);
    std::vector<TableRow> rows;
    for (int row = 1; row <= count && row < grid.RowCount(); ++row) {
        TableRow cells;
        for (int col : stored.columns)
            cells.push_back(grid.text(row, col));
        rows.push_back(std::move(cells));
    }
    appendXmlRows(section, rows, stored.attributes);
}

} // namespace corvane

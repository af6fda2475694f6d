#include "common/table/grid_xml.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TableGrid storedGrid(int rows) {
    TableSchema schema = {
        {.kind = ColumnKind::RowNumber},
        {.kind = ColumnKind::Check, .xmlAttribute = "Enable"},
        {.kind = ColumnKind::Text, .xmlAttribute = "Name"},
        {.kind = ColumnKind::Text}, // shown only
        {.kind = ColumnKind::Check, .hidden = true, .xmlAttribute = "OnChange"},
    };
    return TableGrid(std::move(schema), rows);
}

TEST(GridXml, WritesStoredColumnsInOrderAndReadsThemBack) {
    TableGrid grid = storedGrid(4);
    grid.setRowCells(1, {"Y", "first", "x", "N"});
    grid.setRowCells(2, {"N", " second ", "y", "Y"});
    pugi::xml_document document;
    pugi::xml_node section = document.append_child("Rows");
    appendGridRows(section, grid, 2);
    std::vector<std::string> names;
    for (pugi::xml_attribute a : section.first_child().attributes())
        names.push_back(a.name());
    EXPECT_EQ(names, (std::vector<std::string>{"Enable", "Name", "OnChange"}));

    TableGrid loaded = storedGrid(4);
    EXPECT_EQ(loadGridRows(loaded, section), 2);
    EXPECT_EQ(loaded.rowCells(2), (TableRow{"N", " second ", "", "Y"}));
    EXPECT_EQ(loaded.text(3, 2), "");
}

TEST(GridXml, AbsentAttributesLeaveCellsEmptyAndExtraRowsAreIgnored) {
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string("<Rows><row Name=\"a\"/><row/><row Name=\"c\"/></Rows>"));
    TableGrid grid = storedGrid(2);
    EXPECT_EQ(loadGridRows(grid, document.first_child()), 2);
    EXPECT_EQ(grid.text(1, 1), "");
    EXPECT_EQ(grid.text(1, 2), "a");
    EXPECT_EQ(grid.text(2, 2), "");
}

} // namespace
} // namespace corvane

#pragma once
// A table's rows in its XML file, from the columns' attribute names: one element per row, one attribute
// per stored column, in column order.
#include "common/table/table_grid.h"

#include <pugixml.hpp>

namespace corvane {

// Fills rows 1, 2, … from the child elements of `section`; an absent attribute leaves its cell empty.
// Rows beyond the table are ignored. Returns the number of rows read.
int loadGridRows(TableGrid& grid, pugi::xml_node section);

// Appends rows 1 … count of the table to `section`.
void appendGridRows(pugi::xml_node section, const TableGrid& grid, int count);

} // namespace corvane

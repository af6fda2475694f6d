#pragma once
// Table rows stored as XML: one child element per row, one attribute per column, in a fixed order.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace corvane {

using TableRow = std::vector<std::string>;

// The k-th child element of `section` (its name is not compared) gives row k; each cell comes from the
// attribute of the same position in `attributes`, an absent attribute giving `absent`. At most
// `capacity` rows are read: rows beyond what the table holds are dropped.
std::vector<TableRow> readXmlRows(pugi::xml_node section, std::span<const std::string_view> attributes,
                                  std::size_t capacity, std::string_view absent = {});

// Appends one element `rowName` per row to `section`, every attribute present and in order.
void appendXmlRows(pugi::xml_node section, std::span<const TableRow> rows,
                   std::span<const std::string_view> attributes, const char* rowName = "row");

} // namespace corvane

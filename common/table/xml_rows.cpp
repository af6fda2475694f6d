#include "common/table/xml_rows.h"

namespace corvane {

std::vector<TableRow> readXmlRows(pugi::xml_node section, std::span<const std::string_view> attributes,
                                  std::size_t capacity, std::string_view absent) {
    std::vector<TableRow> rows;
    if (section.type() != pugi::node_element) return rows;
    // Comments and text between rows are not rows: only elements count.
    for (pugi::xml_node element = section.first_child(); element && rows.size() < capacity;
         element = element.next_sibling()) {
        if (element.type() != pugi::node_element) continue;
        TableRow row;
        row.reserve(attributes.size());
        for (std::string_view name : attributes) {
            pugi::xml_attribute attribute = element.attribute(std::string(name).c_str());
            row.emplace_back(attribute ? std::string_view(attribute.value()) : absent);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void appendXmlRows(pugi::xml_node section, std::span<const TableRow> rows,
                   std::span<const std::string_view> attributes, const char* rowName) {
    for (const TableRow& row : rows) {
        pugi::xml_node element = section.append_child(rowName);
        for (std::size_t k = 0; k < attributes.size(); ++k) {
            const std::string& value = k < row.size() ? row[k] : std::string();
            element.append_attribute(std::string(attributes[k]).c_str()).set_value(value.c_str());
        }
    }
}

} // namespace corvane

#pragma once
// A table column declared as data: what it holds, how it is edited, its header, hint, width and colour.
// Every table window is a list of these plus its own rules.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class TableGrid;

enum class ColumnKind {
    RowNumber,    // fixed column 0: the row number, never edited
    Check,        // a check box whose cell text is "Y" (ticked) or "N"
    List,         // drop-down list, no free text
    EditableList, // drop-down list that also accepts typed text
    Text,         // free text
    ReadOnly,     // shown, never edited
};

// The choices of a list cell, computed from its row (e.g. from another cell of the row).
using ListSource = std::function<std::vector<std::string>(const TableGrid& grid, int row)>;

inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kFixedCellColour = 0xF0F0F0; // the fixed column, like the header

struct ColumnSpec {
    ColumnKind kind = ColumnKind::Text;
    int headerIndex = -1;              // catalogue index of the header text; -1: headerText
    std::string headerText{};          // fixed header when there is no catalogue index
    int hintIndex = -1;                // catalogue index of the header hint; -1: no hint
    int width = 64;                    // pixels
    std::uint32_t colour = kWhite;     // RGB background of the data cells
    std::vector<std::string> values{}; // list of a List/EditableList column
    ListSource valuesFor{};            // when set, replaces `values`
    bool hidden = false;
    bool centred = false;
    std::string xmlAttribute{}; // the row attribute holding the cell in the table's file; empty: not stored
};

using TableSchema = std::vector<ColumnSpec>;

inline bool isCheck(const ColumnSpec& column) {
    return column.kind == ColumnKind::Check;
}
inline bool isList(const ColumnSpec& column) {
    return column.kind == ColumnKind::List || column.kind == ColumnKind::EditableList;
}

} // namespace corvane

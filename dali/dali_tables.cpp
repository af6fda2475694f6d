#include "dali/dali_tables.h"

#include "common/text_util.h"
#include "dali/dali2_lists.h"

namespace corvane {

namespace {

constexpr std::uint32_t kOrange = 0xFFD8B0; // RGB(255, 216, 176)
constexpr std::uint32_t kCyan = 0xE0FAFE;   // RGB(224, 250, 254)
constexpr std::uint32_t kGreen = 0xA8FFA8;  // RGB(168, 255, 168)
constexpr std::uint32_t kViolet = 0xD5D5FF; // RGB(213, 213, 255)
constexpr std::uint32_t kPink = 0xFCD6F4;   // RGB(252, 214, 244)
constexpr std::uint32_t kYellow = 0xFFFFA8; // RGB(255, 255, 168)

ColumnSpec column(ColumnKind kind, int header, int hint, int width, std::uint32_t colour = kWhite,
                  std::vector<std::string> values = {}) {
    ColumnSpec spec;
    spec.kind = kind;
    spec.headerIndex = header;
    spec.hintIndex = hint;
    spec.width = width;
    spec.colour = colour;
    spec.values = std::move(values);
    spec.centred = kind == ColumnKind::Check;
    return spec;
}

// Column k + 1 is stored in the attribute k of the file's row.
template <std::size_t N>
void nameAttributes(TableSchema& schema, const std::array<std::string_view, N>& attributes) {
    for (std::size_t k = 0; k < N; ++k)
        schema[k + 1].xmlAttribute = attributes[k];
}

bool isYes(std::string_view cell) {
    return toUpperAscii(trim(cell)) == "Y";
}

} // namespace

TableSchema channelTableSchema() {
    return {
        column(ColumnKind::RowNumber, 758, -1, 200),
        column(ColumnKind::Check, 759, -1, 90),
        column(ColumnKind::Check, 762, -1, 90),
        column(ColumnKind::List, 763, -1, 190, kWhite, {kRecallLevels.begin(), kRecallLevels.end()}),
    };
}

TableSchema ruleTableSchema(ListSource functionSelector) {
    TableSchema schema = {
        column(ColumnKind::RowNumber, 2500, -1, 40),
        column(ColumnKind::Check, 2501, 2515, 50, kOrange),
        column(ColumnKind::List, 2502, 2516, 80, kCyan, toStrings(kDevSenList)),
        column(ColumnKind::List, 2503, 2517, 120, kCyan),
        column(ColumnKind::Text, 2504, 2518, 80, kCyan),
        column(ColumnKind::Text, 2505, 2519, 60, kCyan),
        column(ColumnKind::Text, 2510, 2524, 70, kGreen),
        column(ColumnKind::Text, 2507, 2521, 70, kGreen),
        column(ColumnKind::Text, 2508, 2522, 70, kGreen),
        column(ColumnKind::List, 2513, 2527, 70, kViolet),
        column(ColumnKind::Text, 2509, 2523, 70, kPink),
        column(ColumnKind::List, 2558, 2559, 70, kPink, toStrings(kNumBytesList)),
        column(ColumnKind::Text, 2514, 2528, 130),
    };
    // The Type list follows the row's Dev/Sen cell; the Function list is the window's selector.
    schema[1 + RuType].valuesFor = [](const TableGrid& grid, int row) {
        return typesFor(grid.text(row, 1 + RuDevSen));
    };
    schema[1 + RuFunction].valuesFor = std::move(functionSelector);
    nameAttributes(schema, kRuleAttributes);
    return schema;
}

TableSchema functionTableSchema() {
    TableSchema schema = {
        column(ColumnKind::RowNumber, 2539, -1, 40),
        column(ColumnKind::List, 2540, 2545, 140, kCyan, toStrings(kOperations)),
        column(ColumnKind::List, 2541, 2546, 140, kGreen, toStrings(kConditions)),
        column(ColumnKind::EditableList, 2542, 2547, 140, kGreen, toStrings(kEvents)),
        column(ColumnKind::List, 2560, 2562, 140, kYellow, daliTargets()),
        column(ColumnKind::Text, 2561, 2563, 140, kYellow),
        column(ColumnKind::Text, 2543, 2548, 140, kOrange),
        column(ColumnKind::Text, 2544, 2549, 200),
    };
    nameAttributes(schema, kFunctionAttributes);
    return schema;
}

void resetChannels(TableGrid& channels) {
    loadChannels(channels, DaliChannelTable{});
}

void loadChannels(TableGrid& grid, const DaliChannelTable& channels) {
    for (int id = 0; id < kDaliChannelCount; ++id) {
        const DaliChannel& channel = channels[static_cast<std::size_t>(id)];
        grid.setChecked(id + 1, ChEnable, channel.enabled);
        grid.setChecked(id + 1, ChMinMax, channel.minMaxValue);
        grid.setText(id + 1, ChRecallLevel, channel.recallLevel);
    }
}

DaliChannelTable channelsFromGrid(const TableGrid& grid) {
    DaliChannelTable channels;
    for (int id = 0; id < kDaliChannelCount; ++id) {
        DaliChannel& channel = channels[static_cast<std::size_t>(id)];
        channel.enabled = isYes(grid.text(id + 1, ChEnable));
        channel.minMaxValue = isYes(grid.text(id + 1, ChMinMax));
        channel.recallLevel = grid.text(id + 1, ChRecallLevel);
    }
    return channels;
}

void labelChannels(TableGrid& grid, const TextCatalogue& texts) {
    for (int id = 0; id < kDaliChannelCount; ++id)
        grid.setText(id + 1, ChLabel, texts[kChannelLabelText + id]);
}

void setWholeColumn(TableGrid& grid, int col, std::string_view text) {
    for (int row = 1; row < grid.RowCount(); ++row)
        grid.setText(row, col, std::string(text));
}

void loadDali2(TableGrid& rules, TableGrid& functions, const Dali2Access& tables) {
    rules.clear();
    setWholeColumn(rules, 1 + RuEnable, "Y");
    functions.clear();
    for (std::size_t k = 0; k < tables.rules.size() && static_cast<int>(k) < rules.dataRows(); ++k)
        rules.setRowCells(static_cast<int>(k) + 1, tables.rules[k]);
    for (std::size_t k = 0; k < tables.functions.size() && static_cast<int>(k) < functions.dataRows(); ++k)
        functions.setRowCells(static_cast<int>(k) + 1, tables.functions[k]);
}

Dali2Access dali2FromGrids(const TableGrid& rules, const TableGrid& functions) {
    Dali2Access tables;
    tables.rules = rules.rows(rules.dataRows());
    for (TableRow& rule : tables.rules)
        if (rule[RuEnable] != "Y") rule[RuEnable].assign(1, 'N');
    tables.functions = functions.rows(functions.dataRows());
    return tables;
}

} // namespace corvane

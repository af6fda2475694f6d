#pragma once
// The three tables of the DALI access window as data: their columns (headers, hints, widths, colours,
// editors and lists) and the moves between the tables and the file records.
#include "common/table/table_grid.h"
#include "dali/dali2_access_file.h"
#include "dali/dali_access_file.h"
#include "text/text_catalogue.h"

#include <string_view>

namespace corvane {

// Channel table: label, Enable, Min-Max Value, Recall Level; row r holds DALI ID r - 1.
enum ChannelColumn : int { ChLabel, ChEnable, ChMinMax, ChRecallLevel };
inline constexpr int kChannelLabelText = 610; // + DALI ID

TableSchema channelTableSchema();
TableSchema ruleTableSchema(ListSource functionSelector);
TableSchema functionTableSchema();

// Every row reset: Enable "N", Min-Max Value "N", Recall Level "None".
void resetChannels(TableGrid& channels);
void loadChannels(TableGrid& grid, const DaliChannelTable& channels);
// Enable and Min-Max Value are set when the cell, trimmed, reads "Y" in any letter case; the Recall
// Level text is taken unchanged.
DaliChannelTable channelsFromGrid(const TableGrid& grid);
// The labels "DALI ID Device 0" … of column 0, from the catalogue.
void labelChannels(TableGrid& grid, const TextCatalogue& texts);

// Sets the cell of `col` in every data row to `text` (Select All / Clear All and the header menus).
void setWholeColumn(TableGrid& grid, int col, std::string_view text);

// Rules reset with every Enable box ticked and every other cell empty; functions reset empty; then the
// rows of the file.
void loadDali2(TableGrid& rules, TableGrid& functions, const Dali2Access& tables);
// Every row of both tables (the file keeps only each table's extent).
Dali2Access dali2FromGrids(const TableGrid& rules, const TableGrid& functions);

} // namespace corvane

#pragma once
// DALI2_Access.xml: the DALI-2 functions (numbered steps) and input rules, each a row of texts.
#include "common/table/xml_rows.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr int kFunctionCapacity = 250;
inline constexpr int kRuleCapacity = 256;

// Cell positions of a function row (table columns 1 to 7) and their attributes, in file order.
enum FunctionCell : int {
    FnFunction,
    FnCondition,
    FnValue,
    FnChannel,
    FnBrightness,
    FnNextFunction,
    FnMnemonic,
    kFunctionCells
};
inline constexpr std::array<std::string_view, kFunctionCells> kFunctionAttributes = {
    "Function", "Condition", "Value", "Channel", "Val", "Next_Function", "Mnemonic"};

// Cell positions of an input-rule row (table columns 1 to 12) and their attributes, in file order.
// The Enable cell is "Y" (ticked) or "N".
enum RuleCell : int {
    RuEnable,
    RuDevSen,
    RuType,
    RuChannelNumber,
    RuInstance,
    RuCommand,
    RuTimeSend,
    RuTimeOut,
    RuFunction,
    RuPosition,
    RuNumBytes,
    RuMnemonic,
    kRuleCells
};
inline constexpr std::array<std::string_view, kRuleCells> kRuleAttributes = {
    "Enable",   "DeviceSensor", "Type",     "ChannelNumber", "Instance", "Command",
    "TimeSend", "TimeOut",      "Function", "Position",      "NumBytes", "Mnemonic"};

// Both tables as loaded: every row the file holds, up to the capacities. Rows at and after the first
// blank key cell are kept as loaded but are outside the content (see the extents below).
struct Dali2Access {
    std::vector<TableRow> functions; // kFunctionCells cells each
    std::vector<TableRow> rules;     // kRuleCells cells each
};

// The content of a table: the rows before the first row whose key cell (Function for functions,
// Dev/Sen for rules) is blank after trimming.
std::size_t functionExtent(const std::vector<TableRow>& functions);
std::size_t ruleExtent(const std::vector<TableRow>& rules);

// The tables of `path`; nullopt when there is no such file. Throws FileError when it is not valid XML.
// A missing root or section reads as an empty table.
std::optional<Dali2Access> readDali2AccessFile(const std::filesystem::path& path);
Dali2Access parseDali2Access(std::string_view content, const std::filesystem::path& nameForErrors);

// The file as written: functions then rules, each table's content only, cells unchanged.
std::string serializeDali2Access(const Dali2Access& tables);
void writeDali2AccessFile(const Dali2Access& tables, const std::filesystem::path& path);

} // namespace corvane

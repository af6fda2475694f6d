#include "dali/dali2_access_file.h"

#include "common/safe_write.h"
#include "common/text_util.h"
#include "common/xml_file.h"

namespace corvane {

namespace {

constexpr const char* kRoot = "DALI2_Access";
constexpr const char* kFunctionsSection = "DALI2_Functions_Rules";
constexpr const char* kRulesSection = "DALI2_SetAccess_Rules";

std::size_t extent(const std::vector<TableRow>& rows, std::size_t keyCell, std::size_t capacity) {
    std::size_t count = 0;
    while (count < rows.size() && count < capacity && keyCell < rows[count].size() &&
           !trim(rows[count][keyCell]).empty())
        ++count;
    return count;
}

// Only "N" unticks a rule; any other text, or none, ticks it.
void normaliseEnable(std::vector<TableRow>& rules) {
    for (TableRow& rule : rules)
        if (rule[RuEnable] != "N") rule[RuEnable].assign(1, 'Y');
}

Dali2Access tablesOf(const pugi::xml_document& document) {
    pugi::xml_node root = document.child(kRoot);
    Dali2Access tables;
    tables.functions = readXmlRows(root.child(kFunctionsSection), kFunctionAttributes, kFunctionCapacity);
    tables.rules = readXmlRows(root.child(kRulesSection), kRuleAttributes, kRuleCapacity);
    normaliseEnable(tables.rules);
    return tables;
}

} // namespace

std::size_t functionExtent(const std::vector<TableRow>& functions) {
    return extent(functions, FnFunction, kFunctionCapacity);
}

std::size_t ruleExtent(const std::vector<TableRow>& rules) {
    return extent(rules, RuDevSen, kRuleCapacity);
}

Dali2Access parseDali2Access(std::string_view content, const std::filesystem::path& nameForErrors) {
    pugi::xml_document document;
    parseXml(content, nameForErrors, document);
    return tablesOf(document);
}

std::optional<Dali2Access> readDali2AccessFile(const std::filesystem::path& path) {
    if (!std::filesystem::is_regular_file(path)) return std::nullopt;
    pugi::xml_document document;
    loadXmlFile(path, document);
    return tablesOf(document);
}

std::string serializeDali2Access(const Dali2Access& tables) {
    pugi::xml_document document;
    pugi::xml_node root = startProjectDocument(document, kRoot);
    std::span<const TableRow> functions(tables.functions.data(), functionExtent(tables.functions));
    std::span<const TableRow> rules(tables.rules.data(), ruleExtent(tables.rules));
    appendXmlRows(root.append_child(kFunctionsSection), functions, kFunctionAttributes);
    appendXmlRows(root.append_child(kRulesSection), rules, kRuleAttributes);
    return serializeXml(document);
}

void writeDali2AccessFile(const Dali2Access& tables, const std::filesystem::path& path) {
    writeFileAtomically(path, serializeDali2Access(tables));
}

} // namespace corvane

#include "common/safe_write.h"
#include "common/text_util.h"
#include "common/xml_file.h"
#include "dali/dali2_access_file.h"
#include "dali/decimal_number.h"
#include "image/image_build_error.h"
#include "image/import_steps.h"
#include "image/row_attributes.h"
#include "image/text_codes.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace corvane {

namespace {

constexpr const char* kRoot = "DALI2_Access";
constexpr const char* kRulesSection = "DALI2_SetAccess_Rules";
constexpr const char* kFunctionsSection = "DALI2_Functions_Rules";
// The rule attributes as the window writes them, then Event, which only the builder reads.
enum BuilderRuleCell : std::size_t { RuEvent = kRuleCells, kBuilderRuleCells };
constexpr std::array<std::string_view, kBuilderRuleCells> builderRuleAttributes() {
    std::array<std::string_view, kBuilderRuleCells> names{};
    for (std::size_t i = 0; i < kRuleCells; ++i) names[i] = kRuleAttributes[i];
    names[RuEvent] = "Event";
    return names;
}
constexpr std::array<std::string_view, kBuilderRuleCells> kBuilderRuleAttributes = builderRuleAttributes();

using RuleAttributes = RowAttributes<kBuilderRuleCells>;
using FunctionAttributes = RowAttributes<kFunctionCells>;

// Integer of the text, `fallback` when it is missing or no integer.
std::int32_t integerOf(std::optional<std::string_view> text, std::int32_t fallback) {
    return text ? parseIntOr(*text, fallback) : fallback;
}

// Rows are the section's child elements in document order; their names are not checked.
template <typename Visit>
void forEachRow(pugi::xml_node section, Visit visit) {
    int number = 0;
    for (pugi::xml_node row = section.first_child(); row; row = row.next_sibling())
        if (row.type() == pugi::node_element) visit(row, ++number);
}

// Unless exactly "Y" (a missing attribute is not "Y") the row takes no entry.
bool isEnabled(const RuleAttributes& cells) { return cells[RuEnable] == "Y"; }

[[noreturn]] void missingAttribute(const Dali2Document& file, int rowNumber, std::size_t cell) {
    throw ImageBuildError(file.path, "input rule row " + std::to_string(rowNumber) + " has no " +
                                         std::string(kRuleAttributes[cell]) + " attribute");
}

// "7 - Mnemonic" starts function 7; a text without a blank gives the empty text, so 0.
std::int32_t functionNumberOf(std::string_view text) {
    const auto blank = text.find(' ');
    if (blank == std::string_view::npos) return 0;
    return parseIntOr(trim(text.substr(0, blank)), 0);
}

// Read as the checks read it (trimmed, letters of either case alike), so an accepted type reaches the device.
std::uint8_t typeCodeOf(std::optional<std::string_view> cell, bool isSensor) {
    if (!cell) return 0;
    const std::string_view text = trim(*cell);
    const auto code = isSensor ? codeOfIgnoringCase(kInputTypeCodes, text) : codeOfIgnoringCase(kDeviceTypeCodes, text);
    return static_cast<std::uint8_t>(code.value_or(0));
}

std::uint16_t eventCodeOf(std::optional<std::string_view> text) {
    if (!text) return 0;
    if (auto code = codeOf(kEventCodes, *text)) return static_cast<std::uint16_t>(*code);
    return static_cast<std::uint16_t>(parseIntOr(*text, 0));
}

// Reads one enabled rule's attributes in the device's order; `positionCount` tracks the data array's end.
RuleRecord ruleOf(const Dali2Document& file, const RuleAttributes& cells, int rowNumber, std::int32_t& positionCount) {
    RuleRecord rule;
    rule.IsSensor = cells[RuDevSen] && trim(*cells[RuDevSen]) == "Sensor" ? 1 : 0;
    rule.TypeCode = typeCodeOf(cells[RuType], rule.IsSensor == 1);
    rule.ChannelNumber = static_cast<std::uint8_t>(integerOf(cells[RuChannelNumber], 0));
    rule.Instance = static_cast<std::uint8_t>(integerOf(cells[RuInstance], 0));
    rule.EventCode = eventCodeOf(cells[RuEvent]);
    rule.TimeSend = integerOf(cells[RuTimeSend], 0);
    rule.TimeOut = integerOf(cells[RuTimeOut], 0);
    const std::int32_t position = integerOf(cells[RuPosition], -1);
    if (position >= 0) {
        rule.Position = static_cast<std::uint16_t>(position);
        positionCount = std::max<std::int32_t>(positionCount, rule.Position + 1);
    }
    if (rule.IsSensor == 1) {
        const auto numBytes = cells[RuNumBytes];
        if (!numBytes) missingAttribute(file, rowNumber, RuNumBytes);
        rule.TwoByteValue = parseIntOr(*numBytes, 0) == 2 ? 1 : 0;
    }
    rule.Command = static_cast<std::uint8_t>(integerOf(cells[RuCommand], 0));
    const auto function = cells[RuFunction];
    if (!function) missingAttribute(file, rowNumber, RuFunction);
    rule.FunctionNumber = functionNumberOf(*function);
    return rule;
}

// The event table first, then the text as a decimal number with either separator, else 1.0.
// The text is trimmed as the checks trim it, so a value they accepted is the one the device gets.
float valueOf(const Dali2Document& file, int rowNumber, std::optional<std::string_view> cell, char decimalSeparator) {
    if (!cell) return kEventValueFallback;
    const std::string_view text = trim(*cell);
    if (auto value = corvane::valueOf(kEventValues, text)) return *value;
    const auto number = parseDecimal(text, decimalSeparator);
    if (!number) return kEventValueFallback;
    if (std::isfinite(*number) && std::fabs(*number) > std::numeric_limits<float>::max())
        throw ImageBuildError(file.path, "function row " + std::to_string(rowNumber) + ": the value \"" +
                                             std::string(text) + "\" does not fit a 32-bit number");
    return static_cast<float>(*number);
}

FunctionRecord functionOf(const Dali2Document& file, pugi::xml_node row, int rowNumber, char decimalSeparator) {
    const FunctionAttributes cells = readRowAttributes(row, kFunctionAttributes);
    FunctionRecord function;
    const auto operation = cells[FnFunction];
    function.FunctionCode = static_cast<std::uint8_t>(operation ? codeOf(kFunctionCodes, *operation).value_or(0) : 0);
    const auto condition = cells[FnCondition];
    function.ConditionCode =
        static_cast<std::uint8_t>(condition ? codeOf(kConditionCodes, trim(*condition)).value_or(0) : 0);
    function.Value = valueOf(file, rowNumber, cells[FnValue], decimalSeparator);
    const auto channel = cells[FnChannel];
    function.ChannelAddress = channel ? channelAddressOf(*channel) : 0;
    function.Brightness = static_cast<std::uint8_t>(integerOf(cells[FnBrightness], 0));
    function.NextFunction = static_cast<std::uint8_t>(integerOf(cells[FnNextFunction], 0));
    return function;
}

// A missing root or section reads as an empty section.
void findSections(Dali2Document& file) {
    pugi::xml_node root = file.document.child(kRoot);
    file.rules = root.child(kRulesSection);
    file.functions = root.child(kFunctionsSection);
}

} // namespace

std::unique_ptr<Dali2Document> loadDali2Document(const std::filesystem::path& path) {
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) return nullptr;
    auto file = std::make_unique<Dali2Document>();
    file->path = path;
    loadXmlFile(path, file->document);
    findSections(*file);
    return file;
}

std::unique_ptr<Dali2Document> parseDali2Document(std::string_view content, const std::filesystem::path& nameForErrors) {
    auto file = std::make_unique<Dali2Document>();
    file->path = nameForErrors;
    parseXml(content, nameForErrors, file->document);
    findSections(*file);
    return file;
}

int ImportInputRules(RuleTable& rules, SettingsBlock& settings, const Dali2Document* file) {
    if (!file) return 0;
    // Every row's attributes are read in one pass, and the enabled rows' kept, so that their count is checked
    // before any is translated.
    struct EnabledRow {
        RuleAttributes cells;
        int number;
    };
    std::array<EnabledRow, RuleTable::kEntries> enabledRows;
    std::size_t enabled = 0;
    forEachRow(file->rules, [&](pugi::xml_node row, int rowNumber) {
        const RuleAttributes cells = readRowAttributes(row, kBuilderRuleAttributes);
        if (!isEnabled(cells)) return;
        if (enabled < enabledRows.size()) enabledRows[enabled] = {cells, rowNumber};
        ++enabled;
    });
    if (enabled > RuleTable::kEntries)
        throw ImageBuildError(file->path, "holds " + std::to_string(enabled) + " enabled input rules; at most " +
                                              std::to_string(RuleTable::kEntries) + " fit in the device");
    std::int32_t positionCount = -2; // no position seen
    for (std::size_t i = 0; i < enabled; ++i)
        rules.entries[i] = ruleOf(*file, enabledRows[i].cells, enabledRows[i].number, positionCount);
    if (positionCount > 0) settings.putI32(settings_offset::DataArrayLength, positionCount);
    return static_cast<int>(enabled);
}

int ImportFunctionRules(FunctionTable& functions, const Dali2Document* file, char decimalSeparator) {
    functions.entries[0] = FunctionRecord{};
    if (!file) return 0;
    int count = 0;
    forEachRow(file->functions, [&](pugi::xml_node, int) { ++count; });
    if (count > static_cast<int>(FunctionTable::kUsableEntries))
        throw ImageBuildError(file->path, "holds " + std::to_string(count) + " function rows; at most " +
                                              std::to_string(FunctionTable::kUsableEntries) + " fit in the device");
    forEachRow(file->functions, [&](pugi::xml_node row, int rowNumber) {
        functions.entries[static_cast<std::size_t>(rowNumber)] = functionOf(*file, row, rowNumber, decimalSeparator);
    });
    return count;
}

} // namespace corvane

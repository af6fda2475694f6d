#include "dali/dali2_rules.h"

#include "common/text_util.h"
#include "dali/dali2_lists.h"
#include "dali/decimal_number.h"

#include <algorithm>

namespace corvane {

namespace {

// A cell read as an integer: the untrimmed text through the platform parse, `fallback` when no integer.
bool inRange(const std::string& cell, int low, int high, int fallback) {
    int value = parseIntOr(cell, fallback);
    return value >= low && value <= high;
}

template <std::size_t N>
bool holdsIgnoringCase(const std::array<std::string_view, N>& list, std::string_view text) {
    return std::any_of(list.begin(), list.end(),
                       [&](std::string_view entry) { return equalsIgnoringCase(entry, text); });
}

class Checker {
  public:
    Checker(const Dali2Access& tables, char separator, const TextCatalogue& texts)
        : tables_(tables), separator_(separator), texts_(texts),
          functionCount_(static_cast<int>(functionExtent(tables.functions))),
          ruleCount_(static_cast<int>(ruleExtent(tables.rules))) {}

    std::vector<Dali2Problem> run() {
        std::vector<bool> functionFailed(static_cast<std::size_t>(functionCount_) + 1, false);
        for (int r = 1; r <= functionCount_; ++r)
            if (auto index = firstFunctionProblem(function(r)))
                functionFailed[static_cast<std::size_t>(r)] = add(*index, r);
        for (int r = 1; r <= functionCount_; ++r)
            if (!functionFailed[static_cast<std::size_t>(r)] && !nextFunctionValid(function(r)))
                add(2552, r, functionCount_);
        for (int r = 1; r <= ruleCount_; ++r)
            if (auto index = firstRuleProblem(rule(r))) add(*index, r, ruleLimit(*index));
        return std::move(problems_);
    }

  private:
    const TableRow& function(int r) const { return tables_.functions[static_cast<std::size_t>(r - 1)]; }
    const TableRow& rule(int r) const { return tables_.rules[static_cast<std::size_t>(r - 1)]; }

    bool add(int textIndex, int row, std::optional<int> second = std::nullopt) {
        problems_.push_back({textIndex, row, formatRowMessage(texts_[textIndex], row, second)});
        return true;
    }

    std::optional<int> firstFunctionProblem(const TableRow& row) const {
        std::string_view condition = trim(row[FnCondition]);
        if (condition.empty()) return 2550;
        std::string_view value = trim(row[FnValue]);
        EventGroup group = eventGroup(value);
        if (group == EventGroup::None) {
            if (!IsValidFloat(value, separator_)) return 2551;
            return std::nullopt;
        }
        if (condition == requiredCondition(group)) return std::nullopt;
        switch (group) {
        case EventGroup::PushButton:
            return 2564;
        case EventGroup::Absence:
            return 2565;
        default:
            return 2566;
        }
    }

    bool nextFunctionValid(const TableRow& row) const {
        return trim(row[FnNextFunction]).empty() || inRange(row[FnNextFunction], 0, functionCount_, 500000);
    }

    // The function number of a rule's Function cell: the text before its first blank.
    bool functionReferenceValid(const std::string& cell) const {
        if (trim(cell).empty()) return true;
        std::string_view number =
            cell.find(' ') == std::string::npos ? std::string_view(cell) : before(cell, " ");
        return inRange(std::string(trim(number)), 0, functionCount_, 5000000);
    }

    bool typeValid(const TableRow& row) const {
        std::string_view type = trim(row[RuType]);
        return trim(row[RuDevSen]) == kDevice ? holdsIgnoringCase(kDeviceTypes, type)
                                              : holdsIgnoringCase(kSensorTypes, type);
    }

    std::optional<int> firstRuleProblem(const TableRow& row) const {
        if (row[RuEnable] != "Y") return std::nullopt;
        if (!typeValid(row)) return trim(row[RuDevSen]) == kDevice ? 2529 : 2530;
        if (!inRange(row[RuChannelNumber], 0, 63, -1)) return 2531;
        if (!inRange(row[RuInstance], 0, 255, -1)) return 2532;
        if (!inRange(row[RuCommand], 0, 255, -1)) return 2536;
        if (!inRange(row[RuTimeSend], 0, kMaxMilliseconds, -1)) return 2533;
        if (!inRange(row[RuTimeOut], 0, kMaxMilliseconds, -1)) return 2534;
        if (!functionReferenceValid(row[RuFunction])) return 2553;
        if (!inRange(row[RuPosition], 0, kMaxPosition, -1)) return 2535;
        return std::nullopt;
    }

    // The limit a rule message names besides the row.
    std::optional<int> ruleLimit(int textIndex) const {
        if (textIndex == 2553) return functionCount_;
        if (textIndex == 2535) return kMaxPosition;
        return std::nullopt;
    }

    const Dali2Access& tables_;
    char separator_;
    const TextCatalogue& texts_;
    int functionCount_;
    int ruleCount_;
    std::vector<Dali2Problem> problems_;
};

} // namespace

std::vector<std::string> Compile_Function(const std::vector<TableRow>& functions) {
    std::vector<std::string> selector;
    selector.reserve(kFunctionCapacity + 1);
    selector.push_back("0 - None");
    for (int r = 1; r <= kFunctionCapacity; ++r) {
        auto index = static_cast<std::size_t>(r - 1);
        const std::string mnemonic = index < functions.size() ? functions[index][FnMnemonic] : std::string();
        selector.push_back(std::to_string(r) + " - " + mnemonic);
    }
    return selector;
}

std::optional<std::string_view> SetConditionOnEvent(std::string_view Event) {
    return requiredCondition(eventGroup(Event));
}

std::vector<Dali2Problem> Controllo_dati(const Dali2Access& tables, char decimalSeparator,
                                         const TextCatalogue& texts) {
    return Checker(tables, decimalSeparator, texts).run();
}

std::string formatRowMessage(std::string_view pattern, int first, std::optional<int> second) {
    std::string message(pattern);
    int numbers[] = {first, second.value_or(0)};
    std::size_t from = 0;
    for (int i = 0; i < (second ? 2 : 1); ++i) {
        std::size_t at = message.find("%d", from);
        if (at == std::string::npos) break;
        std::string number = std::to_string(numbers[i]);
        message.replace(at, 2, number);
        from = at + number.size();
    }
    return message;
}

} // namespace corvane

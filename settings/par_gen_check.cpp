#include "settings/par_gen_check.h"

#include "common/text_util.h"

#include <array>

namespace corvane {

namespace {

using K = ParGenKey;

constexpr long long kMaxPort = 65535;
constexpr long long kReservedPort = 10000; // the gateway's own console service listens there
constexpr long long kMaxTimeOutMs = 3600000;

const std::array<ParGenRule, 14> kRules{{
    {K::IP1, 0, 255, {}, {}, 469},
    {K::IP2, 0, 255, {}, {}, 470},
    {K::IP3, 0, 255, {}, {}, 471},
    {K::IP4, 0, 255, {}, {}, 472},
    {K::SUB1, 0, 255, {}, {}, 473},
    {K::SUB2, 0, 255, {}, {}, 474},
    {K::SUB3, 0, 255, {}, {}, 475},
    {K::SUB4, 0, 255, {}, {}, 476},
    {K::GAT1, 0, 255, {}, K::EN_GAT, 477},
    {K::GAT2, 0, 255, {}, K::EN_GAT, 478},
    {K::GAT3, 0, 255, {}, K::EN_GAT, 479},
    {K::GAT4, 0, 255, {}, K::EN_GAT, 480},
    {K::ConsolePort, 0, kMaxPort, kReservedPort, {}, 466},
    {K::TimeOut, 0, kMaxTimeOutMs, {}, K::SwitchOff, 557},
}};

bool passes(const ParGenRule& rule, const ParGenValues& values) {
    if (rule.onlyIf && !values.flag(*rule.onlyIf)) return true;
    long long value = parseIntOr(values[rule.key], -1);
    return value >= rule.min && value <= rule.max && value != rule.excluded;
}

} // namespace

std::span<const ParGenRule> parGenRules() { return kRules; }

std::vector<int> failingParGenRules(const ParGenValues& values) {
    std::vector<int> failing;
    for (const ParGenRule& rule : kRules)
        if (!passes(rule, values)) failing.push_back(rule.messageIndex);
    return failing;
}

std::vector<std::string> checkParGen(const ParGenValues& values, const TextCatalogue& texts) {
    std::vector<std::string> messages;
    for (int index : failingParGenRules(values)) messages.push_back(texts[index]);
    return messages;
}

std::vector<std::string> checkParGenFile(const std::filesystem::path& path, const TextCatalogue& texts) {
    return checkParGen(windowValues(readParGenFile(path)), texts);
}

} // namespace corvane

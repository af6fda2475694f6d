#pragma once
// The checks the communication settings window runs on OK, in the window's order.
#include "settings/par_gen_file.h"
#include "text/text_catalogue.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace corvane {

// One rule: the key's text read as an integer (no integer counts as -1) must lie in [min, max] and
// differ from `excluded` when given. A rule with `onlyIf` applies only while that check box is set.
struct ParGenRule {
    ParGenKey key;
    long long min;
    long long max;
    std::optional<long long> excluded;
    std::optional<ParGenKey> onlyIf;
    int messageIndex; // catalogue text shown when the rule fails
};
std::span<const ParGenRule> parGenRules();

// Catalogue indices of every failing rule, in the window's order.
std::vector<int> failingParGenRules(const ParGenValues& values);

// The messages of every failing rule, in the window's order, exactly as the window shows them.
// The window reports the first; an empty list means the values may be saved.
std::vector<std::string> checkParGen(const ParGenValues& values, const TextCatalogue& texts);

// checkParGen on the values the window would load from `path` (its defaults when the file or an
// element is missing, so a missing file passes). Throws FileError for a malformed file.
std::vector<std::string> checkParGenFile(const std::filesystem::path& path, const TextCatalogue& texts);

} // namespace corvane

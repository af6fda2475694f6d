#pragma once
// The rules of the DALI-2 tables: the function selector, the automatic condition of an event, and the
// checks OK runs before anything is written.
#include "dali/dali2_access_file.h"
#include "text/text_catalogue.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr int kMaxPosition = 1440; // last index of the gateway's internal data array
inline constexpr int kMaxMilliseconds = 100000000;

// The Function choices of a rule: "0 - None", then "<n> - <mnemonic of function n>" for every
// function row 1 … 250, empty rows included: always 251 entries.
std::vector<std::string> Compile_Function(const std::vector<TableRow>& functions);

// The condition an event picked from the list requires; nullopt (leave the condition) for other texts.
std::optional<std::string_view> SetConditionOnEvent(std::string_view Event);

// One failed check: the message index, the table row and the message as the error box shows it.
struct Dali2Problem {
    int textIndex = 0;
    int row = 0;
    std::string message;
};

// Every row's first problem, in the order the checks run: functions (condition and value), then
// functions (next function), then the enabled input rules. The first entry is what OK reports; an empty
// list means the tables may be saved. Rules and functions are read within their extents.
std::vector<Dali2Problem> Controllo_dati(const Dali2Access& tables, char decimalSeparator,
                                         const TextCatalogue& texts);

// Catalogue text `pattern` with its first "%d" replaced by `first` and a second "%d" by `second`.
// The text is never used as a format string, so a translated text cannot break it.
std::string formatRowMessage(std::string_view pattern, int first, std::optional<int> second = std::nullopt);

} // namespace corvane

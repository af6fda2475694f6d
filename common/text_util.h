#pragma once
// Small text helpers shared by every reader: trimming as the platform did it and its integer parse.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// Removes leading and trailing blanks and control characters (every byte <= 0x20).
std::string_view trim(std::string_view text);
std::string trimmed(std::string_view text);

// The platform's integer parse: optional leading blanks, an optional sign, then decimal digits or a
// "$"/"0x"/"x" hexadecimal form; nothing may follow (a trailing blank makes it no integer).
// Decimal values must fit 32 bits; hexadecimal values of up to 8 digits wrap into the signed range.
std::optional<std::int32_t> parseInt(std::string_view text);

// The common case of parseInt, read inline: nothing but decimal digits, at most 9 of them, which always fit.
// False for any other text, which parseInt then reads.
inline bool parsePlainDecimal(std::string_view text, std::int32_t& value) {
    if (text.empty() || text.size() > 9) return false;
    std::int32_t result = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        result = result * 10 + (c - '0');
    }
    value = result;
    return true;
}

// parseInt, or `fallback` when the text is no integer.
inline std::int32_t parseIntOr(std::string_view text, std::int32_t fallback) {
    std::int32_t value;
    if (parsePlainDecimal(text, value)) return value;
    return parseInt(text).value_or(fallback);
}

std::string toUpperAscii(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b); // ASCII letters only

// The part before / after the first occurrence of `separator`; after is empty when it is absent.
std::string_view before(std::string_view text, std::string_view separator);
std::string_view after(std::string_view text, std::string_view separator);
bool contains(std::string_view text, std::string_view part);

} // namespace corvane

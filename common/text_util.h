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

// parseInt, or `fallback` when the text is no integer.
std::int32_t parseIntOr(std::string_view text, std::int32_t fallback);

std::string toUpperAscii(std::string_view text);

// The part before / after the first occurrence of `separator`; after is empty when it is absent.
std::string_view before(std::string_view text, std::string_view separator);
std::string_view after(std::string_view text, std::string_view separator);
bool contains(std::string_view text, std::string_view part);

} // namespace corvane

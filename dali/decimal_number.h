#pragma once
// Decimal numbers typed by the user: either "," or "." is accepted as the decimal separator.
#include "common/platform.h"

#include <optional>
#include <string_view>

namespace corvane {

// The user's decimal separator: "," or "." from the regional settings, "," for anything else
// (and when there are no regional settings).
char GetDecimalSeparator(RegionalSettings* regional);

// The number in `text` after turning every "," and "." into the separator `decimalSeparator`:
// optional blanks, an optional sign, digits with at most one separator, an optional exponent.
// nullopt when the text is no such number.
std::optional<double> parseDecimal(std::string_view text, char decimalSeparator);

// True when parseDecimal reads a number from `text`.
bool IsValidFloat(std::string_view text, char decimalSeparator);

} // namespace corvane

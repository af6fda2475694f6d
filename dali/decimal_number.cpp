#include "dali/decimal_number.h"

#include <charconv>
#include <string>

namespace corvane {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks the number grammar on text whose separator is already ".", and returns it without blanks
// and without a leading "+", ready for from_chars.
std::optional<std::string> canonicalNumber(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    text = text.substr(begin, end - begin);
    std::string out;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') out += '-';
        ++i;
    }
    std::size_t digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i, ++digits)
        out += text[i];
    if (i < text.size() && text[i] == '.') {
        out += '.';
        for (++i; i < text.size() && isDigit(text[i]); ++i, ++digits)
            out += text[i];
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        out += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
        std::size_t exponentDigits = 0;
        for (; i < text.size() && isDigit(text[i]); ++i, ++exponentDigits)
            out += text[i];
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    return out;
}

} // namespace

char GetDecimalSeparator(RegionalSettings* regional) {
    char separator = regional ? regional->decimalSeparator() : ',';
    return separator == '.' || separator == ',' ? separator : ',';
}

// Whichever the system's separator, the other one is turned into it before converting: both therefore
// read as the decimal point, and the result does not depend on the separator.
std::optional<double> parseDecimal(std::string_view text, char /*decimalSeparator*/) {
    std::string normalised(text);
    for (char& c : normalised)
        if (c == ',') c = '.';
    auto canonical = canonicalNumber(normalised);
    if (!canonical) return std::nullopt;
    double value = 0;
    auto [end, error] = std::from_chars(canonical->data(), canonical->data() + canonical->size(), value);
    if (error != std::errc() || end != canonical->data() + canonical->size()) return std::nullopt;
    return value;
}

bool IsValidFloat(std::string_view text, char decimalSeparator) {
    return parseDecimal(text, decimalSeparator).has_value();
}

} // namespace corvane

#include "common/text_util.h"

#include <algorithm>
#include <cctype>

namespace corvane {

namespace {
bool isBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 0x20; }

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
} // namespace

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlankOrControl(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlankOrControl(text.back())) text.remove_suffix(1);
    return text;
}

std::string trimmed(std::string_view text) { return std::string(trim(text)); }

std::optional<std::int32_t> parseInt(std::string_view text) {
    if (std::int32_t value; parsePlainDecimal(text, value)) return value;
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool hex = false;
    if (!text.empty() && text.front() == '$') {
        hex = true;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hex = true;
        text.remove_prefix(2);
    } else if (!text.empty() && (text.front() == 'x' || text.front() == 'X')) {
        hex = true;
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;

    std::uint64_t value = 0;
    if (hex) {
        // Leading zeros do not count towards the 8-digit limit.
        while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
        if (text.size() > 8) return std::nullopt;
        for (char c : text) {
            int digit = hexDigit(c);
            if (digit < 0) return std::nullopt;
            value = value * 16 + static_cast<unsigned>(digit);
        }
        auto bits = static_cast<std::uint32_t>(value);
        if (negative) bits = 0u - bits;
        return static_cast<std::int32_t>(bits);
    }
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > 2147483648ull) return std::nullopt;
    }
    if (negative) return static_cast<std::int32_t>(-static_cast<std::int64_t>(value));
    if (value > 2147483647ull) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::string toUpperAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

// Folded inline: std::toupper is a library call for each character, and follows the user's locale.
bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return upper(x) == upper(y); });
}

std::string_view before(std::string_view text, std::string_view separator) {
    auto pos = text.find(separator);
    return pos == std::string_view::npos ? text : text.substr(0, pos);
}

std::string_view after(std::string_view text, std::string_view separator) {
    auto pos = text.find(separator);
    return pos == std::string_view::npos ? std::string_view{} : text.substr(pos + separator.size());
}

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

} // namespace corvane

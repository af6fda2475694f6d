#include "common/field_parsers.h"

#include "common/text_util.h"

namespace corvane {

namespace {

// The integer of a text, or `sentinel` when it is none.
long long numberOr(std::string_view text, long long sentinel) {
    auto value = parseInt(text);
    return value ? *value : sentinel;
}

bool inRange(long long value, long long min, long long max) { return value >= min && value <= max; }

// Splits at the first `separator`: the trimmed part before it and the trimmed part after it.
std::pair<std::string_view, std::string_view> splitTrimmed(std::string_view text, std::string_view separator) {
    return {trim(before(text, separator)), trim(after(text, separator))};
}

bool plainKnxNumber(std::string_view text) { return inRange(numberOr(text, -1), 1, 65535); }

bool validGroupAddress(std::string_view text) {
    if (contains(text, ".")) return false;
    if (!contains(text, "/")) return plainKnxNumber(text);
    auto [mainPart, rest] = splitTrimmed(text, "/");
    long long main = numberOr(mainPart, -1);
    if (!contains(rest, "/")) {
        long long sub = numberOr(rest, -1);
        return inRange(main, 0, 31) && inRange(sub, 0, 2047) && (main != 0 || sub != 0);
    }
    auto [middlePart, subPart] = splitTrimmed(rest, "/");
    if (contains(subPart, "/")) return false;
    long long middle = numberOr(middlePart, -1), sub = numberOr(subPart, -1);
    return inRange(main, 0, 31) && inRange(middle, 0, 7) && inRange(sub, 0, 255) && (main != 0 || middle != 0 || sub != 0);
}

bool validIndividualAddress(std::string_view text, bool allowZero) {
    if (contains(text, "/")) return false;
    if (!contains(text, ".")) return plainKnxNumber(text);
    auto [areaPart, rest] = splitTrimmed(text, ".");
    if (!contains(rest, ".")) return false; // "area.line" names no device
    auto [linePart, devicePart] = splitTrimmed(rest, ".");
    if (contains(devicePart, ".")) return false;
    long long area = numberOr(areaPart, -1), line = numberOr(linePart, -1), device = numberOr(devicePart, -1);
    return inRange(area, 0, 15) && inRange(line, 0, 15) && inRange(device, 0, 255) &&
           (allowZero || area != 0 || line != 0 || device != 0);
}

} // namespace

int CheckKnxAddress(std::string_view text, bool slashForm, bool allowZero) {
    bool valid = slashForm ? validGroupAddress(text) : validIndividualAddress(text, allowZero);
    return valid ? 0 : 1;
}

bool SplitIpAddress(std::string_view text, std::string& p1, std::string& p2, std::string& p3, std::string& p4) {
    std::string_view rest = trim(text);
    for (std::string* part : {&p1, &p2}) {
        if (!contains(rest, ".")) return false;
        auto [head, tail] = splitTrimmed(rest, ".");
        *part = head;
        rest = tail;
    }
    if (!contains(rest, ".")) return false;
    auto [third, fourth] = splitTrimmed(rest, ".");
    p3 = third;
    p4 = fourth;
    for (const std::string* part : {&p1, &p2, &p3, &p4})
        if (!inRange(numberOr(*part, 1000), 0, 255)) return false;
    return true;
}

std::vector<std::string> ListComPorts(SerialPortProbe& probe) {
    std::vector<std::string> ports;
    const int limit = probe.portLimit();
    for (int n = 1; n <= limit; ++n)
        if (probe.probe(n) != SerialPortProbe::State::Missing) ports.push_back(std::to_string(n));
    return ports;
}

bool ParseIpPort(std::string_view text, std::array<std::uint8_t, 4>& bytes, std::uint16_t& port) {
    bytes = {0, 0, 0, 0};
    port = 0;
    if (text.empty() || !contains(text, ".")) return false;
    std::array<std::uint8_t, 4> parsed{};
    std::string_view rest = text;
    for (int i = 0; i < 3; ++i) {
        auto [part, tail] = splitTrimmed(rest, ".");
        long long value = numberOr(part, -1);
        const char* follows = i < 2 ? "." : ":";
        if (!inRange(value, 0, 255) || !contains(tail, follows)) return false;
        parsed[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value);
        rest = tail;
    }
    auto [fourthPart, portPart] = splitTrimmed(rest, ":");
    long long fourth = numberOr(fourthPart, -1), portValue = numberOr(portPart, -1);
    if (!inRange(fourth, 0, 255) || !inRange(portValue, 0, 65535)) return false;
    parsed[3] = static_cast<std::uint8_t>(fourth);
    bytes = parsed;
    port = static_cast<std::uint16_t>(portValue);
    return true;
}

bool ParseIpBytes(std::string_view text, std::array<std::uint8_t, 4>& bytes) {
    if (text.empty()) return true;
    bool error = false;
    std::string_view rest = text;
    for (std::size_t i = 0; i < 4; ++i) {
        const bool hasDot = contains(rest, ".");
        std::string_view part = i < 3 ? (hasDot ? before(rest, ".") : std::string_view()) : rest;
        long long value = numberOr(part, -1);
        if (inRange(value, 0, 255)) {
            bytes[i] = static_cast<std::uint8_t>(value);
        } else {
            bytes[i] = 0;
            error = true;
        }
        if (hasDot) rest = after(rest, ".");
    }
    return error;
}

bool HasNoDot(std::string_view text) { return !contains(text, "."); }

int CheckOid(std::string_view text) {
    if (text.size() > 128) return 1;
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string_view::npos) return 2;
    if (text.front() == '.') return 3;
    if (text.back() == '.') return 4;
    if (contains(text, "..")) return 5;
    for (std::string_view rest = text; !rest.empty();) {
        std::string_view number = before(rest, ".");
        if (numberOr(number, 65536) > 65535) return 6; // only digits here: no integer means too long
        rest = contains(rest, ".") ? after(rest, ".") : std::string_view();
    }
    return 0;
}

int ParseSecurityLevel(std::string_view text) {
    const std::string upper = toUpperAscii(text);
    const std::string_view level = trim(upper);
    if (level == "AUTH NOPRIV") return 1;
    if (level == "AUTH PRIV") return 3;
    if (level.empty()) return -1;
    return 0;
}

} // namespace corvane

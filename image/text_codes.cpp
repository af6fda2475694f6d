#include "image/text_codes.h"

#include "common/text_util.h"

namespace corvane {

std::optional<int> codeOf(std::span<const TextCode> table, std::string_view text) {
    for (const TextCode& row : table)
        if (row.text == text) return row.code;
    return std::nullopt;
}

std::optional<float> valueOf(std::span<const TextValue> table, std::string_view text) {
    for (const TextValue& row : table)
        if (row.text == text) return row.value;
    return std::nullopt;
}

std::optional<std::string_view> textOf(std::span<const TextCode> table, int code) {
    for (const TextCode& row : table)
        if (row.code == code) return row.text;
    return std::nullopt;
}

std::vector<std::string_view> textsOf(std::span<const TextValue> table, float value) {
    std::vector<std::string_view> texts;
    for (const TextValue& row : table)
        if (row.value == value) texts.push_back(row.text);
    return texts;
}

namespace {
// The integer of everything after the first occurrence of `prefix`, or nullopt when the prefix is absent.
std::optional<std::int32_t> numberAfter(std::string_view text, std::string_view prefix, std::int32_t fallback) {
    const auto at = text.find(prefix);
    if (at == std::string_view::npos) return std::nullopt;
    return parseIntOr(text.substr(at + prefix.size()), fallback);
}
} // namespace

std::uint8_t channelAddressOf(std::string_view text) {
    if (auto channel = numberAfter(text, "DALI Channel ", 0)) return static_cast<std::uint8_t>(*channel);
    if (auto group = numberAfter(text, "DALI Group ", 1)) return static_cast<std::uint8_t>(63u + static_cast<std::uint32_t>(*group));
    if (contains(text, "DALI Broadcast")) return kBroadcastAddress;
    return 0;
}

std::string channelTextOf(std::uint8_t address) {
    if (address < kFirstGroupAddress) return "DALI Channel " + std::to_string(address);
    if (address < kBroadcastAddress) return "DALI Group " + std::to_string(address - 63);
    if (address == kBroadcastAddress) return "DALI Broadcast";
    return "address " + std::to_string(address);
}

} // namespace corvane

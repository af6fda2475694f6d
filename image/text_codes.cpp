#include "image/text_codes.h"

#include "common/text_util.h"

namespace corvane {

std::optional<int> codeOf(std::span<const TextCode> table, std::string_view text) {
    for (const TextCode& row : table)
        if (row.text == text) return row.code;
    return std::nullopt;
}

std::optional<int> codeOfIgnoringCase(std::span<const TextCode> table, std::string_view text) {
    for (const TextCode& row : table)
        if (equalsIgnoringCase(row.text, text)) return row.code;
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

std::uint8_t channelAddressOf(std::string_view text) {
    // One pass over the occurrences of "DALI ": the first "DALI Channel " wins outright, else the first
    // "DALI Group ", else any "DALI Broadcast".
    constexpr std::string_view kDali = "DALI ";
    std::optional<std::string_view> group;
    bool broadcast = false;
    for (auto at = text.find(kDali); at != std::string_view::npos; at = text.find(kDali, at + 1)) {
        const std::string_view rest = text.substr(at + kDali.size());
        if (rest.starts_with("Channel ")) return static_cast<std::uint8_t>(parseIntOr(rest.substr(8), 0));
        if (!group && rest.starts_with("Group ")) group = rest.substr(6);
        else if (rest.starts_with("Broadcast")) broadcast = true;
    }
    if (group) return static_cast<std::uint8_t>(63u + static_cast<std::uint32_t>(parseIntOr(*group, 1)));
    return broadcast ? kBroadcastAddress : 0;
}

std::string channelTextOf(std::uint8_t address) {
    if (address < kFirstGroupAddress) return "DALI Channel " + std::to_string(address);
    if (address < kBroadcastAddress) return "DALI Group " + std::to_string(address - 63);
    if (address == kBroadcastAddress) return "DALI Broadcast";
    return "address " + std::to_string(address);
}

} // namespace corvane

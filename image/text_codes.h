#pragma once
// The text-to-code tables of the DALI-2 files: each row maps one text of the project file to the code
// the device receives. The builder reads them forwards (first equal row wins), inspection backwards.
#include "dali/dali2_lists.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct TextCode {
    std::string_view text;
    int code;
};

struct TextValue {
    std::string_view text;
    float value;
};

template <std::size_t N>
constexpr std::array<TextCode, N> zipCodes(const std::array<std::string_view, N>& texts, const std::array<int, N>& codes) {
    std::array<TextCode, N> table{};
    for (std::size_t i = 0; i < N; ++i) table[i] = {texts[i], codes[i]};
    return table;
}

template <std::size_t N>
constexpr std::array<TextCode, N> positionCodes(const std::array<std::string_view, N>& texts) {
    std::array<int, N> codes{};
    for (std::size_t i = 0; i < N; ++i) codes[i] = static_cast<int>(i);
    return zipCodes(texts, codes);
}

// The texts are the value lists of the DALI-2 tables; the codes are the device's.

// Operation of a function row; codes 5 to 16 are unused. Fallback 0.
inline constexpr std::array<TextCode, kOperations.size()> kFunctionCodes =
    zipCodes(kOperations, {0, 1, 2, 3, 4, 17, 18, 19, 20, 21, 22});

// Condition of a function row. Fallback 0.
inline constexpr std::array<TextCode, kConditions.size()> kConditionCodes = positionCodes(kConditions);

// Event / value of a function row. The two texts of a presence/absence pair give the same value.
// Fallback: the text as a decimal number, else 1.0.
constexpr std::array<TextValue, kEvents.size()> eventValues() {
    constexpr std::array<float, kEvents.size()> values = {0, 1, 2, 5, 9, 11, 12, 14, 15, // push button
                                                          1, 1, 2, 4, 2, 6, 8, 8};     // occupancy pairs
    std::array<TextValue, kEvents.size()> table{};
    for (std::size_t i = 0; i < kEvents.size(); ++i) table[i] = {kEvents[i], values[i]};
    return table;
}
inline constexpr std::array<TextValue, kEvents.size()> kEventValues = eventValues();
inline constexpr float kEventValueFallback = 1.0f;

// Event of a rule row: the nine push-button texts of the value table with the same numbers.
// Fallback: the integer of the text, default 0.
inline constexpr std::size_t kButtonEventCount = 9;
constexpr std::array<TextCode, kButtonEventCount> buttonEventCodes() {
    std::array<TextCode, kButtonEventCount> codes{};
    for (std::size_t i = 0; i < kButtonEventCount; ++i)
        codes[i] = {kEventValues[i].text, static_cast<int>(kEventValues[i].value)};
    return codes;
}
inline constexpr std::array<TextCode, kButtonEventCount> kEventCodes = buttonEventCodes();

// Type of a rule: the DALI device type (control gear) or input type (input device) is its list position.
// Fallback 0.
inline constexpr std::array<TextCode, kDeviceTypes.size()> kDeviceTypeCodes = positionCodes(kDeviceTypes);
inline constexpr std::array<TextCode, kSensorTypes.size()> kInputTypeCodes = positionCodes(kSensorTypes);

// The code of the first row whose text equals `text` exactly; nullopt when none does.
std::optional<int> codeOf(std::span<const TextCode> table, std::string_view text);
// The same, with letters of either case alike.
std::optional<int> codeOfIgnoringCase(std::span<const TextCode> table, std::string_view text);
std::optional<float> valueOf(std::span<const TextValue> table, std::string_view text);

// Backwards, for inspection: the text of the first row with `code`; nullopt when none has it.
std::optional<std::string_view> textOf(std::span<const TextCode> table, int code);
// Every text of the value table that gives exactly `value` (a pair gives two).
std::vector<std::string_view> textsOf(std::span<const TextValue> table, float value);

// DALI target of a function row: "DALI Channel n" gives n, "DALI Group n" 63 + n (default n 1),
// anything holding "DALI Broadcast" 80, every other text 0. Prefixes are found anywhere in the text;
// the number is the integer of everything after the prefix. Kept to its low 8 bits, as the field is a byte.
std::uint8_t channelAddressOf(std::string_view text);
// Backwards: "DALI Channel 12", "DALI Group 3", "DALI Broadcast", or "address N" outside 0..80.
std::string channelTextOf(std::uint8_t address);

inline constexpr std::uint8_t kFirstGroupAddress = 64;
inline constexpr std::uint8_t kBroadcastAddress = 80;

} // namespace corvane

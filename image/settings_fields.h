#pragma once
// Every field of the 2048-byte settings block that carries a value in this product: its name, offset,
// kind and value after reset. Reset, the builder, inspection and the tests all read this one table;
// every byte not covered here is 0 after reset and stays 0.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace corvane {

enum class SettingsFieldKind {
    U8,       // one byte
    U16,
    U32,
    I32,
    Address4, // four bytes, first byte first (an IPv4 address)
    Text8,    // eight ASCII bytes, zero-filled
    Bytes8,   // eight bytes, each holding the reset value
};

struct SettingsField {
    std::string_view name;
    std::size_t offset;
    SettingsFieldKind kind;
    std::uint32_t resetValue; // Address4: the four bytes as a.b.c.d = 0xAABBCCDD
};

constexpr std::uint32_t dotted(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
    return std::uint32_t{a} << 24 | std::uint32_t{b} << 16 | std::uint32_t{c} << 8 | d;
}

namespace settings_offset {
inline constexpr std::size_t IpAddress = 0x028;
inline constexpr std::size_t SubnetMask = 0x02C;
inline constexpr std::size_t Gateway = 0x030;
inline constexpr std::size_t ConsolePort = 0x038;
inline constexpr std::size_t DataArrayLength = 0x078;
inline constexpr std::size_t ChannelFlagsAddress = 0x5FC;
inline constexpr std::size_t RuleCount = 0x628;
inline constexpr std::size_t RuleTableAddress = 0x62C;
inline constexpr std::size_t FunctionTableAddress = 0x640;
inline constexpr std::size_t VersionText = 0x66C;
inline constexpr std::size_t WebFilesAddress = 0x70C;
inline constexpr std::size_t DaliTimeout = 0x760;
inline constexpr std::size_t OptionFlags = 0x764;
inline constexpr std::size_t Checksum = 0x7FC;
} // namespace settings_offset

namespace option_flag {
inline constexpr std::uint32_t DaliScanDisabled = 0x00010000;
inline constexpr std::uint32_t Dali2Enabled = 0x00020000;
} // namespace option_flag

inline constexpr std::size_t kSettingsBlockSize = 2048;
inline constexpr std::size_t kChecksummedBytes = settings_offset::Checksum; // 2044

// In offset order. The "Fixed_" fields have no meaning for the configurator but the device needs them exactly.
inline constexpr std::array<SettingsField, 30> kSettingsFields = {{
    {"Fixed_000", 0x000, SettingsFieldKind::U32, 125000},
    {"Fixed_004", 0x004, SettingsFieldKind::U32, 125000},
    {"Fixed_00C", 0x00C, SettingsFieldKind::U32, 9600},
    {"Fixed_010", 0x010, SettingsFieldKind::U16, 8},
    {"IpAddress", settings_offset::IpAddress, SettingsFieldKind::Address4, dotted(192, 168, 2, 205)},
    {"SubnetMask", settings_offset::SubnetMask, SettingsFieldKind::Address4, dotted(255, 255, 255, 0)},
    {"Gateway", settings_offset::Gateway, SettingsFieldKind::Address4, dotted(255, 255, 255, 255)},
    {"Fixed_034", 0x034, SettingsFieldKind::U16, 10000},
    {"Fixed_036", 0x036, SettingsFieldKind::U16, 10001},
    {"ConsolePort", settings_offset::ConsolePort, SettingsFieldKind::U16, 10001},
    {"DataArrayLength", settings_offset::DataArrayLength, SettingsFieldKind::I32, 0},
    {"Fixed_194", 0x194, SettingsFieldKind::U32, 38400},
    {"Fixed_1AF", 0x1AF, SettingsFieldKind::U8, 1},
    {"Fixed_1B4", 0x1B4, SettingsFieldKind::Bytes8, 8},
    {"Fixed_1CC", 0x1CC, SettingsFieldKind::U16, 3671},
    {"Fixed_1D4", 0x1D4, SettingsFieldKind::U16, 50000},
    {"Fixed_1D6", 0x1D6, SettingsFieldKind::U16, 50001},
    {"Fixed_1D8", 0x1D8, SettingsFieldKind::U16, 50002},
    {"Fixed_1DE", 0x1DE, SettingsFieldKind::U16, 512},
    {"ChannelFlagsAddress", settings_offset::ChannelFlagsAddress, SettingsFieldKind::U32, 0},
    {"RuleCount", settings_offset::RuleCount, SettingsFieldKind::I32, 0},
    {"RuleTableAddress", settings_offset::RuleTableAddress, SettingsFieldKind::U32, 0},
    {"FunctionTableAddress", settings_offset::FunctionTableAddress, SettingsFieldKind::U32, 0},
    {"VersionText", settings_offset::VersionText, SettingsFieldKind::Text8, 0},
    {"WebFilesAddress", settings_offset::WebFilesAddress, SettingsFieldKind::U32, 0},
    {"DaliTimeout", settings_offset::DaliTimeout, SettingsFieldKind::I32, 0},
    {"OptionFlags", settings_offset::OptionFlags, SettingsFieldKind::U32, 0},
    {"Fixed_768", 0x768, SettingsFieldKind::U32, 6000},
    {"Fixed_76C", 0x76C, SettingsFieldKind::U32, 100},
    {"Checksum", settings_offset::Checksum, SettingsFieldKind::U32, 0},
}};

constexpr std::size_t widthOf(SettingsFieldKind kind) {
    switch (kind) {
    case SettingsFieldKind::U8: return 1;
    case SettingsFieldKind::U16: return 2;
    case SettingsFieldKind::U32:
    case SettingsFieldKind::I32:
    case SettingsFieldKind::Address4: return 4;
    case SettingsFieldKind::Text8:
    case SettingsFieldKind::Bytes8: return 8;
    }
    return 0;
}

} // namespace corvane

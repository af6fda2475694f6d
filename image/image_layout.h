#pragma once
// The three images, where their blocks lie in each file and at which device addresses the blocks live.
#include "image/channel_flags.h"
#include "image/function_table.h"
#include "image/rule_table.h"
#include "image/settings_block.h"

#include <cstddef>
#include <string_view>

namespace corvane {

// The four blocks of one build; every image is assembled from them.
struct ImageBlocks {
    RuleTable Rules;
    FunctionTable Functions;
    SettingsBlock Settings;
    ChannelFlags Channels;

    void reset();
};

// Main processor: bank.bin is written at 0x66000, the web files at 0xC0000.
inline constexpr BlockAddresses kConfigImageAddresses{0x66000, 0x67400, 0x68800, 0xC0000};
// Auxiliary processor: bank_ESP32_2.bin is written at 0x310000, the web files at 0x350000.
inline constexpr BlockAddresses kAuxImageAddresses{0x310000, 0x311400, 0x312000, 0x350000};

inline constexpr std::size_t kConfigImageSize = 10496;   // 0x2900
inline constexpr std::size_t kAuxSettingsImageSize = 2048;
inline constexpr std::size_t kAuxTablesImageSize = 8448; // 0x2100

// File offsets of the blocks in bank.bin; bank_ESP32_2.bin holds the same blocks without the settings.
namespace config_image_offset {
inline constexpr std::size_t Rules = 0x0000;
inline constexpr std::size_t Functions = 0x1400;
inline constexpr std::size_t Settings = 0x2000;
inline constexpr std::size_t Channels = 0x2800;
} // namespace config_image_offset
namespace aux_tables_offset {
inline constexpr std::size_t Rules = 0x0000;
inline constexpr std::size_t Functions = 0x1400;
inline constexpr std::size_t Channels = 0x2000;
} // namespace aux_tables_offset

inline constexpr std::string_view kBinFolder = "bin";
inline constexpr std::string_view kConfigImageFile = "bank.bin";
inline constexpr std::string_view kAuxSettingsImageFile = "bank_ESP32_1.bin";
inline constexpr std::string_view kAuxTablesImageFile = "bank_ESP32_2.bin";

// Rules, functions, settings (with its checksum), channel flags, into the emptied buffer.
void SerializeConfigImage(ImageBlocks& blocks, ImageBuffer& buffer);
// The settings block alone, with its own checksum; the caller has set the auxiliary addresses.
void SerializeAuxSettingsImage(ImageBlocks& blocks, ImageBuffer& buffer);
// Rules, functions, channel flags; no settings block.
void SerializeAuxTablesImage(ImageBlocks& blocks, ImageBuffer& buffer);

} // namespace corvane

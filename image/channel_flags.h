#pragma once
// The channel flag words: one reserved word, 81 flag words (64 DALI short addresses, 17 reserved), zero fill.
#include "image/image_buffer.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace corvane {

namespace channel_flag {
inline constexpr std::uint16_t Enabled = 0x8000;
inline constexpr std::uint16_t StartBreak = 0x0001;
inline constexpr std::uint16_t MinMaxValue = 0x0004;
inline constexpr std::uint16_t RecallMinMaxLevel = 0x0008;
inline constexpr std::uint16_t RecallOldValueLevel = 0x0010;
} // namespace channel_flag

struct ChannelFlags {
    static constexpr std::size_t kChannels = 64;
    static constexpr std::size_t kWords = 81;
    static constexpr std::size_t kSerializedSize = 256;
    static constexpr std::size_t kFirstWordOffset = 4; // after the reserved u32

    std::array<std::uint16_t, kWords> words{};

    void reset() { words.fill(0); }
};

std::size_t SerializeChannelFlags(const ChannelFlags& flags, ImageBuffer& buffer, std::size_t position);

} // namespace corvane

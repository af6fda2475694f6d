#pragma once
// The 2048-byte settings block: one packed record whose serialised form is its memory image, ending in
// a 32-bit sum of its first 2044 bytes.
#include "image/image_buffer.h"
#include "image/settings_fields.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace corvane {

// Where the device finds the other blocks; differs between the main and the auxiliary processor.
struct BlockAddresses {
    std::uint32_t RuleTable;
    std::uint32_t FunctionTable;
    std::uint32_t ChannelFlags;
    std::uint32_t WebFiles;
};

class SettingsBlock {
public:
    SettingsBlock() { reset(); }

    // Every field of kSettingsFields to its reset value, every other byte 0.
    void reset();

    void putU8(std::size_t offset, std::uint8_t value) { bytes_[offset] = value; }
    void putU16(std::size_t offset, std::uint16_t value);
    void putU32(std::size_t offset, std::uint32_t value);
    void putI32(std::size_t offset, std::int32_t value) { putU32(offset, static_cast<std::uint32_t>(value)); }
    std::uint16_t u16(std::size_t offset) const;
    std::uint32_t u32(std::size_t offset) const;

    void setAddresses(const BlockAddresses& addresses);
    // The 8 bytes zeroed, then the low byte of each character from the first (at most 8).
    void setVersionText(std::string_view text);

    std::uint32_t computeChecksum() const;
    std::span<const std::uint8_t, kSettingsBlockSize> bytes() const { return bytes_; }

private:
    void putField(const SettingsField& field);

    std::array<std::uint8_t, kSettingsBlockSize> bytes_{};
};

// The sum of the first 2044 bytes of a settings block, each as an unsigned byte.
std::uint32_t settingsChecksum(std::span<const std::uint8_t> block);

// Stores the checksum in the block, then copies the whole block to `position`.
std::size_t SerializeSettings(SettingsBlock& block, ImageBuffer& buffer, std::size_t position);

} // namespace corvane

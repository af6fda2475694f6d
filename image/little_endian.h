#pragma once
// Little-endian stores and loads: every multi-byte field of an image is written least significant byte first.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace corvane::le {

inline void putU16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void putU32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline void putF32(std::span<std::uint8_t> bytes, std::size_t offset, float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    putU32(bytes, offset, bits);
}

inline std::uint16_t getU16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

inline std::uint32_t getU32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{bytes[offset + i]} << (8 * i);
    return value;
}

inline float getF32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    const std::uint32_t bits = getU32(bytes, offset);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace corvane::le

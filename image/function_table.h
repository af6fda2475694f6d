#pragma once
// The table of DALI-2 functions: 256 records of 12 bytes; entry 0 is the "no function" entry, always zero.
#include "image/image_buffer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace corvane {

struct FunctionRecord {
    std::uint8_t NextFunction = 0;  // function run after this one; 0 for none
    std::uint8_t FunctionCode = 0;
    std::uint8_t ConditionCode = 0;
    float Value = 0.0f;             // operand, or the event value of the condition
    std::uint8_t ChannelAddress = 0; // 0..63 short address, 64..79 group 1..16, 80 broadcast
    std::uint8_t Brightness = 0;

    static constexpr std::size_t kSerializedSize = 12;
};

void serializeFunction(const FunctionRecord& function, std::span<std::uint8_t, FunctionRecord::kSerializedSize> out);
FunctionRecord deserializeFunction(std::span<const std::uint8_t, FunctionRecord::kSerializedSize> in);

struct FunctionTable {
    static constexpr std::size_t kEntries = 256;
    static constexpr std::size_t kUsableEntries = kEntries - 1; // entry 0 is reserved
    static constexpr std::size_t kSerializedSize = kEntries * FunctionRecord::kSerializedSize; // 3072
    std::array<FunctionRecord, kEntries> entries{};

    void reset() { entries.fill(FunctionRecord{}); }
};

std::size_t SerializeFunctions(const FunctionTable& table, ImageBuffer& buffer, std::size_t position);

} // namespace corvane

#pragma once
// The table of enabled DALI-2 input rules: 256 records of 20 bytes, enabled rules first in file order.
#include "image/image_buffer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace corvane {

struct RuleRecord {
    std::uint8_t Instance = 0;
    std::uint8_t ChannelNumber = 0;  // DALI short address 0..63
    std::uint8_t TypeCode = 0;       // device-type or input-type code
    std::uint8_t IsSensor = 0;       // 1: input device, 0: control gear
    std::uint16_t EventCode = 0;
    std::uint8_t TwoByteValue = 0;   // 1 when a sensor rule reads two bytes
    std::uint32_t PackedHeader = 0;  // computed from the fields above when serialised
    std::int32_t TimeSend = 0;       // ms
    std::int32_t TimeOut = 0;        // ms
    std::uint16_t Position = 0;      // index in the gateway's data array
    std::uint8_t Command = 0;
    std::int32_t FunctionNumber = 0; // FunctionRecord the rule starts; 0 for none

    static constexpr std::size_t kSerializedSize = 20;
};

// A sum, not an OR: a value beyond its nominal bit range carries into the bits above, as the device expects.
std::uint32_t packedHeaderOf(const RuleRecord& rule);

// The 20 bytes of one record; the caller stores the header first.
void serializeRule(const RuleRecord& rule, std::span<std::uint8_t, RuleRecord::kSerializedSize> out);
RuleRecord deserializeRule(std::span<const std::uint8_t, RuleRecord::kSerializedSize> in);

struct RuleTable {
    static constexpr std::size_t kEntries = 256;
    static constexpr std::size_t kSerializedSize = kEntries * RuleRecord::kSerializedSize; // 5120
    std::array<RuleRecord, kEntries> entries{};

    void reset() { entries.fill(RuleRecord{}); }
};

// Computes and stores every entry's header, writes the 256 records at `position`, returns the position after.
std::size_t SerializeRules(RuleTable& table, ImageBuffer& buffer, std::size_t position);

} // namespace corvane

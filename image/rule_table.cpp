#include "image/rule_table.h"

#include "image/little_endian.h"

namespace corvane {

std::uint32_t packedHeaderOf(const RuleRecord& rule) {
    // Unsigned arithmetic wraps modulo 2^32, which is the device's rule.
    return std::uint32_t{rule.Instance} + std::uint32_t{rule.ChannelNumber} * (1u << 8) +
           std::uint32_t{rule.TypeCode} * (1u << 14) + std::uint32_t{rule.IsSensor} * (1u << 18) +
           std::uint32_t{rule.EventCode} * (1u << 19) + std::uint32_t{rule.TwoByteValue} * (1u << 29);
}

void serializeRule(const RuleRecord& rule, std::span<std::uint8_t, RuleRecord::kSerializedSize> out) {
    le::putU32(out, 0, rule.PackedHeader);
    le::putU32(out, 4, static_cast<std::uint32_t>(rule.TimeSend));
    le::putU32(out, 8, static_cast<std::uint32_t>(rule.TimeOut));
    le::putU16(out, 12, rule.Position);
    out[14] = rule.Command;
    out[15] = 0;
    le::putU32(out, 16, static_cast<std::uint32_t>(rule.FunctionNumber));
}

RuleRecord deserializeRule(std::span<const std::uint8_t, RuleRecord::kSerializedSize> in) {
    RuleRecord rule;
    rule.PackedHeader = le::getU32(in, 0);
    rule.Instance = static_cast<std::uint8_t>(rule.PackedHeader & 0xFF);
    rule.ChannelNumber = static_cast<std::uint8_t>((rule.PackedHeader >> 8) & 0x3F);
    rule.TypeCode = static_cast<std::uint8_t>((rule.PackedHeader >> 14) & 0x0F);
    rule.IsSensor = static_cast<std::uint8_t>((rule.PackedHeader >> 18) & 0x01);
    rule.EventCode = static_cast<std::uint16_t>((rule.PackedHeader >> 19) & 0x3FF);
    rule.TwoByteValue = static_cast<std::uint8_t>((rule.PackedHeader >> 29) & 0x01);
    rule.TimeSend = static_cast<std::int32_t>(le::getU32(in, 4));
    rule.TimeOut = static_cast<std::int32_t>(le::getU32(in, 8));
    rule.Position = le::getU16(in, 12);
    rule.Command = in[14];
    rule.FunctionNumber = static_cast<std::int32_t>(le::getU32(in, 16));
    return rule;
}

// The buffer grows once for the whole table, and each record is written in place.
std::size_t SerializeRules(RuleTable& table, ImageBuffer& buffer, std::size_t position) {
    const std::span<std::uint8_t> out = buffer.place(position, RuleTable::kSerializedSize);
    for (std::size_t i = 0; i < RuleTable::kEntries; ++i) {
        RuleRecord& rule = table.entries[i];
        rule.PackedHeader = packedHeaderOf(rule);
        serializeRule(rule, out.subspan(i * RuleRecord::kSerializedSize).first<RuleRecord::kSerializedSize>());
    }
    return position + RuleTable::kSerializedSize;
}

} // namespace corvane

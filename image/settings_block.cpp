#include "image/settings_block.h"

#include "image/little_endian.h"

#include <numeric>

namespace corvane {

void SettingsBlock::reset() {
    bytes_.fill(0);
    for (const SettingsField& field : kSettingsFields) putField(field);
}

void SettingsBlock::putField(const SettingsField& field) {
    switch (field.kind) {
    case SettingsFieldKind::U8: putU8(field.offset, static_cast<std::uint8_t>(field.resetValue)); break;
    case SettingsFieldKind::U16: putU16(field.offset, static_cast<std::uint16_t>(field.resetValue)); break;
    case SettingsFieldKind::U32:
    case SettingsFieldKind::I32: putU32(field.offset, field.resetValue); break;
    case SettingsFieldKind::Address4:
        for (std::size_t i = 0; i < 4; ++i)
            bytes_[field.offset + i] = static_cast<std::uint8_t>(field.resetValue >> (24 - 8 * i));
        break;
    case SettingsFieldKind::Text8:
    case SettingsFieldKind::Bytes8:
        for (std::size_t i = 0; i < 8; ++i) bytes_[field.offset + i] = static_cast<std::uint8_t>(field.resetValue);
        break;
    }
}

void SettingsBlock::putU16(std::size_t offset, std::uint16_t value) { le::putU16(bytes_, offset, value); }
void SettingsBlock::putU32(std::size_t offset, std::uint32_t value) { le::putU32(bytes_, offset, value); }
std::uint16_t SettingsBlock::u16(std::size_t offset) const { return le::getU16(bytes_, offset); }
std::uint32_t SettingsBlock::u32(std::size_t offset) const { return le::getU32(bytes_, offset); }

void SettingsBlock::setAddresses(const BlockAddresses& addresses) {
    putU32(settings_offset::RuleTableAddress, addresses.RuleTable);
    putU32(settings_offset::FunctionTableAddress, addresses.FunctionTable);
    putU32(settings_offset::ChannelFlagsAddress, addresses.ChannelFlags);
    putU32(settings_offset::WebFilesAddress, addresses.WebFiles);
}

void SettingsBlock::setVersionText(std::string_view text) {
    for (std::size_t i = 0; i < 8; ++i)
        bytes_[settings_offset::VersionText + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
}

std::uint32_t SettingsBlock::computeChecksum() const { return settingsChecksum(bytes_); }

std::uint32_t settingsChecksum(std::span<const std::uint8_t> block) {
    const auto covered = block.first(kChecksummedBytes);
    return std::accumulate(covered.begin(), covered.end(), std::uint32_t{0});
}

std::size_t SerializeSettings(SettingsBlock& block, ImageBuffer& buffer, std::size_t position) {
    block.putU32(settings_offset::Checksum, block.computeChecksum());
    return buffer.put(position, block.bytes());
}

} // namespace corvane

#include "image/image_inspect.h"

#include "image/image_layout.h"
#include "image/little_endian.h"
#include "image/text_codes.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace corvane {

namespace {

std::string hex(std::uint32_t value, int digits = 8) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

std::string number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

bool allZero(std::span<const std::uint8_t> bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
}

// "name (code)" when the table knows the code, else the code alone.
std::string decoded(std::span<const TextCode> table, int code) {
    const auto text = textOf(table, code);
    return text ? std::string(*text) + " (" + std::to_string(code) + ")" : std::to_string(code);
}

std::string fieldValue(const SettingsField& field, std::span<const std::uint8_t> block) {
    const std::size_t at = field.offset;
    switch (field.kind) {
    case SettingsFieldKind::U8: return std::to_string(block[at]);
    case SettingsFieldKind::U16: return std::to_string(le::getU16(block, at));
    case SettingsFieldKind::U32:
        if (field.name.ends_with("Address") || field.name == "OptionFlags") return hex(le::getU32(block, at));
        return std::to_string(le::getU32(block, at));
    case SettingsFieldKind::I32: return std::to_string(static_cast<std::int32_t>(le::getU32(block, at)));
    case SettingsFieldKind::Address4:
        return std::to_string(block[at]) + "." + std::to_string(block[at + 1]) + "." + std::to_string(block[at + 2]) +
               "." + std::to_string(block[at + 3]);
    case SettingsFieldKind::Text8: {
        std::string text;
        for (std::size_t i = 0; i < 8 && block[at + i] != 0; ++i)
            text += block[at + i] >= 0x20 && block[at + i] < 0x7F ? static_cast<char>(block[at + i]) : '?';
        return "\"" + text + "\"";
    }
    case SettingsFieldKind::Bytes8: {
        std::string bytes;
        for (std::size_t i = 0; i < 8; ++i) bytes += (i ? " " : "") + std::to_string(block[at + i]);
        return bytes;
    }
    }
    return {};
}

std::string optionNames(std::uint32_t options) {
    std::string names;
    if (options & option_flag::DaliScanDisabled) names += ", DALI scan disabled";
    if (options & option_flag::Dali2Enabled) names += ", DALI-2 enabled";
    return names.empty() ? names : " (" + names.substr(2) + ")";
}

const SettingsField* fieldCovering(std::size_t offset) {
    for (const SettingsField& field : kSettingsFields)
        if (offset >= field.offset && offset < field.offset + widthOf(field.kind)) return &field;
    return nullptr;
}

void describeSettings(std::ostream& out, std::span<const std::uint8_t> block) {
    out << "Settings block:\n";
    for (const SettingsField& field : kSettingsFields) {
        if (field.name == "Checksum" || allZero(block.subspan(field.offset, widthOf(field.kind)))) continue;
        out << "  " << field.name << " = " << fieldValue(field, block);
        if (field.name == "OptionFlags") out << optionNames(le::getU32(block, field.offset));
        out << '\n';
    }
    for (std::size_t offset = 0; offset < kSettingsBlockSize; ++offset)
        if (block[offset] != 0 && !fieldCovering(offset))
            out << "  unnamed byte at " << hex(static_cast<std::uint32_t>(offset), 3) << " = " << int{block[offset]} << '\n';
    const std::uint32_t stored = le::getU32(block, settings_offset::Checksum);
    const std::uint32_t computed = settingsChecksum(block);
    out << "  Checksum = " << hex(stored) << " (" << stored << "), "
        << (stored == computed ? "matches" : "does not match the computed " + hex(computed)) << '\n';
}

void describeRule(std::ostream& out, std::size_t index, const RuleRecord& rule) {
    const bool sensor = rule.IsSensor == 1;
    out << "  rule " << index << ": " << (sensor ? "Sensor" : "Device") << ", Type "
        << decoded(sensor ? std::span<const TextCode>(kInputTypeCodes) : std::span<const TextCode>(kDeviceTypeCodes),
                   rule.TypeCode)
        << ", ChannelNumber " << int{rule.ChannelNumber} << ", Instance " << int{rule.Instance} << ", Event "
        << decoded(kEventCodes, rule.EventCode) << (rule.TwoByteValue ? ", two bytes" : "") << ", TimeSend "
        << rule.TimeSend << " ms, TimeOut " << rule.TimeOut << " ms, Position " << rule.Position << ", Command "
        << int{rule.Command} << ", FunctionNumber " << rule.FunctionNumber << " (header " << hex(rule.PackedHeader)
        << ")\n";
}

void describeRules(std::ostream& out, std::span<const std::uint8_t> bytes) {
    out << "Rules:\n";
    if (allZero(bytes)) out << "  none\n";
    for (std::size_t i = 0; i < RuleTable::kEntries; ++i) {
        const auto record = bytes.subspan(i * RuleRecord::kSerializedSize).first<RuleRecord::kSerializedSize>();
        if (!allZero(record)) describeRule(out, i, deserializeRule(record));
    }
}

void describeFunction(std::ostream& out, std::size_t index, const FunctionRecord& function) {
    std::string events;
    for (std::string_view text : textsOf(kEventValues, function.Value)) events += (events.empty() ? "" : " / ") + std::string(text);
    out << "  function " << index << ": " << decoded(kFunctionCodes, function.FunctionCode) << ", "
        << decoded(kConditionCodes, function.ConditionCode) << ", Value " << number(function.Value)
        << (events.empty() ? "" : " (" + events + ")") << ", Channel " << channelTextOf(function.ChannelAddress)
        << " (" << int{function.ChannelAddress} << "), Brightness " << int{function.Brightness}
        << ", NextFunction " << int{function.NextFunction} << '\n';
}

void describeFunctions(std::ostream& out, std::span<const std::uint8_t> bytes) {
    out << "Functions:\n";
    if (allZero(bytes)) out << "  none\n";
    for (std::size_t i = 0; i < FunctionTable::kEntries; ++i) {
        const auto record = bytes.subspan(i * FunctionRecord::kSerializedSize).first<FunctionRecord::kSerializedSize>();
        if (allZero(record)) continue;
        if (i == 0) out << "  entry 0 is not zero, but it must be\n";
        describeFunction(out, i, deserializeFunction(record));
    }
}

std::string flagNames(std::uint16_t word) {
    std::string names = word & channel_flag::Enabled ? "enabled" : "disabled";
    if (word & channel_flag::StartBreak) names += ", Start Break";
    if (word & channel_flag::MinMaxValue) names += ", Min-Max Value";
    if (word & channel_flag::RecallMinMaxLevel) names += ", Recall Min-Max Level for Switch";
    if (word & channel_flag::RecallOldValueLevel) names += ", Recall Old Value Level for Switch";
    return names;
}

void describeChannels(std::ostream& out, std::span<const std::uint8_t> bytes) {
    out << "Channels:\n";
    if (allZero(bytes)) out << "  none\n";
    if (!allZero(bytes.first(ChannelFlags::kFirstWordOffset))) out << "  reserved word is not zero\n";
    for (std::size_t k = 0; k < ChannelFlags::kWords; ++k) {
        const std::uint16_t word = le::getU16(bytes, ChannelFlags::kFirstWordOffset + 2 * k);
        if (word == 0) continue;
        if (k < ChannelFlags::kChannels) out << "  channel " << k << ": " << flagNames(word) << " (" << hex(word, 4) << ")\n";
        else out << "  reserved word " << k << " = " << hex(word, 4) << '\n';
    }
    if (!allZero(bytes.subspan(ChannelFlags::kFirstWordOffset + 2 * ChannelFlags::kWords)))
        out << "  zero fill is not zero\n";
}

void describeTables(std::ostream& out, std::span<const std::uint8_t> image, std::size_t rules, std::size_t functions,
                    std::size_t channels) {
    describeRules(out, image.subspan(rules, RuleTable::kSerializedSize));
    describeFunctions(out, image.subspan(functions, FunctionTable::kSerializedSize));
    describeChannels(out, image.subspan(channels, ChannelFlags::kSerializedSize));
}

} // namespace

std::optional<ImageKind> imageKindOfSize(std::size_t size) {
    switch (size) {
    case kConfigImageSize: return ImageKind::Config;
    case kAuxSettingsImageSize: return ImageKind::AuxSettings;
    case kAuxTablesImageSize: return ImageKind::AuxTables;
    default: return std::nullopt;
    }
}

std::string_view imageFileNameOf(ImageKind kind) {
    switch (kind) {
    case ImageKind::Config: return kConfigImageFile;
    case ImageKind::AuxSettings: return kAuxSettingsImageFile;
    case ImageKind::AuxTables: return kAuxTablesImageFile;
    }
    return {};
}

std::optional<std::string> inspectImage(std::span<const std::uint8_t> bytes) {
    const auto kind = imageKindOfSize(bytes.size());
    if (!kind) return std::nullopt;
    std::ostringstream out;
    out << "Image " << imageFileNameOf(*kind) << " (" << bytes.size() << " bytes)\n";
    switch (*kind) {
    case ImageKind::Config:
        describeSettings(out, bytes.subspan(config_image_offset::Settings, kSettingsBlockSize));
        describeTables(out, bytes, config_image_offset::Rules, config_image_offset::Functions, config_image_offset::Channels);
        break;
    case ImageKind::AuxSettings: describeSettings(out, bytes); break;
    case ImageKind::AuxTables:
        describeTables(out, bytes, aux_tables_offset::Rules, aux_tables_offset::Functions, aux_tables_offset::Channels);
        break;
    }
    return std::move(out).str();
}

} // namespace corvane

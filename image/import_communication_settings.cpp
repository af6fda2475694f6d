#include "app/app_state.h"
#include "common/text_util.h"
#include "image/image_layout.h"
#include "image/import_steps.h"

namespace corvane {

namespace {

// Integer of the key's text, or the builder's default when the element is missing or holds no integer.
std::int32_t integerOf(const ParGenTexts& parGen, ParGenKey key, std::int32_t fallback) {
    const auto& text = parGen[key];
    return text ? parseIntOr(*text, fallback) : fallback;
}

// Four keys into four bytes, each kept to its low 8 bits ("300" is stored as 44).
void importAddress(SettingsBlock& settings, std::size_t offset, const ParGenTexts& parGen,
                   const ParGenKey (&keys)[4], const std::uint8_t (&defaults)[4]) {
    for (std::size_t i = 0; i < 4; ++i)
        settings.putU8(offset + i, static_cast<std::uint8_t>(integerOf(parGen, keys[i], defaults[i])));
}

bool isExactlyOne(const ParGenTexts& parGen, ParGenKey key) { return parGen[key] == "1"; }

} // namespace

void SetVersionText(SettingsBlock& settings) { settings.setVersionText(kSoftwareVersion); }

void ImportCommunicationSettings(SettingsBlock& settings, const std::optional<ParGenTexts>& parGen) {
    settings.setAddresses(kConfigImageAddresses);
    if (!parGen) return;
    SetVersionText(settings);

    using K = ParGenKey;
    importAddress(settings, settings_offset::IpAddress, *parGen, {K::IP1, K::IP2, K::IP3, K::IP4}, {192, 168, 0, 10});
    importAddress(settings, settings_offset::SubnetMask, *parGen, {K::SUB1, K::SUB2, K::SUB3, K::SUB4}, {255, 255, 255, 0});
    importAddress(settings, settings_offset::Gateway, *parGen, {K::GAT1, K::GAT2, K::GAT3, K::GAT4}, {192, 168, 0, 1});
    // Only "0" or a missing element disables the gateway; any other text keeps the bytes as read.
    const auto& gatewayEnabled = (*parGen)[K::EN_GAT];
    if (!gatewayEnabled || *gatewayEnabled == "0")
        for (std::size_t i = 0; i < 4; ++i) settings.putU8(settings_offset::Gateway + i, 255);

    settings.putU16(settings_offset::ConsolePort, static_cast<std::uint16_t>(integerOf(*parGen, K::ConsolePort, 10001)));
    const bool switchOff = isExactlyOne(*parGen, K::SwitchOff);
    settings.putI32(settings_offset::DaliTimeout, switchOff ? integerOf(*parGen, K::TimeOut, 0) : 0);

    std::uint32_t options = 0;
    if (isExactlyOne(*parGen, K::DisableScan)) options |= option_flag::DaliScanDisabled;
    if (isExactlyOne(*parGen, K::EnableDali2)) options |= option_flag::Dali2Enabled;
    settings.putU32(settings_offset::OptionFlags, options);
}

} // namespace corvane

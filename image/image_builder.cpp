#include "image/image_builder.h"

#include "image/image_layout.h"
#include "image/import_steps.h"

#include <algorithm>
#include <memory>

namespace corvane {

namespace {

int countEnabledChannels(const ChannelFlags& flags) {
    return static_cast<int>(std::count_if(flags.words.begin(), flags.words.begin() + ChannelFlags::kChannels,
                                          [](std::uint16_t word) { return (word & channel_flag::Enabled) != 0; }));
}

// Every file is read before any block is filled, so a file that stops the build leaves nothing half-done.
void fillBlocks(ImageBlocks& blocks, const ProjectFileSet& files, char decimalSeparator, BuiltImages& images) {
    const auto parGen = readParGenFile(files.ParGenPath);
    const auto channels = readDaliAccessFile(files.DaliAccessPath);
    const auto dali2 = loadDali2Document(files.Dali2AccessPath);

    blocks.reset();
    ImportCommunicationSettings(blocks.Settings, parGen);
    ImportChannelTable(blocks.Channels, channels);
    images.EnabledRules = ImportInputRules(blocks.Rules, blocks.Settings, dali2.get());
    blocks.Settings.putI32(settings_offset::RuleCount, images.EnabledRules);
    images.Functions = ImportFunctionRules(blocks.Functions, dali2.get(), decimalSeparator);
    images.EnabledChannels = countEnabledChannels(blocks.Channels);
}

} // namespace

BuiltImages BuildImages(const ProjectFileSet& files, char decimalSeparator) {
    BuiltImages images;
    auto blocks = std::make_unique<ImageBlocks>();
    fillBlocks(*blocks, files, decimalSeparator, images);

    SerializeConfigImage(*blocks, images.ConfigImage);
    images.ConfigChecksum = blocks->Settings.u32(settings_offset::Checksum);

    blocks->Settings.setAddresses(kAuxImageAddresses);
    SerializeAuxSettingsImage(*blocks, images.AuxSettingsImage);
    images.AuxChecksum = blocks->Settings.u32(settings_offset::Checksum);
    SerializeAuxTablesImage(*blocks, images.AuxTablesImage);
    return images;
}

} // namespace corvane

#include "image/import_steps.h"

namespace corvane {

namespace {

std::uint16_t flagWordOf(const DaliChannel& channel) {
    std::uint16_t word = 0;
    if (channel.enabled) word |= channel_flag::Enabled;
    if (channel.dimmingMode == "Start Break") word |= channel_flag::StartBreak;
    if (channel.minMaxValue) word |= channel_flag::MinMaxValue;
    if (channel.recallLevel == kRecallLevels[1]) word |= channel_flag::RecallMinMaxLevel;
    else if (channel.recallLevel == kRecallLevels[2]) word |= channel_flag::RecallOldValueLevel;
    return word;
}

} // namespace

// A channel's options are stored whether or not the channel is enabled.
void ImportChannelTable(ChannelFlags& flags, const std::optional<DaliChannelTable>& channels) {
    if (!channels) return;
    for (std::size_t id = 0; id < ChannelFlags::kChannels; ++id) flags.words[id] = flagWordOf((*channels)[id]);
}

} // namespace corvane

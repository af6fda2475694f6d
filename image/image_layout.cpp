#include "image/image_layout.h"

namespace corvane {

void ImageBlocks::reset() {
    Settings.reset();
    Channels.reset();
    Rules.reset();
    Functions.reset();
}

void SerializeConfigImage(ImageBlocks& blocks, ImageBuffer& buffer) {
    buffer.clear();
    buffer.reserve(kConfigImageSize);
    std::size_t position = SerializeRules(blocks.Rules, buffer, 0);
    position = SerializeFunctions(blocks.Functions, buffer, position);
    position = SerializeSettings(blocks.Settings, buffer, position);
    buffer.setUsed(SerializeChannelFlags(blocks.Channels, buffer, position));
}

void SerializeAuxSettingsImage(ImageBlocks& blocks, ImageBuffer& buffer) {
    buffer.clear();
    buffer.reserve(kAuxSettingsImageSize);
    buffer.setUsed(SerializeSettings(blocks.Settings, buffer, 0));
}

void SerializeAuxTablesImage(ImageBlocks& blocks, ImageBuffer& buffer) {
    buffer.clear();
    buffer.reserve(kAuxTablesImageSize);
    std::size_t position = SerializeRules(blocks.Rules, buffer, 0);
    position = SerializeFunctions(blocks.Functions, buffer, position);
    buffer.setUsed(SerializeChannelFlags(blocks.Channels, buffer, position));
}

} // namespace corvane

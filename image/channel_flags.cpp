#include "image/channel_flags.h"

#include "image/little_endian.h"

namespace corvane {

std::size_t SerializeChannelFlags(const ChannelFlags& flags, ImageBuffer& buffer, std::size_t position) {
    std::array<std::uint8_t, ChannelFlags::kSerializedSize> bytes{}; // reserved word and tail stay zero
    for (std::size_t k = 0; k < ChannelFlags::kWords; ++k)
        le::putU16(bytes, ChannelFlags::kFirstWordOffset + 2 * k, flags.words[k]);
    return buffer.put(position, bytes);
}

} // namespace corvane

#include "image/image_buffer.h"

#include <algorithm>
#include <stdexcept>

namespace corvane {

void ImageBuffer::clear() {
    std::fill(bytes_.begin(), bytes_.end(), 0);
    used_ = 0;
}

std::size_t ImageBuffer::put(std::size_t position, std::span<const std::uint8_t> data) {
    if (position > kCapacity || data.size() > kCapacity - position)
        throw std::length_error("image buffer overflow");
    std::copy(data.begin(), data.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(position));
    return position + data.size();
}

} // namespace corvane

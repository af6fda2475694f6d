#include "image/image_buffer.h"

#include <algorithm>
#include <stdexcept>

namespace corvane {

void ImageBuffer::clear() {
    bytes_.clear();
    used_ = 0;
}

void ImageBuffer::growTo(std::size_t size) {
    if (size > kCapacity) throw std::length_error("image buffer overflow");
    if (size > bytes_.size()) bytes_.resize(size, 0);
}

void ImageBuffer::setUsed(std::size_t used) {
    growTo(used);
    used_ = used;
}

std::size_t ImageBuffer::put(std::size_t position, std::span<const std::uint8_t> data) {
    if (position > kCapacity || data.size() > kCapacity - position) throw std::length_error("image buffer overflow");
    growTo(position + data.size());
    std::copy(data.begin(), data.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(position));
    return position + data.size();
}

} // namespace corvane

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

std::span<std::uint8_t> ImageBuffer::place(std::size_t position, std::size_t size) {
    if (position > kCapacity || size > kCapacity - position) throw std::length_error("image buffer overflow");
    growTo(position + size);
    return std::span<std::uint8_t>(bytes_).subspan(position, size);
}

std::size_t ImageBuffer::put(std::size_t position, std::span<const std::uint8_t> data) {
    std::copy(data.begin(), data.end(), place(position, data.size()).begin());
    return position + data.size();
}

} // namespace corvane

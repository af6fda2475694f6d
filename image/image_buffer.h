#pragma once
// A byte buffer into which blocks are serialised one after the other; only its used length is written out.
// It holds at most 100001 bytes; storage grows as blocks are written, every byte not written reading 0.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace corvane {

class ImageBuffer {
public:
    static constexpr std::size_t kCapacity = 100001;

    // Empties the buffer: used length 0, and nothing of an earlier image survives.
    void clear();

    // Makes room for `size` bytes at once, so that writing an image of that size never moves its bytes.
    void reserve(std::size_t size) { bytes_.reserve(size); }

    std::size_t used() const { return used_; }
    void setUsed(std::size_t used);

    // Writes `data` at `position` and returns the position after it; the used length is the caller's.
    std::size_t put(std::size_t position, std::span<const std::uint8_t> data);

    // The `size` bytes at `position`, grown to once, for a block to write its records straight into.
    std::span<std::uint8_t> place(std::size_t position, std::size_t size);

    std::span<const std::uint8_t> usedBytes() const { return {bytes_.data(), used_}; }

private:
    void growTo(std::size_t size);

    std::vector<std::uint8_t> bytes_;
    std::size_t used_ = 0;
};

} // namespace corvane

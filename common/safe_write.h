#pragma once
// Writes a whole file so that a crash or a full disk never leaves it half-written.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace corvane {

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames it over `path`.
// On failure the temporary file is removed, the old file stays untouched and FileError is thrown.
void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Reads a whole file; throws FileError naming the file and the reason when it cannot be read.
std::string readWholeFile(const std::filesystem::path& path);

// The same reading into a block from `allocate`, for a caller that hands the block on, such as to a parser that
// takes it over; the caller releases it with `release`. The block is never null and holds at least one byte
// more than `size`, room for a terminator.
struct AllocatedBytes {
    void* data = nullptr;
    std::size_t size = 0;
};
AllocatedBytes readWholeFile(const std::filesystem::path& path, void* (*allocate)(std::size_t),
                             void (*release)(void*));

} // namespace corvane

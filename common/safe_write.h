#pragma once
// Writes a whole file so that a crash or a full disk never leaves it half-written.
#include <filesystem>
#include <string_view>

namespace corvane {

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames it over `path`.
// On failure the temporary file is removed, the old file stays untouched and FileError is thrown.
void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Reads a whole file; throws FileError naming the file and the reason when it cannot be read.
std::string readWholeFile(const std::filesystem::path& path);

} // namespace corvane

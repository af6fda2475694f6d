#pragma once
// The one error type for files that cannot be read, parsed or written: it names the file and the reason.
#include <filesystem>
#include <stdexcept>
#include <string>

namespace corvane {

class FileError : public std::runtime_error {
public:
    FileError(std::filesystem::path path, const std::string& reason)
        : std::runtime_error("File \"" + path.string() + "\": " + reason), path_(std::move(path)), reason_(reason) {}

    const std::filesystem::path& path() const { return path_; }
    const std::string& reason() const { return reason_; }

private:
    std::filesystem::path path_;
    std::string reason_;
};

} // namespace corvane

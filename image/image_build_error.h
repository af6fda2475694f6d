#pragma once
// A project file whose content the device cannot take: the build stops, names the file and the reason,
// and no image is written.
#include <filesystem>
#include <stdexcept>
#include <string>

namespace corvane {

class ImageBuildError : public std::runtime_error {
public:
    ImageBuildError(std::filesystem::path path, const std::string& reason)
        : std::runtime_error("File \"" + path.string() + "\": " + reason), path_(std::move(path)), reason_(reason) {}

    const std::filesystem::path& path() const { return path_; }
    const std::string& reason() const { return reason_; }

private:
    std::filesystem::path path_;
    std::string reason_;
};

} // namespace corvane

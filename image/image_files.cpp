#include "common/file_error.h"
#include "common/safe_write.h"
#include "image/image_builder.h"
#include "image/image_layout.h"

#include <string_view>
#include <system_error>

namespace corvane {

namespace {

void writeImage(const std::filesystem::path& path, const ImageBuffer& image) {
    const auto bytes = image.usedBytes();
    writeFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace

void WriteImageFiles(const BuiltImages& images, const std::filesystem::path& projectDir) {
    const auto bin = projectDir / kBinFolder;
    std::error_code error;
    std::filesystem::create_directories(bin, error);
    if (error) throw FileError(bin, "cannot be created: " + error.message());
    writeImage(bin / kConfigImageFile, images.ConfigImage);
    writeImage(bin / kAuxSettingsImageFile, images.AuxSettingsImage);
    writeImage(bin / kAuxTablesImageFile, images.AuxTablesImage);
}

} // namespace corvane

// corvane-cli build CONFIG_DIR: the images the Update Device button would hand to the updater.
#include "cli/cli_command.h"
#include "common/file_error.h"
#include "common/locale_regional_settings.h"
#include "dali/decimal_number.h"
#include "image/image_builder.h"
#include "image/image_layout.h"

#include <cstdio>
#include <filesystem>
#include <ostream>

namespace corvane::cli {

namespace {

std::string hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

void printSummary(const BuiltImages& images, const std::filesystem::path& bin, std::ostream& out) {
    out << "images written to " << bin.string() << ": " << kConfigImageFile << ", " << kAuxSettingsImageFile << ", "
        << kAuxTablesImageFile << '\n'
        << "enabled rules: " << images.EnabledRules << '\n'
        << "functions: " << images.Functions << '\n'
        << "enabled channels: " << images.EnabledChannels << '\n'
        << kConfigImageFile << " settings checksum: " << hex(images.ConfigChecksum) << '\n'
        << kAuxSettingsImageFile << " settings checksum: " << hex(images.AuxChecksum) << '\n';
}

} // namespace

int runBuild(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || args[0].starts_with("-")) return usageError({"build", "CONFIG_DIR", runBuild}, err);
    const std::filesystem::path folder = args[0];
    std::error_code ignored;
    if (!std::filesystem::is_directory(folder, ignored)) throw FileError(folder, "is not a configuration folder");

    // The same separator the window would use, so both build the same bytes.
    LocaleRegionalSettings regional;
    const BuiltImages images = BuildImages(ProjectFileSet::inside(folder), GetDecimalSeparator(&regional));
    WriteImageFiles(images, folder);
    printSummary(images, folder / kBinFolder, out);
    return kOk;
}

} // namespace corvane::cli

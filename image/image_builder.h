#pragma once
// Builds the three configuration images of a configuration folder and writes them into its bin folder.
#include "app/project_file_set.h"
#include "image/image_buffer.h"

#include <cstdint>
#include <filesystem>

namespace corvane {

struct BuiltImages {
    ImageBuffer ConfigImage;      // bin/bank.bin, 10496 bytes
    ImageBuffer AuxSettingsImage; // bin/bank_ESP32_1.bin, 2048 bytes
    ImageBuffer AuxTablesImage;   // bin/bank_ESP32_2.bin, 8448 bytes

    int EnabledRules = 0;
    int Functions = 0;
    int EnabledChannels = 0;
    std::uint32_t ConfigChecksum = 0; // of the settings block in bank.bin
    std::uint32_t AuxChecksum = 0;    // of bank_ESP32_1.bin
};

// Reads ParGen.xml, DALI_Access.xml and DALI2_Access.xml (each may be missing) and assembles the images.
// Throws FileError for a file that cannot be read or is not well-formed, ImageBuildError for content the
// device cannot take; nothing is written either way.
BuiltImages BuildImages(const ProjectFileSet& files, char decimalSeparator);

// Writes bin/bank.bin, bin/bank_ESP32_1.bin and bin/bank_ESP32_2.bin inside `projectDir`, each replaced
// atomically, creating the bin folder when it is missing. Throws FileError naming the first file that
// cannot be written, so a stale image is never handed on as a new one.
void WriteImageFiles(const BuiltImages& images, const std::filesystem::path& projectDir);

} // namespace corvane

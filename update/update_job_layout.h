#pragma once
// What the update job file says about each file the updater writes into the device's flash: one row
// per operation, the main processor's three and the auxiliary processor's four. The writer, the
// stand-in updater and the tests all read these rows.
#include "image/image_layout.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace corvane {

inline constexpr std::string_view kUpdateJobFileName = "Ethernet_Update.xml";
// Firmware files in MASTER; the configuration images are the image builder's files.
inline constexpr std::string_view kMainFirmwareFile = "Sim51207.sim";
inline constexpr std::string_view kAuxFirmwareFile = "Sim51207_ESP32.sim";
inline constexpr std::string_view kWebFilesImageFile = "web_files_dali.bin";
#ifdef _WIN32
inline constexpr std::string_view kUpdaterProgramName = "Ethernet_Update.exe";
#else
inline constexpr std::string_view kUpdaterProgramName = "Ethernet_Update";
#endif

// The choices of the update window's option list; -1 means no item is selected.
inline constexpr int kUpdateFirmwareAndConfiguration = 0;
inline constexpr int kUpdateFirmware = 1;
inline constexpr int kUpdateConfiguration = 2;
inline constexpr int kUpdateNoSelection = -1;

enum class JobFolder { Master, ProjectBin };     // firmware lies in MASTER, images in <project>/bin
enum class JobContent { Firmware, Configuration }; // which update options write the file
enum class GoToAppAfter { OnFirmwareOption, Always, Never };

struct JobOperation {
    std::string_view id; // M1..M3 main processor, A1..A4 auxiliary processor
    JobContent content;
    JobFolder folder;
    std::string_view fileName;
    std::string_view startAddress;
    std::string_view bankType;
    std::string_view writeCss;
    std::string_view addressCss;
    bool writesInternalData; // the auxiliary firmware and configuration carry four more elements
    GoToAppAfter goToAppAfter;
};

// In file order inside the main section's Operations.
inline constexpr std::array<JobOperation, 3> kMainOperations = {{
    {"M1", JobContent::Firmware, JobFolder::Master, kMainFirmwareFile, "0x8000", "1", "1", "0x78100", false,
     GoToAppAfter::OnFirmwareOption},
    {"M2", JobContent::Firmware, JobFolder::Master, kWebFilesImageFile, "0xC0000", "1", "0", "0x78100", false,
     GoToAppAfter::OnFirmwareOption},
    {"M3", JobContent::Configuration, JobFolder::ProjectBin, kConfigImageFile, "0x66000", "2", "0", "0x50100", false,
     GoToAppAfter::Always},
}};

// In file order inside ESP32/Operations.
inline constexpr std::array<JobOperation, 4> kAuxOperations = {{
    {"A1", JobContent::Firmware, JobFolder::Master, kAuxFirmwareFile, "0x110000", "1", "0", "0x78100", true,
     GoToAppAfter::OnFirmwareOption},
    {"A2", JobContent::Firmware, JobFolder::Master, kWebFilesImageFile, "0x350000", "1", "0", "0x78100", false,
     GoToAppAfter::OnFirmwareOption},
    {"A3", JobContent::Configuration, JobFolder::ProjectBin, kAuxSettingsImageFile, "0x09000", "2", "0", "0x50100", true,
     GoToAppAfter::Never},
    {"A4", JobContent::Configuration, JobFolder::ProjectBin, kAuxTablesImageFile, "0x310000", "2", "0", "0x50100", true,
     GoToAppAfter::Always},
}};

// True when the update option writes operations of this content (no selection writes none).
constexpr bool optionIncludes(int optionIndex, JobContent content) {
    if (content == JobContent::Firmware)
        return optionIndex == kUpdateFirmwareAndConfiguration || optionIndex == kUpdateFirmware;
    return optionIndex == kUpdateFirmwareAndConfiguration || optionIndex == kUpdateConfiguration;
}

} // namespace corvane

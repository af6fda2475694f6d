#pragma once
// The update job file Ethernet_Update.xml beside the executable: everything the external updater
// needs (device address, ports, one operation per file to write into flash) in one XML file.
#include <filesystem>
#include <string>

#include <pugixml.hpp>

namespace corvane {

// The choices the job is written from.
struct UpdateJob {
    std::filesystem::path MasterDir;  // firmware files
    std::filesystem::path ProjectDir; // the active configuration; its bin folder holds the images
    std::string IpAddress;            // the four address fields as typed, joined by "."
    int OptionIndex = 0;              // kUpdateFirmwareAndConfiguration ... kUpdateNoSelection
    bool ReadBack = true;
};

// Fills `document` (cleared first) with the job.
void buildUpdateJob(pugi::xml_document& document, const UpdateJob& job);

// Writes appDir/Ethernet_Update.xml, replacing any earlier job whole; throws FileError on failure.
void Compile_XML_Parameter(const UpdateJob& job, const std::filesystem::path& appDir);

} // namespace corvane

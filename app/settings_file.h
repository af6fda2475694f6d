#pragma once
// Corvane.xml beside the executable: the last configuration, the last device address, the language
// and the four option flags.
#include "app/app_state.h"

#include <filesystem>

namespace corvane {

inline constexpr const char* kSettingsFileName = "Corvane.xml";

// Reads the settings into `state`; every key missing or unreadable keeps its default. A missing
// file gives all defaults. Throws FileError for a file that exists but is unreadable or malformed,
// after the defaults are in place.
void readSettingsFile(const std::filesystem::path& path, AppState& state);
void readSettingsXml(std::string_view content, AppState& state);

// The twelve elements, in their fixed order, as written.
std::string settingsXml(const AppState& state);

// Save_Setting: writes the file atomically; throws FileError on failure.
void writeSettingsFile(const std::filesystem::path& path, const AppState& state);

} // namespace corvane

#pragma once
// The configuration files that `corvane-cli check` validates, one row each. A subsystem adds its
// file by adding one row to the table in config_checks.cpp.
#include "text/text_catalogue.h"

#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace corvane::cli {

struct ConfigFileCheck {
    const char* fileName; // inside the configuration folder
    // The messages of every failing rule, in the editor window's order, exactly as the window shows
    // them; none for a missing file. Throws FileError when the file is malformed or unreadable.
    std::vector<std::string> (*check)(const std::filesystem::path& file, const TextCatalogue& texts);
};

std::span<const ConfigFileCheck> configFileChecks();

} // namespace corvane::cli

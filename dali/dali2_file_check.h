#pragma once
// The checks OK of the DALI Access window runs, on a DALI2_Access.xml as the window would load it.
#include "text/text_catalogue.h"

#include <filesystem>
#include <string>
#include <vector>

namespace corvane {

inline constexpr const char* kDali2AccessFileName = "DALI2_Access.xml";

// Every row's first problem, in the window's order, as the error box shows it; none for a missing file.
// Throws FileError when the file is malformed or unreadable.
std::vector<std::string> checkDali2AccessFile(const std::filesystem::path& path, const TextCatalogue& texts);

} // namespace corvane

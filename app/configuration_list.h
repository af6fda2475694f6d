#pragma once
// The configurations on disk: the folders directly inside PROJECTS.
#include <filesystem>
#include <string>
#include <vector>

namespace corvane {

// Names of the visible sub-folders of `projectsDir` (plain files and hidden folders left out),
// in alphabetical order without regard to letter case; empty when the folder cannot be read.
std::vector<std::string> listConfigurations(const std::filesystem::path& projectsDir);

// Index of the first name equal to `name`, ASCII letters compared without regard to case; -1 when none.
int Search_Open_Conf(const std::vector<std::string>& names, const std::string& name);

// The active configuration's name as the part of `projectDir` after `projectsDir`; empty when none.
std::string currentConfigurationName(const std::filesystem::path& projectsDir,
                                     const std::filesystem::path& projectDir);

} // namespace corvane

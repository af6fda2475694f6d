#pragma once
// The configurator's start-up, without the windows: folders, settings, language, last configuration.
#include "app/app_state.h"

#include <filesystem>
#include <string>
#include <vector>

namespace corvane {

// Runs the start-up steps on `state` for an executable living in `appDir`. Problems that must not
// stop the start (a malformed settings or language file) are returned as messages to show.
std::vector<std::string> startUp(AppState& state, const std::filesystem::path& appDir);

// The folder of the running executable.
std::filesystem::path executableDir();

} // namespace corvane

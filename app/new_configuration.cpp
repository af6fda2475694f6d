#include "app/new_configuration.h"

namespace corvane {

namespace fs = std::filesystem;

NewConfigurationOutcome createConfiguration(AppState& state, const std::string& name) {
    if (name.empty()) return NewConfigurationOutcome::EmptyName;
    std::error_code error;
    // A separator, "." or ".." would create or reuse a folder outside PROJECTS.
    if (!isPlainFolderName(name)) return NewConfigurationOutcome::Refused;
    const fs::path folder = state.ProjectsDir / name;
    if (fs::is_directory(folder, error)) return NewConfigurationOutcome::AlreadyExists;
    // One level only: a missing PROJECTS folder is not recreated here.
    if (!fs::create_directory(folder, error) || error) return NewConfigurationOutcome::Refused;
    fs::create_directories(folder / "bin", error); // a failure shows later, when images are written
    state.activateProject(name);
    return NewConfigurationOutcome::Created;
}

int messageText(NewConfigurationOutcome outcome) {
    switch (outcome) {
    case NewConfigurationOutcome::EmptyName: return 107;
    case NewConfigurationOutcome::AlreadyExists: return 106;
    case NewConfigurationOutcome::Refused: return 105;
    case NewConfigurationOutcome::Created: break;
    }
    return -1;
}

} // namespace corvane

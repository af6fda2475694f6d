#include "app/app_state.h"

namespace corvane {

void AppState::activateProject(const std::string& name) {
    std::error_code ignored;
    if (isPlainFolderName(name) && std::filesystem::is_directory(ProjectsDir / name, ignored)) {
        ProjectName = name;
        ProjectDir = ProjectsDir / name;
    } else {
        ProjectName.clear();
        ProjectDir.clear();
    }
    Set_Files();
}

bool isPlainFolderName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    if (name.find_first_of("/\\:") != std::string::npos) return false;
    for (unsigned char c : name)
        if (c < 0x20) return false;
    return std::filesystem::path(name).filename() == std::filesystem::path(name);
}

} // namespace corvane

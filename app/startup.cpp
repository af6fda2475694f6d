#include "app/startup.h"

#include "app/settings_file.h"
#include "common/file_error.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace corvane {

namespace fs = std::filesystem;

namespace {

fs::path makeFolder(const fs::path& appDir, const char* name) {
    fs::path folder = appDir / name;
    std::error_code ignored; // a folder that cannot be created is simply found empty later
    fs::create_directories(folder, ignored);
    return folder;
}

} // namespace

std::vector<std::string> startUp(AppState& state, const fs::path& appDir) {
    std::vector<std::string> problems;
    state.AppDir = appDir;
    state.MasterDir = makeFolder(appDir, "MASTER");
    state.ProjectsDir = makeFolder(appDir, "PROJECTS");
    state.LanguageDir = makeFolder(appDir, "LANGUAGE");

    try {
        readSettingsFile(appDir / kSettingsFileName, state);
    } catch (const FileError& error) {
        problems.push_back(error.what()); // the defaults are in place
    }

    state.AppCaption = kAppCaption;
    state.SoftwareCode = kSoftwareCode;
    state.SoftwareDescription = kSoftwareDescription;

    try {
        state.Texts.InitLanguage(state.LanguageDir, state.LanguageName);
    } catch (const FileError& error) {
        problems.push_back(error.what()); // the English defaults are in place
    }

    state.activateProject(state.ProjectName);
    state.UpdateReadBack = true;
    state.RowClipboard.clear();
    state.RowClipboardChecks.clear();
    state.MibInputNames.clear();
    state.MibOutputNames.clear();
    return problems;
}

fs::path executableDir() {
#ifdef _WIN32
    wchar_t buffer[32768];
    DWORD length = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
    return fs::path(std::wstring(buffer, length)).parent_path();
#else
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path() : self.parent_path();
#endif
}

} // namespace corvane

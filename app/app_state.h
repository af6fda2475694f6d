#pragma once
// The process-wide state: folders, the active configuration, the option flags and the shared lists.
// One object, created at start-up and passed to whoever needs it.
#include "app/project_file_set.h"
#include "text/text_catalogue.h"

#include <filesystem>
#include <string>
#include <vector>

namespace corvane {

inline constexpr const char* kSoftwareCode = "QS51207";
inline constexpr const char* kSoftwareDescription = "DALI / Ethernet - Converter";
inline constexpr const char* kAppCaption = "Telvornet - Configurator QS51207 - DALI / Ethernet ";
inline constexpr const char* kSoftwareVersion = "1.300";
inline constexpr const char* kDefaultIpAddress = "192.168.2.205";

struct AppState {
    std::filesystem::path AppDir;
    std::filesystem::path MasterDir;
    std::filesystem::path ProjectsDir;
    std::filesystem::path LanguageDir;

    std::string ProjectName;          // empty when no configuration is active
    std::filesystem::path ProjectDir; // empty when no configuration is active
    ProjectFileSet Files;             // recomputed by Set_Files whenever ProjectDir changes

    std::string AppCaption;
    std::string SoftwareCode;
    std::string SoftwareDescription;
    std::string LastIpAddress = kDefaultIpAddress;
    std::string LanguageName = "English";

    bool EnableInternet = false;
    bool EnableUpdateCheck = false;
    bool EnableJumpFieldTables = false;
    bool DoubleClickAutoSize = false;

    int UpdateOptionIndex = 0; // the update window's choices, kept for the run only
    bool UpdateReadBack = false;

    TextCatalogue Texts;

    // The one copy of a table row shared by every table editor.
    std::vector<std::string> RowClipboard;
    std::vector<bool> RowClipboardChecks;

    std::vector<std::string> MibInputNames;
    std::vector<std::string> MibOutputNames;

    bool hasProject() const { return !ProjectName.empty(); }

    // Recomputes the fifteen project file paths from ProjectDir.
    void Set_Files() { Files = ProjectFileSet::inside(ProjectDir); }

    // Makes `name` the active configuration and recomputes the file set. A name that is not one
    // existing folder directly inside ProjectsDir leaves no configuration active.
    void activateProject(const std::string& name);
};

// True when `name` names exactly one folder inside its parent: not empty, not "." or "..",
// without path separators or a drive, so it can never reach outside PROJECTS.
bool isPlainFolderName(const std::string& name);

} // namespace corvane

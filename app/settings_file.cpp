#include "app/settings_file.h"

#include "common/file_error.h"
#include "common/safe_write.h"
#include "common/xml_file.h"

namespace corvane {

namespace {

void resetSettings(AppState& state) {
    state.ProjectName.clear();
    state.LastIpAddress = kDefaultIpAddress;
    state.LanguageName = "English";
    state.EnableInternet = state.EnableUpdateCheck = false;
    state.EnableJumpFieldTables = state.DoubleClickAutoSize = false;
}

void readDocument(const pugi::xml_document& document, AppState& state) {
    pugi::xml_node root = rootOf(document);
    state.ProjectName = childTextOr(root.child("lastproj"), "projectname", "");
    state.LastIpAddress = childTextOr(root.child("lastipadd"), "ipaddress", kDefaultIpAddress);
    state.LanguageName = childTextOr(root.child("lastlang"), "language", "English");
    pugi::xml_node flags = root.child("lastinternet");
    state.EnableInternet = childFlag(flags, "enable_internet");
    state.EnableUpdateCheck = childFlag(flags, "enable_update");
    state.EnableJumpFieldTables = childFlag(flags, "enable_jump_field_tables");
    state.DoubleClickAutoSize = childFlag(flags, "Double_Click_Auto_Size");
}

const char* flagText(bool flag) { return flag ? "1" : "0"; }

bool holdsExactly(const std::filesystem::path& path, const std::string& content) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) || std::filesystem::file_size(path, error) != content.size())
        return false;
    try {
        return readWholeFile(path) == content;
    } catch (const FileError&) {
        return false; // then written, and any fault reported, as before
    }
}

} // namespace

void readSettingsFile(const std::filesystem::path& path, AppState& state) {
    resetSettings(state);
    if (!std::filesystem::exists(path)) return;
    pugi::xml_document document;
    loadXmlFile(path, document);
    readDocument(document, state);
}

void readSettingsXml(std::string_view content, AppState& state) {
    resetSettings(state);
    pugi::xml_document document;
    parseXml(content, kSettingsFileName, document);
    readDocument(document, state);
}

std::string settingsXml(const AppState& state) {
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("Conf_Settings");
    appendTextElement(root.append_child("lastproj"), "projectname", state.ProjectName);
    appendTextElement(root.append_child("lastipadd"), "ipaddress", state.LastIpAddress);
    appendTextElement(root.append_child("lastlang"), "language", state.LanguageName);
    pugi::xml_node flags = root.append_child("lastinternet");
    appendTextElement(flags, "enable_internet", flagText(state.EnableInternet));
    appendTextElement(flags, "enable_update", flagText(state.EnableUpdateCheck));
    appendTextElement(flags, "enable_jump_field_tables", flagText(state.EnableJumpFieldTables));
    appendTextElement(flags, "Double_Click_Auto_Size", flagText(state.DoubleClickAutoSize));
    return serializeXml(document);
}

void writeSettingsFile(const std::filesystem::path& path, const AppState& state) {
    const std::string content = settingsXml(state);
    // Most closes change no setting: a file already holding exactly these bytes is left as it is,
    // sparing the temporary file, its flush to the disk (often milliseconds) and the rename.
    if (holdsExactly(path, content)) return;
    writeFileAtomically(path, content);
}

} // namespace corvane

#include "app/language_files.h"

#include <algorithm>
#include <cctype>

namespace corvane {

namespace fs = std::filesystem;

namespace {

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool isOfferedLanguageFile(const fs::directory_entry& entry) {
    std::error_code error;
    if (!entry.is_regular_file(error) || lowerCase(entry.path().extension().string()) != ".lng") return false;
    const fs::perms permissions = entry.status(error).permissions();
    return !error && (permissions & fs::perms::owner_write) != fs::perms::none;
}

} // namespace

std::vector<std::string> listLanguageFiles(const fs::path& languageDir) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(languageDir, error), end; !error && it != end; it.increment(error))
        if (isOfferedLanguageFile(*it)) names.push_back(it->path().filename().string());
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return lowerCase(a) < lowerCase(b); });
    return names;
}

std::string languageNameOf(const std::string& fileName) {
    return fileName.size() >= 4 ? fileName.substr(0, fileName.size() - 4) : std::string();
}

std::optional<fs::path> flagPicture(const fs::path& languageDir, const std::string& name) {
    std::error_code error;
    for (const fs::path& candidate : {languageDir / (name + ".bmp"), languageDir / "DefaultFlag.bmp"})
        if (fs::is_regular_file(candidate, error)) return candidate;
    return std::nullopt;
}

} // namespace corvane

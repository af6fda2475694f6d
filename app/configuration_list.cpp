#include "app/configuration_list.h"

#include <algorithm>

namespace corvane {

namespace fs = std::filesystem;

namespace {

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalIgnoringAsciiCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

bool lessIgnoringAsciiCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return asciiLower(x) < asciiLower(y); });
}

bool isHidden(const std::string& name) { return !name.empty() && name.front() == '.'; }

} // namespace

std::vector<std::string> listConfigurations(const fs::path& projectsDir) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(projectsDir, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        const std::string name = it->path().filename().string();
        if (it->is_directory(typeError) && !isHidden(name)) names.push_back(name);
    }
    // The listing order of the file system is arbitrary here; a sorted list reads better.
    std::stable_sort(names.begin(), names.end(), lessIgnoringAsciiCase);
    return names;
}

int Search_Open_Conf(const std::vector<std::string>& names, const std::string& name) {
    for (size_t i = 0; i < names.size(); ++i)
        if (equalIgnoringAsciiCase(names[i], name)) return static_cast<int>(i);
    return -1;
}

std::string currentConfigurationName(const fs::path& projectsDir, const fs::path& projectDir) {
    if (projectDir.empty() || projectDir.parent_path() != projectsDir) return {};
    return projectDir.filename().string();
}

} // namespace corvane

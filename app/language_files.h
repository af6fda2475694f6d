#pragma once
// The language files offered to the user and the flag picture shown for each.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// File names (with extension) of the writable regular files "*.lng" in `languageDir`, sorted
// alphabetically without regard to letter case. Read-only files and folders are left out.
std::vector<std::string> listLanguageFiles(const std::filesystem::path& languageDir);

// The language's name: its file name without the four characters of the extension.
std::string languageNameOf(const std::string& fileName);

// `languageDir`/<name>.bmp, else `languageDir`/DefaultFlag.bmp, else nothing.
std::optional<std::filesystem::path> flagPicture(const std::filesystem::path& languageDir, const std::string& name);

} // namespace corvane

#pragma once
// The indexed table of every user-interface text, filled with the English defaults and then
// overwritten entry by entry from a language file. Language files address entries only by index.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr int TEXT_COUNT = 2800;

class TextCatalogue {
public:
    // Clears the table and puts the 2800 English defaults in index order.
    void FillDefaultTexts();

    // Applies one language file; lines that do not match the grammar are skipped.
    // Throws FileError when the file cannot be read.
    void LoadLanguageFile(const std::filesystem::path& path);

    // Applies the lines of a language file already decoded to UTF-8.
    void applyLanguageText(std::string_view utf8Content);

    // FillDefaultTexts, then the language `languageName` from `languageDir`, falling back to English
    // and then to the defaults; `languageName` becomes "English" when its file is missing.
    void InitLanguage(const std::filesystem::path& languageDir, std::string& languageName);

    // Entry i; an index outside the table reads as a blank, like the unused entries.
    const std::string& operator[](int index) const;
    void set(int index, std::string text);
    int size() const { return static_cast<int>(texts_.size()); }

    // The catalogue as a UTF-8 language file with its byte-order mark: every entry in index order,
    // one line each, "STR<i> = ¶<text>¶".
    std::string asLanguageFile() const;

private:
    std::vector<std::string> texts_;
};

} // namespace corvane

#include "text/text_catalogue.h"

#include "common/safe_write.h"
#include "common/text_util.h"
#include "text/default_texts.h"
#include "text/text_encoding.h"

#include <algorithm>
#include <cstring>

namespace corvane {

namespace {

constexpr std::string_view kPilcrow = "\xC2\xB6"; // U+00B6 in UTF-8
constexpr std::string_view kCommentMarker = "/#/";
const std::string kBlank = " ";

// Splits on CR, LF and CR LF, as a text reader does. The next CR and the next LF are each looked up
// with memchr, and again only once a line start has passed them, so the text is scanned at most twice
// whatever its line ends; a language file of 70 KB is read at every start.
template <typename Visit> void forEachLine(std::string_view content, Visit visit) {
    if (content.empty()) return;
    const auto next = [content](char c, size_t from) {
        const void* found = std::memchr(content.data() + from, c, content.size() - from);
        return found ? static_cast<size_t>(static_cast<const char*>(found) - content.data()) : content.size();
    };
    size_t lf = next('\n', 0), cr = next('\r', 0);
    for (size_t start = 0; start < content.size();) {
        if (lf < start) lf = next('\n', start);
        if (cr < start) cr = next('\r', start);
        const size_t end = std::min(lf, cr);
        visit(content.substr(start, end - start));
        if (end == content.size()) return;
        start = end + 1;
        if (content[end] == '\r' && start < content.size() && content[start] == '\n') ++start;
    }
}

} // namespace

void TextCatalogue::FillDefaultTexts() {
    texts_.assign(TEXT_COUNT, kBlank);
    for (const DefaultText& entry : defaultTexts()) texts_[static_cast<size_t>(entry.index)] = entry.text;
}

void TextCatalogue::applyLanguageText(std::string_view utf8Content) {
    forEachLine(utf8Content, [this](std::string_view line) {
        std::string_view s = trim(line);
        if (!s.starts_with("STR")) return;

        // The character just before the "=" separates the index from it and never belongs to it.
        size_t equals = s.find('=');
        if (equals == std::string_view::npos || equals < 4) return;
        std::string_view indexText = trim(s.substr(3, equals - 4));
        int index = indexText.empty() ? -1 : parseIntOr(indexText, -1);
        if (index < 0 || index >= TEXT_COUNT || index >= size()) return;

        std::string_view value = trim(s.substr(equals + 1));
        if (value.empty()) return;
        if (contains(value, kCommentMarker)) {
            value = trim(before(value, kCommentMarker));
            if (value.empty()) return; // a value emptied by the comment keeps the entry's text
        }
        if (value.starts_with(kPilcrow)) value.remove_prefix(kPilcrow.size());
        value = before(value, kPilcrow);
        texts_[static_cast<size_t>(index)] = value;
    });
}

void TextCatalogue::LoadLanguageFile(const std::filesystem::path& path) {
    applyLanguageText(decodeTextFile(readWholeFile(path)));
}

void TextCatalogue::InitLanguage(const std::filesystem::path& languageDir, std::string& languageName) {
    FillDefaultTexts();
    const auto chosen = languageDir / (languageName + ".lng");
    if (!languageName.empty() && std::filesystem::is_regular_file(chosen)) {
        LoadLanguageFile(chosen);
        return;
    }
    languageName = "English";
    const auto english = languageDir / "English.lng";
    if (std::filesystem::is_regular_file(english)) LoadLanguageFile(english);
}

const std::string& TextCatalogue::operator[](int index) const {
    if (index < 0 || index >= size()) return kBlank;
    return texts_[static_cast<size_t>(index)];
}

void TextCatalogue::set(int index, std::string text) {
    if (index >= 0 && index < size()) texts_[static_cast<size_t>(index)] = std::move(text);
}

std::string TextCatalogue::asLanguageFile() const {
    // The UTF-8 mark makes the file read as UTF-8; without it the pilcrows would read as Windows-1252.
    std::string out = "\xEF\xBB\xBF";
    out.reserve(texts_.size() * 24);
    for (int i = 0; i < size(); ++i) {
        out += "STR" + std::to_string(i) + " = ";
        out += kPilcrow;
        out += texts_[static_cast<size_t>(i)];
        out += kPilcrow;
        out += '\n';
    }
    return out;
}

} // namespace corvane

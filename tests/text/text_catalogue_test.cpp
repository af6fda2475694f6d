#include "common/file_error.h"
#include "tests/support/temp_dir.h"
#include "text/default_texts.h"
#include "text/text_catalogue.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TextCatalogue defaults() {
    TextCatalogue texts;
    texts.FillDefaultTexts();
    return texts;
}

TEST(DefaultTexts, FillTheWholeTableWithBlanksBetweenTheBlocks) {
    TextCatalogue texts = defaults();
    ASSERT_EQ(texts.size(), TEXT_COUNT);
    EXPECT_EQ(texts[0], "Begin");
    EXPECT_EQ(texts[9], "None Configuration Opened ");
    EXPECT_EQ(texts[306], " / ");
    EXPECT_EQ(texts[41], " ");
    EXPECT_EQ(texts[2799], " ");
    EXPECT_EQ(texts[610], "DALI ID Device 0");
    EXPECT_EQ(texts[673], "DALI ID Device 63");
    EXPECT_EQ(texts[784], "DALI Broadcast");
    int previous = -1;
    for (const DefaultText& entry : defaultTexts()) {
        EXPECT_GT(entry.index, previous);
        EXPECT_LT(entry.index, TEXT_COUNT);
        previous = entry.index;
    }
}

struct LineCase {
    const char* line;
    int index;
    const char* expected; // entry `index` after applying the line to the defaults
};

class LanguageLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LanguageLineTest, AppliesOneLine) {
    TextCatalogue texts = defaults();
    texts.applyLanguageText(GetParam().line);
    EXPECT_EQ(texts[GetParam().index], GetParam().expected) << GetParam().line;
}

// "\xC2\xB6" is the pilcrow in UTF-8.
INSTANTIATE_TEST_SUITE_P(
    Grammar, LanguageLineTest,
    ::testing::Values(LineCase{"STR12 = X", 12, "X"}, LineCase{" \tSTR12 = X \t", 12, "X"},
                      LineCase{"STR12  = X", 12, "X"}, LineCase{"STR 12 = X", 12, "X"},
                      LineCase{"str12 = X", 12, "Information"}, LineCase{"STR2799 = X", 2799, "X"},
                      LineCase{"STR2800 = X", 2799, " "}, LineCase{"STR-1 = X", 0, "Begin"},
                      LineCase{"STR13 =", 13, "Options"}, LineCase{"STR13 =   ", 13, "Options"},
                      LineCase{"STR14 = X /#/ a remark", 14, "X"}, LineCase{"STR9 = X \xC2\xB6", 9, "X "},
                      LineCase{"STR306 = \xC2\xB6 / \xC2\xB6", 306, " / "}, LineCase{"STR306 = \xC2\xB6", 306, ""},
                      LineCase{"STR5 = /#/ only a note", 5, "Step 5"}, LineCase{"STR12 X", 12, "Information"},
                      LineCase{"STR = X", 0, "Begin"}, LineCase{"STRa1 = X", 1, "Step 1"},
                      // the character before "=" separates and is never part of the number
                      LineCase{"STR12= X", 1, "X"}, LineCase{"STR12 = a=b", 12, "a=b"}));

TEST(LanguageFile, LaterLinesWinAndOtherLinesAreIgnored) {
    TextCatalogue texts = defaults();
    texts.applyLanguageText("Title of the file\r\n\r\nSTR12 = first\r\nremark\nSTR12 = second\rSTR13 = third");
    EXPECT_EQ(texts[12], "second");
    EXPECT_EQ(texts[13], "third");
    EXPECT_EQ(texts[14], "Close Configurator");
}

// Every kind of line end splits lines alike, wherever it stands.
TEST(LanguageFile, SplitsOnCrLfAndCrLf) {
    for (const char* content : {"STR12 = a\rSTR13 = b\r", "STR12 = a\n\rSTR13 = b", "STR12 = a\r\r\nSTR13 = b\n",
                                "\nSTR12 = a\nSTR13 = b", "\r\nSTR12 = a\r\n\r\nSTR13 = b\r\n\r\n"}) {
        TextCatalogue texts = defaults();
        texts.applyLanguageText(content);
        EXPECT_EQ(texts[12], "a") << content;
        EXPECT_EQ(texts[13], "b") << content;
    }
}

TEST(LanguageFile, InitLanguageFallsBackToEnglishThenToTheDefaults) {
    testing::TempDir dir;
    TextCatalogue texts;
    std::string name = "Klingon";
    texts.InitLanguage(dir.path(), name);
    EXPECT_EQ(name, "English");
    EXPECT_EQ(texts[12], "Information");

    dir.write("English.lng", "STR12 = Info\n");
    name = "Klingon";
    texts.InitLanguage(dir.path(), name);
    EXPECT_EQ(name, "English");
    EXPECT_EQ(texts[12], "Info");
}

TEST(LanguageFile, SwitchingLanguageRestoresUntranslatedDefaults) {
    testing::TempDir dir;
    dir.write("Italiano.lng", "STR20 = Imposta Comunicazione\n");
    dir.write("Other.lng", "STR21 = Y\n");
    TextCatalogue texts;
    std::string name = "Italiano";
    texts.InitLanguage(dir.path(), name);
    EXPECT_EQ(texts[20], "Imposta Comunicazione");
    name = "Other";
    texts.InitLanguage(dir.path(), name);
    EXPECT_EQ(texts[20], "Set Communication");
    EXPECT_EQ(name, "Other");
}

TEST(LanguageFile, EachEncodingIsReadByItsMark) {
    testing::TempDir dir;
    // "STR306 = ¶ è ¶" in each encoding.
    const std::string utf8 = "STR306 = \xC2\xB6 \xC3\xA8 \xC2\xB6\n";
    std::string utf16le = "\xFF\xFE", utf16be = "\xFE\xFF";
    for (char32_t c : std::u32string(U"STR306 = \u00B6 \u00E8 \u00B6\n")) {
        utf16le += static_cast<char>(c & 0xFF), utf16le += static_cast<char>(c >> 8);
        utf16be += static_cast<char>(c >> 8), utf16be += static_cast<char>(c & 0xFF);
    }
    const std::pair<const char*, std::string> files[] = {
        {"utf8-bom.lng", "\xEF\xBB\xBF" + utf8},
        {"utf16le.lng", utf16le},
        {"utf16be.lng", utf16be},
        {"cp1252.lng", "STR306 = \xB6 \xE8 \xB6\n"}, // no mark: Windows-1252
    };
    for (const auto& [name, bytes] : files) {
        TextCatalogue texts = defaults();
        texts.LoadLanguageFile(dir.write(name, bytes));
        EXPECT_EQ(texts[306], " \xC3\xA8 ") << name;
    }
}

TEST(LanguageFile, AnUnreadableFileIsReportedByName) {
    TextCatalogue texts = defaults();
    EXPECT_THROW(texts.LoadLanguageFile("/nonexistent/Deutsch.lng"), FileError);
    EXPECT_EQ(texts[12], "Information");
}

TEST(LanguageFile, TheCatalogueWrittenAsALanguageFileReadsBackExactly) {
    TextCatalogue texts = defaults();
    texts.set(5, "");
    texts.set(6, "  blanks at both ends  ");
    testing::TempDir dir;
    TextCatalogue read = defaults();
    read.LoadLanguageFile(dir.write("Saved.lng", texts.asLanguageFile()));
    for (int i = 0; i < TEXT_COUNT; ++i) ASSERT_EQ(read[i], texts[i]) << "entry " << i;
}

} // namespace
} // namespace corvane

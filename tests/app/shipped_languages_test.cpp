// The language files and flags shipped in LANGUAGE/ beside the configurator.
#include "tests/support/run_program.h"
#include "tests/support/temp_dir.h"
#include "text/text_catalogue.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane {
namespace {

namespace fs = std::filesystem;

const fs::path kLanguageDir = CORVANE_LANGUAGE_DIR;

// The texts of the windows this product shows: every non-blank English entry here must be translated.
constexpr std::pair<int, int> kProductBlocks[] = {
    {0, 40}, {100, 110}, {200, 207}, {300, 321}, {400, 599}, {600, 784}, {800, 837}, {900, 902},
    {1200, 1294}, {1800, 1871}, {2500, 2566},
};

TEST(ShippedLanguages, EnglishIsTheCatalogueAsTheCliPrintsIt) {
    const auto printed = testing::runProgram(CORVANE_CLI, {"texts"});
    ASSERT_EQ(printed.exitCode, 0);
    EXPECT_TRUE(testing::readFile(kLanguageDir / "English.lng") == printed.out)
        << "LANGUAGE/English.lng is out of date: run scripts/update-english-lng";
}

TEST(ShippedLanguages, EnglishReadsBackAsTheDefaults) {
    TextCatalogue defaults, read;
    defaults.FillDefaultTexts();
    read.FillDefaultTexts();
    for (int i = 0; i < TEXT_COUNT; ++i) read.set(i, "x");
    read.LoadLanguageFile(kLanguageDir / "English.lng");
    for (int i = 0; i < TEXT_COUNT; ++i) ASSERT_EQ(read[i], defaults[i]) << "entry " << i;
}

TEST(ShippedLanguages, ItalianoReplacesTheEnglishTexts) {
    TextCatalogue texts;
    std::string language = "Italiano";
    texts.InitLanguage(kLanguageDir, language);
    EXPECT_EQ(language, "Italiano");
    const std::pair<int, const char*> expected[] = {
        {20, "Imposta Comunicazione"}, {9, "Nessuna Configurazione Aperta "}, {306, " / "},
        {316, "Vuoi cambiare la lingua da "}, {317, " a "}, {610, "Dispositivo DALI ID 0"},
        {2561, "Luminosit\xC3\xA0"}, {1500, " "}, // an entry outside the product's windows keeps its default
    };
    for (const auto& [index, text] : expected) EXPECT_EQ(texts[index], text) << "entry " << index;

    language = "English";
    texts.InitLanguage(kLanguageDir, language);
    EXPECT_EQ(texts[20], "Set Communication");
}

TEST(ShippedLanguages, ItalianoTranslatesEveryTextOfTheProductsWindows) {
    TextCatalogue defaults, read;
    defaults.FillDefaultTexts();
    read.FillDefaultTexts();
    const std::string untouched = "\x01";
    for (int i = 0; i < TEXT_COUNT; ++i) read.set(i, untouched);
    read.LoadLanguageFile(kLanguageDir / "Italiano.lng");
    for (const auto& [first, last] : kProductBlocks)
        for (int i = first; i <= last; ++i)
            if (defaults[i] != " ") {
                EXPECT_NE(read[i], untouched) << "LANGUAGE/Italiano.lng lacks entry " << i << ": " << defaults[i];
            }
}

TEST(ShippedLanguages, EveryLanguageHasASmallFlagBitmap) {
    for (const char* name : {"English.bmp", "Italiano.bmp", "DefaultFlag.bmp"}) {
        const std::string bytes = testing::readFile(kLanguageDir / name);
        EXPECT_TRUE(bytes.starts_with("BM")) << name;
        EXPECT_LT(bytes.size(), 16u * 1024u) << name;
    }
}

} // namespace
} // namespace corvane

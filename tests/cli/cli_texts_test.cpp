#include "tests/support/run_program.h"
#include "tests/support/temp_dir.h"
#include "text/text_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvane {
namespace {

using testing::runProgram;

TEST(CliTexts, VersionAndUsage) {
    auto version = runProgram(CORVANE_CLI, {"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "1.300\n");

    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"frobnicate"}, {"texts", "--language"}, {"texts", "--lang", "x"}, {"--version", "x"}}) {
        auto result = runProgram(CORVANE_CLI, args);
        EXPECT_EQ(result.exitCode, 2) << ::testing::PrintToString(args);
        EXPECT_NE(result.err.find("usage"), std::string::npos);
        EXPECT_TRUE(result.out.empty());
    }
}

TEST(CliTexts, PrintsEveryEntryAsALanguageFileThatReadsBackExactly) {
    auto result = runProgram(CORVANE_CLI, {"texts"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), TEXT_COUNT);
    EXPECT_TRUE(result.out.starts_with("\xEF\xBB\xBFSTR0 = \xC2\xB6" "Begin\xC2\xB6\nSTR1 = \xC2\xB6Step 1\xC2\xB6\n"));
    EXPECT_NE(result.out.find("\nSTR306 = \xC2\xB6 / \xC2\xB6\n"), std::string::npos);

    // Saved as a file, the output loads back as the same catalogue.
    testing::TempDir dir;
    TextCatalogue defaults, read;
    defaults.FillDefaultTexts();
    read.FillDefaultTexts();
    for (int i = 0; i < TEXT_COUNT; ++i) read.set(i, "x");
    read.LoadLanguageFile(dir.write("Saved.lng", result.out));
    for (int i = 0; i < TEXT_COUNT; ++i) ASSERT_EQ(read[i], defaults[i]) << i;
}

TEST(CliTexts, AppliesALanguageFileFirst) {
    testing::TempDir dir;
    auto file = dir.write("Test.lng", "STR12 = Informazioni\n");
    auto result = runProgram(CORVANE_CLI, {"texts", "--language", file.string()});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("\nSTR12 = \xC2\xB6Informazioni\xC2\xB6\n"), std::string::npos);

    auto missing = runProgram(CORVANE_CLI, {"texts", "--language", (dir / "none.lng").string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("none.lng"), std::string::npos);
}

} // namespace
} // namespace corvane

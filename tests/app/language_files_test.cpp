#include "app/language_files.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

namespace fs = std::filesystem;

TEST(LanguageFiles, ListsWritableLanguageFilesInCaseInsensitiveOrder) {
    testing::TempDir dir;
    for (const char* name : {"italiano.lng", "English.lng", "Deutsch.LNG", ".hidden.lng", "notes.txt", "lng"})
        dir.write(name, "STR0 = x");
    fs::create_directories(dir / "Folder.lng");
    fs::permissions(dir.write("Locked.lng", "STR0 = x"), fs::perms::owner_write | fs::perms::group_write |
                                                             fs::perms::others_write, fs::perm_options::remove);
    const std::vector<std::string> expected = {".hidden.lng", "Deutsch.LNG", "English.lng", "italiano.lng"};
    EXPECT_EQ(listLanguageFiles(dir.path()), expected);
}

TEST(LanguageFiles, AMissingFolderListsNothing) {
    testing::TempDir dir;
    EXPECT_TRUE(listLanguageFiles(dir / "absent").empty());
}

TEST(LanguageFiles, NameDropsTheExtension) {
    EXPECT_EQ(languageNameOf("Italiano.lng"), "Italiano");
    EXPECT_EQ(languageNameOf(".lng"), "");
    EXPECT_EQ(languageNameOf("ab"), "");
}

TEST(LanguageFiles, FlagPictureFallsBackToTheDefaultFlag) {
    testing::TempDir dir;
    EXPECT_FALSE(flagPicture(dir.path(), "Deutsch").has_value());
    dir.write("DefaultFlag.bmp", "BM");
    EXPECT_EQ(flagPicture(dir.path(), "Deutsch"), dir / "DefaultFlag.bmp");
    dir.write("Deutsch.bmp", "BM");
    EXPECT_EQ(flagPicture(dir.path(), "Deutsch"), dir / "Deutsch.bmp");
}

} // namespace
} // namespace corvane

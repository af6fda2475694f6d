#include "app/settings_file.h"
#include "common/file_error.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace corvane {
namespace {

constexpr const char* kFull =
    "<Conf_Settings><lastproj><projectname>Plant A</projectname></lastproj>"
    "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd><lastlang><language>Italiano</language></lastlang>"
    "<lastinternet><enable_internet>1</enable_internet><enable_update>0</enable_update>"
    "<enable_jump_field_tables>1</enable_jump_field_tables><Double_Click_Auto_Size>1</Double_Click_Auto_Size>"
    "</lastinternet></Conf_Settings>";

TEST(SettingsFile, RoundTripsEveryKeyVerbatim) {
    AppState state;
    readSettingsXml(kFull, state);
    EXPECT_EQ(state.ProjectName, "Plant A");
    EXPECT_EQ(state.LastIpAddress, "10.0.0.7");
    EXPECT_EQ(state.LanguageName, "Italiano");
    EXPECT_TRUE(state.EnableInternet);
    EXPECT_FALSE(state.EnableUpdateCheck);
    EXPECT_TRUE(state.EnableJumpFieldTables);
    EXPECT_TRUE(state.DoubleClickAutoSize);
    EXPECT_EQ(settingsXml(state), kFull);
}

TEST(SettingsFile, DefaultsWrittenByAFirstStart) {
    AppState state;
    EXPECT_EQ(settingsXml(state),
              "<Conf_Settings><lastproj><projectname></projectname></lastproj><lastipadd><ipaddress>192.168.2.205</ipaddress>"
              "</lastipadd><lastlang><language>English</language></lastlang><lastinternet>"
              "<enable_internet>0</enable_internet><enable_update>0</enable_update>"
              "<enable_jump_field_tables>0</enable_jump_field_tables>"
              "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet></Conf_Settings>");
}

struct KeyCase {
    const char* name;
    const char* xml;
    bool internet, update, jump, autoSize;
    const char* ip;
};

class SettingsKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(SettingsKeyTest, EachKeyFallsBackAlone) {
    const KeyCase& c = GetParam();
    AppState state;
    readSettingsXml(c.xml, state);
    EXPECT_EQ(state.EnableInternet, c.internet);
    EXPECT_EQ(state.EnableUpdateCheck, c.update);
    EXPECT_EQ(state.EnableJumpFieldTables, c.jump);
    EXPECT_EQ(state.DoubleClickAutoSize, c.autoSize);
    EXPECT_EQ(state.LastIpAddress, c.ip);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsKeyTest,
    ::testing::Values(
        KeyCase{"NoEnableUpdate", "<C><lastinternet><enable_internet>1</enable_internet></lastinternet></C>", true,
                false, false, false, "192.168.2.205"},
        KeyCase{"TrueSpelledOut", "<C><lastinternet><enable_internet>true</enable_internet></lastinternet></C>",
                false, false, false, false, "192.168.2.205"},
        KeyCase{"ZeroOne", "<C><lastinternet><enable_internet>01</enable_internet></lastinternet></C>", false,
                false, false, false, "192.168.2.205"},
        KeyCase{"BlankBeforeOne", "<C><lastinternet><enable_update> 1</enable_update></lastinternet></C>", false,
                false, false, false, "192.168.2.205"},
        KeyCase{"LowerCaseAutoSize",
                "<C><lastinternet><double_click_auto_size>1</double_click_auto_size></lastinternet></C>", false,
                false, false, false, "192.168.2.205"},
        KeyCase{"EmptyAddressKeptEmpty", "<C><lastipadd><ipaddress></ipaddress></lastipadd></C>", false, false,
                false, false, ""},
        KeyCase{"CommentFirst", "<!--x--><Conf_Settings><lastipadd><ipaddress>1.2.3.4</ipaddress></lastipadd>"
                                "</Conf_Settings>",
                false, false, false, false, "192.168.2.205"},
        KeyCase{"FlagsOutsideTheirGroup", "<C><enable_internet>1</enable_internet></C>", false, false, false,
                false, "192.168.2.205"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsFile, MissingFileGivesDefaultsAndMalformedOneIsNamed) {
    testing::TempDir dir;
    AppState state;
    state.LanguageName = "Other";
    readSettingsFile(dir / "Corvane.xml", state);
    EXPECT_EQ(state.LanguageName, "English");

    dir.write("Corvane.xml", "<Conf_Settings><lastlang><language>Italiano</language>");
    try {
        readSettingsFile(dir / "Corvane.xml", state);
        FAIL();
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("Corvane.xml"), std::string::npos);
    }
    EXPECT_EQ(state.LanguageName, "English");
}

TEST(SettingsFile, WrittenFileReadsBack) {
    testing::TempDir dir;
    AppState state;
    readSettingsXml(kFull, state);
    writeSettingsFile(dir / "Corvane.xml", state);
    EXPECT_EQ(testing::readFile(dir / "Corvane.xml"), kFull);
}

// The file's identity: a rewrite replaces it with a new file (written beside it, then renamed).
ino_t fileId(const std::filesystem::path& path) {
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0);
    return info.st_ino;
}

TEST(SettingsFile, UnchangedSettingsLeaveTheFileAsItIsAndAChangeRewritesIt) {
    testing::TempDir dir;
    const auto path = dir / "Corvane.xml";
    AppState state;
    readSettingsXml(kFull, state);
    writeSettingsFile(path, state);
    const ino_t written = fileId(path);
    writeSettingsFile(path, state);
    EXPECT_EQ(fileId(path), written);
    EXPECT_EQ(testing::readFile(path), kFull);

    state.LanguageName = "English";
    writeSettingsFile(path, state);
    EXPECT_NE(fileId(path), written);
    AppState reread;
    readSettingsFile(path, reread);
    EXPECT_EQ(reread.LanguageName, "English");
}

TEST(SettingsFile, AFileWithOtherBytesIsRewrittenEvenWhenItReadsTheSame) {
    testing::TempDir dir;
    const auto path = dir / "Corvane.xml";
    dir.write("Corvane.xml", std::string(kFull) + "\n");
    AppState state;
    readSettingsFile(path, state);
    writeSettingsFile(path, state);
    EXPECT_EQ(testing::readFile(path), kFull);
}

} // namespace
} // namespace corvane

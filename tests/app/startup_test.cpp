#include "app/settings_file.h"
#include "app/startup.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

namespace fs = std::filesystem;

TEST(StartUp, FirstStartInAnEmptyFolder) {
    testing::TempDir dir;
    AppState state;
    EXPECT_TRUE(startUp(state, dir.path()).empty());
    for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"}) EXPECT_TRUE(fs::is_directory(dir / folder));
    EXPECT_EQ(state.ProjectsDir, dir / "PROJECTS");
    EXPECT_EQ(state.LanguageName, "English");
    EXPECT_FALSE(state.hasProject());
    EXPECT_TRUE(state.ProjectDir.empty());
    EXPECT_TRUE(state.UpdateReadBack);
    EXPECT_EQ(state.SoftwareCode, "QS51207");
    EXPECT_EQ(state.AppCaption, "Telvornet - Configurator QS51207 - DALI / Ethernet ");
    EXPECT_EQ(state.Texts[9], "None Configuration Opened ");
}

TEST(StartUp, RestoresTheLastConfigurationWhenItsFolderExists) {
    testing::TempDir dir;
    fs::create_directories(dir / "PROJECTS" / "Plant A");
    dir.write("Corvane.xml", "<Conf_Settings><lastproj><projectname>Plant A</projectname></lastproj></Conf_Settings>");
    AppState state;
    startUp(state, dir.path());
    EXPECT_EQ(state.ProjectName, "Plant A");
    EXPECT_EQ(state.Files.ParGenPath, dir / "PROJECTS" / "Plant A" / "ParGen.xml");
    EXPECT_EQ(state.Files.SnmpManagerPath, dir / "PROJECTS" / "Plant A" / "SNMP_Manager.xml");
}

TEST(StartUp, AMissingOrUnsafeLastConfigurationIsForgotten) {
    for (const char* name : {"Gone", "..", "../PROJECTS", "."}) {
        testing::TempDir dir;
        dir.write("Corvane.xml",
                  std::string("<Conf_Settings><lastproj><projectname>") + name + "</projectname></lastproj></Conf_Settings>");
        AppState state;
        startUp(state, dir.path());
        EXPECT_FALSE(state.hasProject()) << name;
        EXPECT_NE(settingsXml(state).find("<projectname></projectname>"), std::string::npos) << name;
    }
}

TEST(StartUp, AMalformedSettingsFileIsReportedAndTheDefaultsApply) {
    testing::TempDir dir;
    dir.write("Corvane.xml", "<Conf_Settings><lastlang>");
    AppState state;
    auto problems = startUp(state, dir.path());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("Corvane.xml"), std::string::npos);
    EXPECT_EQ(state.LastIpAddress, "192.168.2.205");
}

TEST(StartUp, PlainFolderNames) {
    for (const char* good : {"Plant A", "a.b", "x..y"}) EXPECT_TRUE(isPlainFolderName(good)) << good;
    for (const char* bad : {"", ".", "..", "a/b", "a\\b", "C:x", "/abs", "tab\there"})
        EXPECT_FALSE(isPlainFolderName(bad)) << bad;
}

} // namespace
} // namespace corvane

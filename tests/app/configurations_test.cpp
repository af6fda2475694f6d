#include "app/configuration_list.h"
#include "app/new_configuration.h"
#include "app/startup.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

namespace fs = std::filesystem;

class Configurations : public ::testing::Test {
protected:
    void SetUp() override { startUp(state, dir.path()); }
    testing::TempDir dir;
    AppState state;
};

TEST_F(Configurations, ANewConfigurationGetsItsFoldersAndBecomesActive) {
    ASSERT_EQ(createConfiguration(state, "Plant A"), NewConfigurationOutcome::Created);
    EXPECT_TRUE(fs::is_directory(dir / "PROJECTS" / "Plant A" / "bin"));
    EXPECT_EQ(state.ProjectName, "Plant A");
    EXPECT_EQ(state.ProjectDir, dir / "PROJECTS" / "Plant A");
    EXPECT_EQ(state.Files.ParGenPath, dir / "PROJECTS" / "Plant A" / "ParGen.xml");
}

TEST_F(Configurations, BlanksOfTheTypedNameAreKept) {
    ASSERT_EQ(createConfiguration(state, " Plant "), NewConfigurationOutcome::Created);
    EXPECT_EQ(state.ProjectName, " Plant ");
    EXPECT_TRUE(fs::is_directory(dir / "PROJECTS" / " Plant "));
}

// Every refused name leaves the previous configuration active and creates nothing anywhere.
TEST_F(Configurations, RefusedNamesChangeNothing) {
    fs::create_directories(dir / "PROJECTS" / "Existing");
    fs::create_directories(dir / "PROJECTS" / "Active");
    state.activateProject("Active");
    dir.write("PROJECTS/plain file", "x");
    const struct {
        const char* name;
        NewConfigurationOutcome outcome;
        int text;
    } cases[] = {
        {"", NewConfigurationOutcome::EmptyName, 107},
        {"Existing", NewConfigurationOutcome::AlreadyExists, 106},
        {"plain file", NewConfigurationOutcome::Refused, 105},
        {".", NewConfigurationOutcome::Refused, 105},
        {"..", NewConfigurationOutcome::Refused, 105},
        {"../Outside", NewConfigurationOutcome::Refused, 105},
        {"a/b", NewConfigurationOutcome::Refused, 105},
        {"a\\b", NewConfigurationOutcome::Refused, 105},
        {"/tmp/abs", NewConfigurationOutcome::Refused, 105},
        {"C:x", NewConfigurationOutcome::Refused, 105},
        {"tab\there", NewConfigurationOutcome::Refused, 105},
    };
    const auto before = listConfigurations(dir / "PROJECTS");
    for (const auto& c : cases) {
        EXPECT_EQ(createConfiguration(state, c.name), c.outcome) << c.name;
        EXPECT_EQ(messageText(c.outcome), c.text) << c.name;
        EXPECT_EQ(state.ProjectName, "Active") << c.name;
    }
    EXPECT_EQ(listConfigurations(dir / "PROJECTS"), before);
    EXPECT_FALSE(fs::exists(dir / "Outside"));
    EXPECT_FALSE(fs::exists(dir / "PROJECTS" / "a"));
}

TEST_F(Configurations, AMissingProjectsFolderIsNotRecreated) {
    fs::remove_all(dir / "PROJECTS");
    EXPECT_EQ(createConfiguration(state, "Plant"), NewConfigurationOutcome::Refused);
    EXPECT_FALSE(state.hasProject());
}

TEST_F(Configurations, TheListHoldsVisibleFoldersOnlyInAlphabeticalOrder) {
    for (const char* name : {"b", "C", "A", ".hidden"}) fs::create_directories(dir / "PROJECTS" / name);
    dir.write("PROJECTS/file.xml", "");
    EXPECT_EQ(listConfigurations(dir / "PROJECTS"), (std::vector<std::string>{"A", "b", "C"}));
    EXPECT_TRUE(listConfigurations(dir / "missing").empty());
}

TEST(ConfigurationSearch, IgnoresTheCaseOfAsciiLetters) {
    const std::vector<std::string> names = {"A", "B", "Bb", "C"};
    const struct {
        const char* wanted;
        int index;
    } cases[] = {{"B", 1}, {"b", 1}, {"bB", 2}, {"D", -1}, {"", -1}, {"B ", -1}};
    for (const auto& c : cases) EXPECT_EQ(Search_Open_Conf(names, c.wanted), c.index) << c.wanted;
}

TEST(ConfigurationSearch, TheCurrentNameComesFromTheProjectFolder) {
    const fs::path projects = "/x/PROJECTS";
    EXPECT_EQ(currentConfigurationName(projects, projects / "Plant A"), "Plant A");
    EXPECT_EQ(currentConfigurationName(projects, ""), "");
    EXPECT_EQ(currentConfigurationName(projects, "/elsewhere/Plant A"), "");
}

} // namespace
} // namespace corvane

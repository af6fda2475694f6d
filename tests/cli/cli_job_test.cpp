// corvane-cli job: the job file as the update window writes it, and the refusals.
#include "tests/support/run_program.h"
#include "tests/support/temp_dir.h"
#include "update/update_job_file.h"

#include <gtest/gtest.h>

#include <sstream>

namespace corvane {
namespace {

using testing::readFile;
using testing::runProgram;
using testing::TempDir;

std::vector<std::string> jobArgs(const std::string& dir, const std::string& project, const std::string& ip,
                                 const std::string& option, const std::string& readBack) {
    return {"job", "--app-dir", dir, "--project", project, "--ip", ip, "--option", option, "--read-back", readBack};
}

TEST(CliJob, WritesTheJobOfTheWindowWithAbsoluteFolders) {
    TempDir app;
    const struct {
        std::string ip, option, readBack;
    } cases[] = {{"192.168.0.10", "0", "1"}, {"192.168.0.010", "1", "0"}, {" 10. 0.0.1", "2", "0"}};
    for (const auto& c : cases) {
        // A relative folder is made absolute from the working directory.
        auto result = runProgram(CORVANE_CLI, jobArgs(".", "Hall A", c.ip, c.option, c.readBack), app.path());
        ASSERT_EQ(result.exitCode, 0) << result.err;

        pugi::xml_document expected;
        const auto dir = std::filesystem::canonical(app.path());
        buildUpdateJob(expected, {dir / "MASTER", dir / "PROJECTS" / "Hall A", c.ip, c.option[0] - '0', c.readBack == "1"});
        std::ostringstream text;
        expected.save(text, "", pugi::format_raw | pugi::format_no_declaration);
        EXPECT_EQ(readFile(app / "Ethernet_Update.xml"), text.str()) << c.ip;
    }
}

TEST(CliJob, RefusesBadUsageAndWritesNothing) {
    TempDir app;
    const std::string dir = app.path().string();
    const std::vector<std::vector<std::string>> cases = {
        {"job"},
        jobArgs(dir, "P", "1.2.3.4", "3", "1"),
        jobArgs(dir, "P", "1.2.3.4", "-1", "1"),
        jobArgs(dir, "P", "1.2.3.4", "0", "yes"),
        jobArgs(dir, "../outside", "1.2.3.4", "0", "1"),
        jobArgs(dir, "a/b", "1.2.3.4", "0", "1"),
        jobArgs(dir, "", "1.2.3.4", "0", "1"),
        {"job", "--app-dir", dir, "--app-dir", dir, "--ip", "1.2.3.4", "--option", "0", "--read-back", "1"},
        {"job", "--app-dir", dir, "--project", "P", "--ip", "1.2.3.4", "--option", "0"},
    };
    for (const auto& args : cases) {
        auto result = runProgram(CORVANE_CLI, args);
        EXPECT_EQ(result.exitCode, 2) << ::testing::PrintToString(args);
        EXPECT_FALSE(result.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(app / "Ethernet_Update.xml"));
}

TEST(CliJob, MissingFolderFails) {
    TempDir app;
    auto result = runProgram(CORVANE_CLI, jobArgs((app / "missing").string(), "P", "1.2.3.4", "0", "1"));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Ethernet_Update.xml"), std::string::npos);
}

} // namespace
} // namespace corvane

// corvane-cli build and inspect, run as the built program.
#include "image/image_builder.h"
#include "tests/support/run_program.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::runProgram;
using testing::TempDir;

const fs::path kSample = fs::path(CORVANE_IMAGE_TEST_DATA) / "sample";

// A copy of the sample configuration, so the build writes into a folder of the test's own.
fs::path copySample(const TempDir& dir) {
    const fs::path folder = dir / "Plant";
    fs::create_directories(folder);
    for (const auto& entry : fs::directory_iterator(kSample)) fs::copy_file(entry.path(), folder / entry.path().filename());
    return folder;
}

std::string bytesOf(const ImageBuffer& image) {
    auto used = image.usedBytes();
    return {reinterpret_cast<const char*>(used.data()), used.size()};
}

TEST(CliBuild, WritesTheSameImagesAsTheWindowAndSummarises) {
    TempDir dir;
    const fs::path folder = copySample(dir);
    const auto result = runProgram(CORVANE_CLI, {"build", folder.string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    for (const char* line : {"enabled rules: 2\n", "functions: 2\n", "enabled channels: 3\n",
                             "bank.bin settings checksum: 0x00000E4D\n", "bank_ESP32_1.bin settings checksum: 0x00000DCF\n"})
        EXPECT_NE(result.out.find(line), std::string::npos) << line << result.out;

    // The Update Device button calls the same two functions.
    const BuiltImages images = BuildImages(ProjectFileSet::inside(folder), '.');
    EXPECT_EQ(readFile(folder / "bin/bank.bin"), bytesOf(images.ConfigImage));
    EXPECT_EQ(readFile(folder / "bin/bank_ESP32_1.bin"), bytesOf(images.AuxSettingsImage));
    EXPECT_EQ(readFile(folder / "bin/bank_ESP32_2.bin"), bytesOf(images.AuxTablesImage));
}

TEST(CliBuild, AStoppedBuildPrintsOneLineAndWritesNoImage) {
    TempDir dir;
    const fs::path folder = copySample(dir);
    // An enabled rule without its Function attribute stops the build.
    std::ofstream(folder / "DALI2_Access.xml")
        << "<DALI2_Access><DALI2_SetAccess_Rules><row Enable=\"Y\" DeviceSensor=\"Device\"/></DALI2_SetAccess_Rules></DALI2_Access>";
    const auto result = runProgram(CORVANE_CLI, {"build", folder.string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_NE(result.err.find("DALI2_Access.xml"), std::string::npos);
    EXPECT_NE(result.err.find("has no Function attribute"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "bin"));
}

TEST(CliBuild, MalformedXmlAndMissingFoldersFail) {
    TempDir dir;
    dir.write("Bad/ParGen.xml", "<Par_Gen>");
    const auto malformed = runProgram(CORVANE_CLI, {"build", (dir / "Bad").string()});
    EXPECT_EQ(malformed.exitCode, 1);
    EXPECT_NE(malformed.err.find("ParGen.xml"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "Bad/bin"));

    const auto missing = runProgram(CORVANE_CLI, {"build", (dir / "None").string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(fs::exists(dir / "None"));
}

TEST(CliImage, BadUsage) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"build"}, {"build", "a", "b"}, {"inspect"}, {"inspect", "a", "b"}, {"inspect", "--x"}}) {
        const auto result = runProgram(CORVANE_CLI, args);
        EXPECT_EQ(result.exitCode, 2) << ::testing::PrintToString(args);
        EXPECT_NE(result.err.find("usage"), std::string::npos);
    }
}

TEST(CliInspect, DecodesEachImageOfABuild) {
    TempDir dir;
    const fs::path folder = copySample(dir);
    ASSERT_EQ(runProgram(CORVANE_CLI, {"build", folder.string()}).exitCode, 0);

    const auto config = runProgram(CORVANE_CLI, {"inspect", (folder / "bin/bank.bin").string()});
    ASSERT_EQ(config.exitCode, 0) << config.err;
    EXPECT_TRUE(config.out.starts_with("Image bank.bin (10496 bytes)\n"));
    EXPECT_NE(config.out.find("  IpAddress = 10.1.2.3\n"), std::string::npos);
    EXPECT_NE(config.out.find("  Checksum = 0x00000E4D (3661), matches\n"), std::string::npos);
    EXPECT_NE(config.out.find("  function 2: Multiplication (1), No Condition (0), Value 12.5,"), std::string::npos);
    EXPECT_NE(config.out.find("  channel 5: enabled, Recall Old Value Level for Switch (0x8010)\n"), std::string::npos);

    const auto aux = runProgram(CORVANE_CLI, {"inspect", (folder / "bin/bank_ESP32_1.bin").string()});
    EXPECT_EQ(aux.exitCode, 0);
    EXPECT_NE(aux.out.find("  Checksum = 0x00000DCF (3535), matches\n"), std::string::npos);
    const auto tables = runProgram(CORVANE_CLI, {"inspect", (folder / "bin/bank_ESP32_2.bin").string()});
    EXPECT_EQ(tables.exitCode, 0);
    EXPECT_NE(tables.out.find("  rule 0: Sensor, Type Push Button (1)"), std::string::npos);
}

TEST(CliInspect, UnreadableOrUnknownFilesFailWithOneLine) {
    TempDir dir;
    const auto odd = runProgram(CORVANE_CLI, {"inspect", dir.write("odd.bin", "12345").string()});
    EXPECT_EQ(odd.exitCode, 1);
    EXPECT_EQ(odd.out, "");
    EXPECT_NE(odd.err.find("odd.bin"), std::string::npos);
    EXPECT_NE(odd.err.find("5 bytes"), std::string::npos);
    EXPECT_EQ(std::count(odd.err.begin(), odd.err.end(), '\n'), 1);

    const auto missing = runProgram(CORVANE_CLI, {"inspect", (dir / "none.bin").string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("none.bin"), std::string::npos);
}

} // namespace
} // namespace corvane

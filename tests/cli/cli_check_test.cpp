#include "tests/support/run_program.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvane {
namespace {

using testing::runProgram;

struct Case {
    const char* name;
    const char* parGen; // nullptr: no file
    int exitCode;
    std::string out;
};

class CliCheck : public ::testing::TestWithParam<Case> {};

TEST_P(CliCheck, PrintsEveryFailingRuleOfEachFile) {
    const Case& c = GetParam();
    testing::TempDir dir;
    if (c.parGen) dir.write("ParGen.xml", c.parGen);
    auto result = runProgram(CORVANE_CLI, {"check", dir.path().string()});
    EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
    EXPECT_EQ(result.out, c.out);
}

INSTANTIATE_TEST_SUITE_P(ParGen, CliCheck, ::testing::Values(
    Case{"noFile", nullptr, 0, "no problems\n"},
    Case{"defaultsForMissingKeys", "<Par_Gen/>", 0, "no problems\n"},
    Case{"onePort", "<Par_Gen><DALI_CONSOLE_PORT>10000</DALI_CONSOLE_PORT></Par_Gen>", 1,
         "ParGen.xml: Error DALI!! DALI Console Port must be between 0 and 65535 and different from 10000\n"},
    Case{"allInTheWindowsOrder",
         "<Par_Gen><DALI_TIMEOUT>-5</DALI_TIMEOUT><DALI_SWITCH_OFF>1</DALI_SWITCH_OFF><MTCPs_SUB4>256</MTCPs_SUB4>"
         "<MTCPs_EN_GAT>1</MTCPs_EN_GAT><MTCPs_GAT2></MTCPs_GAT2><MTCPs_IP1>1a</MTCPs_IP1></Par_Gen>",
         1,
         "ParGen.xml: Error Ethernet!! IP Address 1 must be between 0 and 255\n"
         "ParGen.xml: Error Ethernet!! SUBNET Mask 4 must be between 0 and 255\n"
         "ParGen.xml: Error Ethernet!! GATEWAY IP 2 must be between 0 and 255\n"
         "ParGen.xml: Error DALI!! TimeOut must be between 0 and 3600000 ms\n"},
    Case{"switchedOffOptionsAreNotChecked",
         "<Par_Gen><MTCPs_EN_GAT>true</MTCPs_EN_GAT><MTCPs_GAT1>x</MTCPs_GAT1><DALI_TIMEOUT>x</DALI_TIMEOUT></Par_Gen>",
         0, "no problems\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliCheckErrors, AMalformedFileIsOneLineNamingItAndTheParseError) {
    testing::TempDir dir;
    dir.write("ParGen.xml", "<Par_Gen>\n<MTCPs_IP1>1</Par_Gen>");
    auto result = runProgram(CORVANE_CLI, {"check", dir.path().string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.starts_with("ParGen.xml: is not valid XML: ")) << result.out;
    EXPECT_NE(result.out.find("line 2"), std::string::npos) << result.out;
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 1);
}

TEST(CliCheckErrors, BadUsage) {
    testing::TempDir dir;
    auto file = dir.write("plain.txt", "x");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"check"}, {"check", dir.path().string(), "extra"}, {"check", file.string()},
             {"check", (dir / "missing").string()}}) {
        auto result = runProgram(CORVANE_CLI, args);
        EXPECT_EQ(result.exitCode, 2) << ::testing::PrintToString(args);
        EXPECT_NE(result.err.find("usage: corvane-cli check CONFIG_DIR"), std::string::npos);
        EXPECT_TRUE(result.out.empty());
    }
}

} // namespace
} // namespace corvane

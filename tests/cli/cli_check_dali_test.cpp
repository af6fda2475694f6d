// corvane-cli check on DALI2_Access.xml: every row's first problem, in the window's order.
#include "tests/support/run_program.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::runProgram;

std::string rule(const char* enable, const char* channel, const char* function, const char* position) {
    return std::string("<row Enable=\"") + enable +
           "\" DeviceSensor=\"Device\" Type=\"led lamp\" ChannelNumber=\"" + channel +
           "\" Instance=\"0\" Command=\"0\" TimeSend=\"1000\" TimeOut=\"1000\" Function=\"" + function +
           "\" Position=\"" + position + "\" NumBytes=\"1\" Mnemonic=\"\"/>";
}

std::string function(const char* condition, const char* value, const char* next) {
    return std::string("<row Function=\"Toggle\" Condition=\"") + condition + "\" Value=\"" + value +
           "\" Channel=\"DALI Broadcast\" Val=\"\" Next_Function=\"" + next + "\" Mnemonic=\"\"/>";
}

std::string file(const std::string& functions, const std::string& rules) {
    return "<DALI2_Access><DALI2_Functions_Rules>" + functions +
           "</DALI2_Functions_Rules><DALI2_SetAccess_Rules>" + rules +
           "</DALI2_SetAccess_Rules></DALI2_Access>";
}

TEST(CliCheckDali, ValidTablesHaveNoProblems) {
    testing::TempDir dir;
    dir.write("DALI2_Access.xml",
              file(function("No Condition", "12,5", "1"), rule("Y", "3", "1 - a", "1440")));
    auto result = runProgram(CORVANE_CLI, {"check", dir.path().string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "no problems\n");
}

TEST(CliCheckDali, PrintsEveryRowsFirstProblemInTheWindowsOrder) {
    testing::TempDir dir;
    dir.write(
        "DALI2_Access.xml",
        file(function("No Condition", "1", "5") + function("When Greater to Value", "Short Press", "9") +
                 function("", "", "0"),
             rule("Y", "99", "3 - x", "2000") + rule("N", "99", "", "") + rule("Y", "1", "3 - x", "0")));
    auto result = runProgram(CORVANE_CLI, {"check", dir.path().string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out,
              "DALI2_Access.xml: Function - Error Row 2!! Condition for this Event / Value must be \"When "
              "Equal to Value\"\n"
              "DALI2_Access.xml: Functions - Error Row 3!! Condition cannot be empty\n"
              "DALI2_Access.xml: Functions - Error Row 1!! Next Function must be between 0 and 3\n"
              "DALI2_Access.xml: Set Access - Error Row 1!! Channel Number Must be Between 0 and 63\n");
}

TEST(CliCheckDali, FunctionNumberBeyondTheFunctionsIsReported) {
    testing::TempDir dir;
    dir.write("DALI2_Access.xml",
              file(function("No Condition", "1", "0") + function("No Condition", "2", "0"),
                   rule("Y", "1", "3 - third", "0")));
    auto result = runProgram(CORVANE_CLI, {"check", dir.path().string()});
    EXPECT_EQ(result.out, "DALI2_Access.xml: Set Access - Error Row 1!! Function Must be between 0 and 2\n");
}

TEST(CliCheckDali, MalformedFileIsReported) {
    testing::TempDir dir;
    dir.write("DALI2_Access.xml", "<DALI2_Access>");
    auto result = runProgram(CORVANE_CLI, {"check", dir.path().string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out.rfind("DALI2_Access.xml: is not valid XML", 0), 0u) << result.out;
}

} // namespace
} // namespace corvane

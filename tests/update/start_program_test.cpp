// Starting the updater and waiting for it, with real helper programs and with a scripted clock.
#include "tests/support/temp_dir.h"
#include "tests/update/scripted_clock.h"
#include "update/start_program.h"
#include "update/system_process_runner.h"

#include <gtest/gtest.h>

#include <thread>

namespace corvane {
namespace {

using std::chrono::milliseconds;
using testing::readFile;
using testing::TempDir;

TEST(StartProgram, QuickUpdaterEndsTheWaitWithoutArguments) {
    TempDir app;
    SystemProcessRunner runner;
    int ticks = 0;
    const auto outcome = Start_Program(runner, UPDATER_QUICK, app.path(), realWaitClock(),
                                       [&](milliseconds) { ++ticks; });
    EXPECT_EQ(outcome, StartOutcome::Ended);
    EXPECT_EQ(readFile(app / "started.txt"), "arguments 0\n"); // ran in the folder it was given
}

TEST(StartProgram, SlowUpdaterKeepsRunningAfterTheLimit) {
    TempDir app;
    SystemProcessRunner runner;
    milliseconds lastWaited{0};
    const auto outcome = Start_Program(runner, UPDATER_SLOW, app.path(), realWaitClock(),
                                       [&](milliseconds waited) { lastWaited = waited; }, milliseconds(200));
    EXPECT_EQ(outcome, StartOutcome::StillRunning);
    EXPECT_GE(lastWaited, milliseconds(200));
    EXPECT_FALSE(std::filesystem::exists(app / "finished.txt"));
    // It was not ended at the limit: it finishes its work on its own.
    for (int i = 0; i < 500 && !std::filesystem::exists(app / "finished.txt"); ++i)
        std::this_thread::sleep_for(milliseconds(10));
    EXPECT_TRUE(std::filesystem::exists(app / "finished.txt"));
}

TEST(StartProgram, MissingUpdaterReturnsAtOnce) {
    TempDir app;
    SystemProcessRunner runner;
    testing::ScriptedClock clock;
    int ticks = 0;
    const auto outcome = Start_Program(runner, app / "Ethernet_Update", app.path(), clock.hooks(),
                                       [&](milliseconds) { ++ticks; });
    EXPECT_EQ(outcome, StartOutcome::NotStarted);
    EXPECT_EQ(ticks, 0);
}

// A process that never ends, on a scripted clock: the wait gives up after exactly 150 s of 10-ms polls.
TEST(StartProgram, WaitsAtMostOneHundredFiftySeconds) {
    struct Endless : ProcessRunner {
        struct Running : Process {
            bool finished() override { return false; }
        };
        std::unique_ptr<Process> start(const std::string&, const std::string&) override {
            return std::make_unique<Running>();
        }
    } runner;
    testing::ScriptedClock clock;
    const auto start = clock.time;
    int ticks = 0;
    const auto outcome = Start_Program(runner, "Ethernet_Update", "/", clock.hooks(), [&](milliseconds) { ++ticks; });
    EXPECT_EQ(outcome, StartOutcome::StillRunning);
    EXPECT_EQ(clock.time - start, milliseconds(150000));
    EXPECT_EQ(ticks, 15000);
}

} // namespace
} // namespace corvane

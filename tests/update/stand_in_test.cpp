// The stand-in updater as the configurator starts it: from its own folder, without arguments.
#include "tests/support/run_program.h"
#include "tests/update/sample_images.h"
#include "update/update_job_file.h"
#include "update/update_job_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace corvane {
namespace {

using testing::readFile;
using testing::runProgram;
using testing::TempDir;

// An application folder holding a copy of the stand-in, MASTER with firmware and a configuration with images.
class StandIn : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(ETHERNET_UPDATE, app / "Ethernet_Update");
        testing::writeSampleFirmware(app / "MASTER");
        testing::writeSampleImages(project());
    }
    std::filesystem::path project() const { return app / "PROJECTS" / "Demo"; }
    void writeJob(int option) { Compile_XML_Parameter({app / "MASTER", project(), "192.168.0.10", option, true}, app.path()); }
    // Started from another folder, as the configurator may be: it still finds its job beside itself.
    testing::ProgramResult run() { return runProgram((app / "Ethernet_Update").string(), {}, "/"); }

    TempDir app;
};

TEST_F(StandIn, ReadyJobExitsZeroAndLogsTheSameReport) {
    writeJob(kUpdateFirmwareAndConfiguration);
    auto result = run();
    EXPECT_EQ(result.exitCode, 0) << result.out;
    EXPECT_NE(result.out.find("nothing is sent to any device"), std::string::npos);
    EXPECT_NE(result.out.find("device 192.168.0.10\n"), std::string::npos);
    EXPECT_NE(result.out.find("ESP32 operation 4 (" + (project() / "bin" / "bank_ESP32_2.bin").string() +
                              ") at 0x310000: ready\n"),
              std::string::npos);
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 2 + 7);
    EXPECT_EQ(readFile(app / "Ethernet_Update.log"), result.out);
}

TEST_F(StandIn, MissingFirmwareAndTamperedImageExitOne) {
    std::filesystem::remove(app / "MASTER" / "Sim51207.sim");
    testing::tamper(project() / "bin" / "bank.bin", 0x2010);
    writeJob(kUpdateFirmwareAndConfiguration);
    auto result = run();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.out.find("main operation 1 (" + (app / "MASTER" / "Sim51207.sim").string() + ") at 0x8000: missing\n"),
              std::string::npos);
    EXPECT_NE(result.out.find("main operation 3 (" + (project() / "bin" / "bank.bin").string() +
                              ") at 0x66000: bad checksum (stored "),
              std::string::npos);
    EXPECT_EQ(readFile(app / "Ethernet_Update.log"), result.out);
}

TEST_F(StandIn, BrokenOrMissingJobExitsOne) {
    auto missing = run();
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.out.find("job file: "), std::string::npos);

    std::ofstream(app / "Ethernet_Update.xml") << "<Ethernet_Update><IP_Address_Dev>1.2.3.4";
    auto broken = run();
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_NE(broken.out.find("is not valid XML"), std::string::npos);
    EXPECT_EQ(readFile(app / "Ethernet_Update.log"), broken.out);
}

TEST_F(StandIn, HelpSaysItSendsNothing) {
    auto help = runProgram((app / "Ethernet_Update").string(), {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("It sends nothing to any device"), std::string::npos);
    EXPECT_EQ(runProgram((app / "Ethernet_Update").string(), {"--frobnicate"}).exitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(app / "Ethernet_Update.log"));
}

} // namespace
} // namespace corvane

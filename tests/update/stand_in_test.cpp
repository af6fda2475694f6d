// The stand-in updater as the configurator starts it: from its own folder, without arguments.
#include "tests/support/run_program.h"
#include "tests/update/real_configuration.h"
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

// Images built from saved settings and DALI channels, as the update button writes them.
TEST(StandInRealConfiguration, ConfigurationReadyFirmwareMissingTamperedImageBad) {
    TempDir app;
    std::filesystem::copy_file(ETHERNET_UPDATE, app / "Ethernet_Update");
    std::filesystem::create_directories(app / "MASTER"); // no firmware shipped here
    const auto project = app / "PROJECTS" / "Hall";
    testing::saveAndBuildConfiguration(project);
    const auto run = [&](int option) {
        Compile_XML_Parameter({app / "MASTER", project, "127.0.0.1", option, true}, app.path());
        return runProgram((app / "Ethernet_Update").string(), {});
    };

    auto configuration = run(kUpdateConfiguration);
    EXPECT_EQ(configuration.exitCode, 0) << configuration.out;
    EXPECT_EQ(std::count(configuration.out.begin(), configuration.out.end(), '\n'), 2 + 3);

    for (int option : {kUpdateFirmware, kUpdateFirmwareAndConfiguration}) {
        auto firmware = run(option);
        EXPECT_EQ(firmware.exitCode, 1);
        for (const char* name : {"Sim51207.sim", "web_files_dali.bin", "Sim51207_ESP32.sim"})
            EXPECT_NE(firmware.out.find(name + std::string(") at 0x"), 0), std::string::npos) << name;
        EXPECT_EQ(std::count(firmware.out.begin(), firmware.out.end(), '\n') - 2,
                  option == kUpdateFirmware ? 4 : 7);
        EXPECT_NE(firmware.out.find("Sim51207.sim) at 0x8000: missing\n"), std::string::npos) << firmware.out;
    }

    testing::tamper(project / "bin" / "bank_ESP32_1.bin", 0x2C);
    auto tampered = run(kUpdateConfiguration);
    EXPECT_EQ(tampered.exitCode, 1);
    EXPECT_NE(tampered.out.find("bank_ESP32_1.bin) at 0x9000: bad checksum"), std::string::npos) << tampered.out;
    EXPECT_NE(tampered.out.find("bank.bin) at 0x66000: ready"), std::string::npos) << tampered.out;
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

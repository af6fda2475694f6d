// The update job file: compared byte for byte with golden files for each update option.
#include "common/file_error.h"
#include "common/text_util.h"
#include "tests/support/temp_dir.h"
#include "update/update_job_file.h"
#include "update/update_job_layout.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::readFile;
using testing::TempDir;

const std::filesystem::path kData = CORVANE_UPDATE_TEST_DATA;

UpdateJob jobFor(std::string ip, int option, bool readBack) {
    return {"/corvane/MASTER", "/corvane/PROJECTS/Demo", std::move(ip), option, readBack};
}

struct GoldenCase {
    const char* golden;
    UpdateJob job;
};

class UpdateJobGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(UpdateJobGolden, WritesTheFileByteForByte) {
    TempDir app;
    Compile_XML_Parameter(GetParam().job, app.path());
    EXPECT_EQ(readFile(app / "Ethernet_Update.xml"), readFile(kData / GetParam().golden));
}

INSTANTIATE_TEST_SUITE_P(
    Options, UpdateJobGolden,
    ::testing::Values(GoldenCase{"job_all_read_back.xml", jobFor("192.168.0.10", kUpdateFirmwareAndConfiguration, true)},
                      GoldenCase{"job_firmware.xml", jobFor("192.168.0.10", kUpdateFirmware, true)},
                      GoldenCase{"job_configuration_no_read_back.xml",
                                 jobFor("192.168.0.10", kUpdateConfiguration, false)},
                      GoldenCase{"job_no_selection.xml", jobFor("192.168.0.10", kUpdateNoSelection, true)},
                      GoldenCase{"job_address_as_typed.xml", jobFor("192. 168.0.010", kUpdateConfiguration, true)}),
    [](const auto& info) {
        std::string name = info.param.golden;
        return name.substr(4, name.size() - 8);
    });

// The values that differ per operation, read back from the document, so a failing golden comparison
// is explained by the rows that went wrong.
std::vector<std::string> column(const pugi::xml_node operations, const char* element) {
    std::vector<std::string> values;
    for (pugi::xml_node operation : operations.children("Operation")) values.push_back(operation.child(element).text().get());
    return values;
}

TEST(UpdateJobFile, GoToAppAfterFollowsTheOption) {
    struct Case {
        int option;
        std::vector<std::string> main, aux;
    };
    const Case cases[] = {
        {kUpdateFirmwareAndConfiguration, {"0", "0", "1"}, {"0", "0", "0", "1"}},
        {kUpdateFirmware, {"1", "1"}, {"1", "1"}},
        {kUpdateConfiguration, {"1"}, {"0", "1"}},
        {kUpdateNoSelection, {}, {}},
    };
    for (const Case& c : cases) {
        pugi::xml_document document;
        buildUpdateJob(document, jobFor("10.0.0.1", c.option, true));
        pugi::xml_node root = document.child("Ethernet_Update");
        EXPECT_EQ(column(root.child("Operations"), "Ope_GoToApp_After"), c.main) << "option " << c.option;
        EXPECT_EQ(column(root.child("ESP32").child("Operations"), "Ope_GoToApp_After"), c.aux) << "option " << c.option;
    }
}

TEST(UpdateJobFile, ElementCountsOfEachOperation) {
    pugi::xml_document document;
    buildUpdateJob(document, jobFor("10.0.0.1", kUpdateFirmwareAndConfiguration, true));
    pugi::xml_node root = document.child("Ethernet_Update");
    std::vector<size_t> counts;
    for (pugi::xml_node section : {root.child("Operations"), root.child("ESP32").child("Operations")})
        for (pugi::xml_node operation : section.children("Operation"))
            counts.push_back(std::distance(operation.begin(), operation.end()));
    EXPECT_EQ(counts, (std::vector<size_t>{16, 16, 16, 20, 16, 20, 20}));
}

// The job writes each image where its settings block says the device finds it.
TEST(UpdateJobFile, StartAddressesAgreeWithTheImages) {
    const auto start = [](const JobOperation& operation) {
        return static_cast<std::uint32_t>(parseIntOr(operation.startAddress, -1));
    };
    EXPECT_EQ(start(kMainOperations[1]), kConfigImageAddresses.WebFiles);
    EXPECT_EQ(start(kMainOperations[2]), kConfigImageAddresses.RuleTable);
    EXPECT_EQ(start(kAuxOperations[1]), kAuxImageAddresses.WebFiles);
    EXPECT_EQ(start(kAuxOperations[3]), kAuxImageAddresses.RuleTable);
}

TEST(UpdateJobFile, SecondJobReplacesTheFirstWhole) {
    TempDir app;
    Compile_XML_Parameter(jobFor("192.168.0.10", kUpdateFirmwareAndConfiguration, true), app.path());
    Compile_XML_Parameter(jobFor("192.168.0.10", kUpdateConfiguration, false), app.path());
    EXPECT_EQ(readFile(app / "Ethernet_Update.xml"), readFile(kData / "job_configuration_no_read_back.xml"));
}

TEST(UpdateJobFile, UnwritableFolderNamesTheFile) {
    TempDir app;
    const auto missing = app / "no-such-folder";
    try {
        Compile_XML_Parameter(jobFor("192.168.0.10", kUpdateFirmware, true), missing);
        FAIL() << "expected FileError";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), missing / "Ethernet_Update.xml");
    }
}

} // namespace
} // namespace corvane

// The stand-in updater's checks of a job: its structure, then each operation's file.
#include "tests/update/sample_images.h"
#include "update/job_check.h"
#include "update/update_job_file.h"
#include "update/update_job_layout.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace corvane {
namespace {

using testing::readFile;
using testing::TempDir;

const std::filesystem::path kData = CORVANE_UPDATE_TEST_DATA;

TEST(ReadUpdateJob, ReadsEveryGoldenJob) {
    const struct {
        const char* golden;
        size_t operations;
    } cases[] = {{"job_all_read_back.xml", 7},
                 {"job_firmware.xml", 4},
                 {"job_configuration_no_read_back.xml", 3},
                 {"job_no_selection.xml", 0},
                 {"job_address_as_typed.xml", 3}};
    for (const auto& c : cases) {
        ReadJob job = readUpdateJob(readFile(kData / c.golden));
        EXPECT_EQ(job.operations.size(), c.operations) << c.golden;
    }
    ReadJob all = readUpdateJob(readFile(kData / "job_all_read_back.xml"));
    EXPECT_EQ(all.ipAddress, "192.168.0.10");
    EXPECT_EQ(all.operations[2].section, "main");
    EXPECT_EQ(all.operations[2].file, "/corvane/PROJECTS/Demo/bin/bank.bin");
    EXPECT_EQ(all.operations[2].startAddress, 0x66000u);
    EXPECT_EQ(all.operations[5].section, "ESP32");
    EXPECT_EQ(all.operations[5].number, 3);
    EXPECT_EQ(all.operations[5].startAddress, 0x9000u);
}

TEST(ReadUpdateJob, RefusesBrokenStructure) {
    const std::string operation =
        "<Operation><Ope_FileName>/f</Ope_FileName><Ope_Start_Address>0x8000</Ope_Start_Address>"
        "<Ope_Bank_Type>1</Ope_Bank_Type><Ope_Read_Back>1</Ope_Read_Back><Ope_GoToApp_After>0</Ope_GoToApp_After></Operation>";
    const auto job = [](const std::string& ip, const std::string& main, const std::string& esp) {
        return "<Ethernet_Update><IP_Address_Dev>" + ip + "</IP_Address_Dev>" + main + esp + "</Ethernet_Update>";
    };
    const std::string ops = "<Operations>" + operation + "</Operations>";
    const std::string esp = "<ESP32><Operations/></ESP32>";
    ASSERT_NO_THROW(readUpdateJob(job("10.0.0.1", ops, esp)));

    std::string noFile = operation, badAddress = operation, noBank = operation;
    noFile.replace(noFile.find("<Ope_FileName>"), std::string("<Ope_FileName>/f</Ope_FileName>").size(), "");
    badAddress.replace(badAddress.find("0x8000"), 6, "0xZZ");
    noBank.replace(noBank.find("<Ope_Bank_Type>"), std::string("<Ope_Bank_Type>1</Ope_Bank_Type>").size(), "");
    const std::pair<const char*, std::string> cases[] = {
        {"not XML", "<Ethernet_Update><Version>"},
        {"empty", ""},
        {"other root", "<Job/>"},
        {"comment first", "<!-- x -->" + job("10.0.0.1", ops, esp)},
        {"no address", "<Ethernet_Update>" + ops + esp + "</Ethernet_Update>"},
        {"bad address", job("10.0.0", ops, esp)},
        {"no operations", job("10.0.0.1", "", esp)},
        {"no ESP32", job("10.0.0.1", ops, "")},
        {"no ESP32 operations", job("10.0.0.1", ops, "<ESP32/>")},
        {"no file name", job("10.0.0.1", "<Operations>" + noFile + "</Operations>", esp)},
        {"bad start address", job("10.0.0.1", "<Operations>" + badAddress + "</Operations>", esp)},
        {"no bank type", job("10.0.0.1", "<Operations>" + noBank + "</Operations>", esp)},
    };
    for (const auto& [name, text] : cases) EXPECT_THROW(readUpdateJob(text), JobFormatError) << name;
}

// One application folder with MASTER and a configuration whose images are in place.
class CheckUpdateJob : public ::testing::Test {
public:
    void SetUp() override {
        testing::writeSampleFirmware(app / "MASTER");
        testing::writeSampleImages(project());
    }
    std::filesystem::path project() const { return app / "PROJECTS" / "Demo"; }
    std::filesystem::path image(const char* name) const { return project() / "bin" / name; }

    std::vector<std::string> verdicts(int option) {
        pugi::xml_document document;
        buildUpdateJob(document, {app / "MASTER", project(), "192.168.0.10", option, true});
        std::ostringstream text;
        document.save(text, "", pugi::format_raw);
        std::vector<std::string> result;
        for (const OperationCheck& check : checkUpdateJob(readUpdateJob(text.str())))
            result.emplace_back(verdictText(check.verdict));
        return result;
    }

    TempDir app;
};

TEST_F(CheckUpdateJob, EverythingInPlaceIsReady) {
    EXPECT_EQ(verdicts(kUpdateFirmwareAndConfiguration), std::vector<std::string>(7, "ready"));
    EXPECT_EQ(verdicts(kUpdateConfiguration), std::vector<std::string>(3, "ready"));
}

TEST_F(CheckUpdateJob, MissingFirmwareIsReported) {
    std::filesystem::remove(app / "MASTER" / "Sim51207_ESP32.sim");
    EXPECT_EQ(verdicts(kUpdateFirmware), (std::vector<std::string>{"ready", "ready", "missing", "ready"}));
    EXPECT_EQ(verdicts(kUpdateConfiguration), std::vector<std::string>(3, "ready"));
}

TEST_F(CheckUpdateJob, EachImageFault) {
    struct Case {
        const char* name;
        void (*spoil)(const CheckUpdateJob&);
        std::vector<std::string> verdicts; // M3, A3, A4
    };
    const Case cases[] = {
        {"missing tables", [](const CheckUpdateJob& t) { std::filesystem::remove(t.image("bank_ESP32_2.bin")); },
         {"ready", "ready", "missing"}},
        {"folder in place of a file",
         [](const CheckUpdateJob& t) {
             std::filesystem::remove(t.image("bank.bin"));
             std::filesystem::create_directory(t.image("bank.bin"));
         },
         {"missing", "ready", "ready"}},
        {"short image", [](const CheckUpdateJob& t) { std::filesystem::resize_file(t.image("bank.bin"), 10495); },
         {"wrong size", "ready", "ready"}},
        {"long tables", [](const CheckUpdateJob& t) { std::filesystem::resize_file(t.image("bank_ESP32_2.bin"), 8449); },
         {"ready", "ready", "wrong size"}},
        {"tampered settings", [](const CheckUpdateJob& t) { testing::tamper(t.image("bank.bin"), 0x2000 + 0x28); },
         {"bad checksum", "ready", "ready"}},
        {"tampered checksum", [](const CheckUpdateJob& t) { testing::tamper(t.image("bank_ESP32_1.bin"), 0x7FC); },
         {"ready", "bad checksum", "ready"}},
        // Settings blocks swapped between the processors: checksums right, addresses wrong.
        {"swapped settings",
         [](const CheckUpdateJob& t) {
             std::string config = readFile(t.image("bank.bin"));
             const std::string aux = readFile(t.image("bank_ESP32_1.bin"));
             const std::string main = config.substr(0x2000, 2048);
             config.replace(0x2000, 2048, aux);
             std::ofstream(t.image("bank.bin"), std::ios::binary) << config;
             std::ofstream(t.image("bank_ESP32_1.bin"), std::ios::binary) << main;
         },
         {"address mismatch", "address mismatch", "ready"}},
    };
    for (const Case& c : cases) {
        testing::writeSampleImages(project());
        std::error_code ignored;
        c.spoil(*this);
        EXPECT_EQ(verdicts(kUpdateConfiguration), c.verdicts) << c.name;
        std::filesystem::remove_all(project() / "bin", ignored);
    }
}

TEST(DescribeOperation, OneLinePerOperationWithItsNumbers) {
    OperationCheck check{{"main", 3, "/p/bin/bank.bin", 0x66000}, OperationVerdict::BadChecksum, "stored 0x1, computed 0x2"};
    EXPECT_EQ(describe(check), "main operation 3 (/p/bin/bank.bin) at 0x66000: bad checksum (stored 0x1, computed 0x2)");
    check.verdict = OperationVerdict::Ready;
    check.detail.clear();
    EXPECT_EQ(describe(check), "main operation 3 (/p/bin/bank.bin) at 0x66000: ready");
}

} // namespace
} // namespace corvane

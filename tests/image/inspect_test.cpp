// Reading an image back as text: which image, its fields, entries and checksum.
#include "image/image_inspect.h"
#include "image_test_support.h"

#include <filesystem>

namespace corvane::testing {
namespace {

const std::filesystem::path kData = CORVANE_IMAGE_TEST_DATA;

std::string inspect(const ImageBuffer& image) { return inspectImage(image.usedBytes()).value_or("<unknown size>"); }

class Inspect : public ::testing::Test {
protected:
    static void SetUpTestSuite() { images = new BuiltImages(BuildImages(ProjectFileSet::inside(kData / "sample"), '.')); }
    static void TearDownTestSuite() { delete images; }
    static BuiltImages* images;
};
BuiltImages* Inspect::images = nullptr;

TEST_F(Inspect, TheMainImageShowsWhatWasBuilt) {
    const std::string text = inspect(images->ConfigImage);
    for (const char* line : {
             "Image bank.bin (10496 bytes)\n",
             "  IpAddress = 10.1.2.3\n",
             "  SubnetMask = 255.255.0.0\n",
             "  Gateway = 10.1.0.1\n",
             "  ConsolePort = 10002\n",
             "  DataArrayLength = 11\n",
             "  RuleCount = 2\n",
             "  RuleTableAddress = 0x00066000\n",
             "  VersionText = \"1.300\"\n",
             "  DaliTimeout = 5000\n",
             "  OptionFlags = 0x00030000 (DALI scan disabled, DALI-2 enabled)\n",
             "  Fixed_1B4 = 8 8 8 8 8 8 8 8\n",
             "  Checksum = 0x00000E4D (3661), matches\n",
             "  rule 0: Sensor, Type Push Button (1), ChannelNumber 3, Instance 5, Event Button Released (0), two bytes, "
             "TimeSend 1000 ms, TimeOut 5000 ms, Position 4, Command 0, FunctionNumber 1 (header 0x20044305)\n",
             "  rule 1: Device, Type Led Lamp (6), ChannelNumber 7, Instance 0, Event Button Released (0), TimeSend 2000 ms, "
             "TimeOut 6000 ms, Position 10, Command 160, FunctionNumber 0 (header 0x00018700)\n",
             "  function 1: Set Out (17), When Equal to Value (1), Value 2 (Short Press / Vacant / Occupied), "
             "Channel DALI Group 3 (66), Brightness 254, NextFunction 2\n",
             "  function 2: Multiplication (1), No Condition (0), Value 12.5, Channel DALI Channel 12 (12), Brightness 0, "
             "NextFunction 0\n",
             "  channel 0: enabled, Min-Max Value, Recall Min-Max Level for Switch (0x800C)\n",
             "  channel 5: enabled, Recall Old Value Level for Switch (0x8010)\n",
             "  channel 63: enabled, Start Break (0x8001)\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\nin\n" << text;
    EXPECT_EQ(text.find("rule 2"), std::string::npos);
    EXPECT_EQ(text.find("function 0"), std::string::npos);
    EXPECT_EQ(text.find("unnamed"), std::string::npos);
}

TEST_F(Inspect, TheAuxiliaryImagesAreToldBySize) {
    const std::string settings = inspect(images->AuxSettingsImage);
    EXPECT_NE(settings.find("Image bank_ESP32_1.bin (2048 bytes)\n"), std::string::npos);
    EXPECT_NE(settings.find("  RuleTableAddress = 0x00310000\n"), std::string::npos);
    EXPECT_NE(settings.find("matches"), std::string::npos);
    EXPECT_EQ(settings.find("Rules:"), std::string::npos);
    const std::string tables = inspect(images->AuxTablesImage);
    EXPECT_NE(tables.find("Image bank_ESP32_2.bin (8448 bytes)\n"), std::string::npos);
    EXPECT_NE(tables.find("  rule 1: Device"), std::string::npos);
    EXPECT_EQ(tables.find("Checksum"), std::string::npos);
}

TEST_F(Inspect, AChangedByteBreaksTheChecksumAndShowsWhereItIs) {
    auto used = images->AuxSettingsImage.usedBytes();
    std::vector<std::uint8_t> bytes(used.begin(), used.end());
    bytes[0x100] = 7;
    const std::string text = inspectImage(bytes).value();
    EXPECT_NE(text.find("  unnamed byte at 0x100 = 7\n"), std::string::npos) << text;
    EXPECT_NE(text.find("does not match the computed 0x"), std::string::npos) << text;
}

TEST(InspectEmpty, AnEmptyTablesImageSaysSo) {
    EXPECT_EQ(inspectImage(std::vector<std::uint8_t>(8448)),
              "Image bank_ESP32_2.bin (8448 bytes)\nRules:\n  none\nFunctions:\n  none\nChannels:\n  none\n");
}

TEST(InspectSizes, OnlyTheThreeImageSizesAreKnown) {
    for (std::size_t size : {0u, 1u, 2047u, 2049u, 8447u, 10495u, 10497u})
        EXPECT_EQ(inspectImage(std::vector<std::uint8_t>(size)), std::nullopt) << size;
}

} // namespace
} // namespace corvane::testing

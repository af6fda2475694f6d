// Whole images of small configurations, byte for byte where it matters and by their checksums.
#include "image_test_support.h"

#include <filesystem>

namespace corvane::testing {
namespace {

const std::filesystem::path kData = CORVANE_IMAGE_TEST_DATA;

BuiltImages buildFolder(const std::filesystem::path& folder) { return BuildImages(ProjectFileSet::inside(folder), '.'); }

std::vector<std::uint8_t> bytesOf(const ImageBuffer& image) {
    auto used = image.usedBytes();
    return {used.begin(), used.end()};
}

TEST(GoldenImages, AFolderWithoutProjectFilesGivesTheResetImage) {
    TempDir empty;
    const BuiltImages images = buildFolder(empty.path());
    const auto config = images.ConfigImage.usedBytes();
    ASSERT_EQ(config.size(), 10496u);
    EXPECT_TRUE(allZero(config.subspan(0x0000, 0x2000))) << "rules and functions";
    EXPECT_TRUE(allZero(config.subspan(0x2800, 0x100))) << "channel flags";
    EXPECT_EQ(settingsBytes(images, 0x028, 12),
              (std::vector<std::uint8_t>{192, 168, 2, 205, 255, 255, 255, 0, 255, 255, 255, 255}));
    EXPECT_EQ(settingsBytes(images, 0x66C, 8), std::vector<std::uint8_t>(8, 0));
    EXPECT_EQ(settingsU32(images, 0x62C), 0x66000u);
    EXPECT_EQ(settingsU32(images, 0x640), 0x67400u);
    EXPECT_EQ(settingsU32(images, 0x5FC), 0x68800u);
    EXPECT_EQ(settingsU32(images, 0x70C), 0xC0000u);
    EXPECT_EQ(settingsU32(images, 0x7FC), 5061u);
    EXPECT_EQ(images.ConfigChecksum, 5061u);

    const auto aux = images.AuxSettingsImage.usedBytes();
    ASSERT_EQ(aux.size(), 2048u);
    EXPECT_EQ(le::getU32(aux, 0x7FC), 4935u);
    EXPECT_EQ(images.AuxChecksum, 4935u);
    EXPECT_EQ(bytesOf(images.AuxTablesImage), std::vector<std::uint8_t>(8448, 0));
}

TEST(GoldenImages, WindowDefaultsGiveTheirChecksums) {
    const BuiltImages images = buildFolder(kData / "window_defaults");
    EXPECT_EQ(settingsU32(images, 0x7FC), 5106u);
    EXPECT_EQ(le::getU32(images.AuxSettingsImage.usedBytes(), 0x7FC), 4980u);
}

class SampleConfiguration : public ::testing::Test {
protected:
    static void SetUpTestSuite() { images = new BuiltImages(buildFolder(kData / "sample")); }
    static void TearDownTestSuite() { delete images; }
    static BuiltImages* images;
};
BuiltImages* SampleConfiguration::images = nullptr;

TEST_F(SampleConfiguration, SettingsHoldEveryImportedValue) {
    const BuiltImages& built = *images;
    EXPECT_EQ(settingsBytes(built, 0x028, 12), (std::vector<std::uint8_t>{10, 1, 2, 3, 255, 255, 0, 0, 10, 1, 0, 1}));
    EXPECT_EQ(le::getU16(settingsOf(built), 0x038), 10002);
    EXPECT_EQ(settingsU32(built, 0x078), 11u) << "DataArrayLength: highest position 10 plus one";
    EXPECT_EQ(settingsU32(built, 0x628), 2u) << "RuleCount";
    EXPECT_EQ(settingsBytes(built, 0x66C, 8), (std::vector<std::uint8_t>{'1', '.', '3', '0', '0', 0, 0, 0}));
    EXPECT_EQ(settingsU32(built, 0x760), 5000u);
    EXPECT_EQ(settingsU32(built, 0x764), 0x00030000u);
    EXPECT_EQ(settingsU32(built, 0x7FC), 3661u);
    EXPECT_EQ(le::getU32(built.AuxSettingsImage.usedBytes(), 0x7FC), 3535u);
    EXPECT_EQ(built.EnabledRules, 2);
    EXPECT_EQ(built.Functions, 2);
    EXPECT_EQ(built.EnabledChannels, 3);
}

TEST_F(SampleConfiguration, RulesFunctionsAndChannelsAreEncoded) {
    const BuiltImages& built = *images;
    using Bytes = std::vector<std::uint8_t>;
    auto rule0 = ruleBytesOf(built, 0), rule1 = ruleBytesOf(built, 1);
    EXPECT_EQ(Bytes(rule0.begin(), rule0.end()),
              (Bytes{0x05, 0x43, 0x04, 0x20, 0xE8, 0x03, 0, 0, 0x88, 0x13, 0, 0, 4, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(Bytes(rule1.begin(), rule1.end()),
              (Bytes{0x00, 0x87, 0x01, 0x00, 0xD0, 0x07, 0, 0, 0x70, 0x17, 0, 0, 10, 0, 160, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(allZero(ruleBytesOf(built, 2)));

    auto function1 = functionBytesOf(built, 1), function2 = functionBytesOf(built, 2);
    EXPECT_EQ(Bytes(function1.begin(), function1.end()), (Bytes{2, 17, 1, 0, 0x00, 0x00, 0x00, 0x40, 66, 254, 0, 0}));
    EXPECT_EQ(Bytes(function2.begin(), function2.end()), (Bytes{0, 1, 0, 0, 0x00, 0x00, 0x48, 0x41, 12, 0, 0, 0}))
        << "12,5 is read as 12.5 whatever the separator";
    EXPECT_TRUE(allZero(functionBytesOf(built, 0)));
    EXPECT_TRUE(allZero(functionBytesOf(built, 3)));

    EXPECT_EQ(flagWordOf(built, 0), 0x800C);
    EXPECT_EQ(flagWordOf(built, 5), 0x8010);
    EXPECT_EQ(flagWordOf(built, 63), 0x8001);
    for (std::size_t word : {1, 4, 6, 62, 64, 80}) EXPECT_EQ(flagWordOf(built, word), 0) << word;
}

TEST_F(SampleConfiguration, TheSettingsCopiesDifferOnlyInAddressesAndChecksum) {
    const auto main = images->ConfigImage.usedBytes().subspan(0x2000, 0x800);
    const auto aux = images->AuxSettingsImage.usedBytes();
    std::vector<std::size_t> differing;
    for (std::size_t offset = 0; offset < 0x800; ++offset)
        if (main[offset] != aux[offset]) differing.push_back(offset);
    for (std::size_t offset : differing) {
        const bool inAddress = (offset >= 0x5FC && offset < 0x600) || (offset >= 0x62C && offset < 0x630) ||
                               (offset >= 0x640 && offset < 0x644) || (offset >= 0x70C && offset < 0x710) || offset >= 0x7FC;
        EXPECT_TRUE(inAddress) << "offset 0x" << std::hex << offset;
    }
    EXPECT_EQ(le::getU32(aux, 0x62C), 0x310000u);
    EXPECT_EQ(le::getU32(aux, 0x640), 0x311400u);
    EXPECT_EQ(le::getU32(aux, 0x5FC), 0x312000u);
    EXPECT_EQ(le::getU32(aux, 0x70C), 0x350000u);
}

TEST_F(SampleConfiguration, TheTablesImageIsTheMainImageWithoutItsSettings) {
    const auto main = bytesOf(images->ConfigImage);
    std::vector<std::uint8_t> expected(main.begin(), main.begin() + 0x2000);
    expected.insert(expected.end(), main.begin() + 0x2800, main.begin() + 0x2900);
    EXPECT_EQ(bytesOf(images->AuxTablesImage), expected);
}

TEST_F(SampleConfiguration, TheStoredChecksumIsTheSumOfTheBlock) {
    const auto main = images->ConfigImage.usedBytes();
    std::uint32_t sum = 0;
    for (std::size_t offset = 0x2000; offset <= 0x27FB; ++offset) sum += main[offset];
    EXPECT_EQ(le::getU32(main, 0x27FC), sum);
}

TEST(GoldenImages, ABuildStartsFromResetBlocks) {
    const BuiltImages first = buildFolder(kData / "sample");
    TempDir empty;
    const BuiltImages second = buildFolder(empty.path());
    EXPECT_EQ(second.ConfigChecksum, 5061u);
    EXPECT_TRUE(allZero(second.ConfigImage.usedBytes().subspan(0, 0x2000)));
    EXPECT_EQ(bytesOf(buildFolder(kData / "sample").ConfigImage), bytesOf(first.ConfigImage)) << "builds repeat exactly";
}

} // namespace
} // namespace corvane::testing

// The four blocks on their own: record layouts, reset values, checksum and the order of the images.
#include "image/image_layout.h"
#include "image/little_endian.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace corvane {
namespace {

std::vector<std::uint8_t> bytesOf(const ImageBuffer& buffer) {
    auto used = buffer.usedBytes();
    return {used.begin(), used.end()};
}

TEST(RuleRecord, PackedHeaderIsStoredLittleEndian) {
    RuleTable table;
    table.entries[0] = {.Instance = 5, .ChannelNumber = 3, .TypeCode = 1, .IsSensor = 1, .EventCode = 0, .TwoByteValue = 1};
    ImageBuffer buffer;
    buffer.setUsed(SerializeRules(table, buffer, 0));
    const auto bytes = bytesOf(buffer);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 4), (std::vector<std::uint8_t>{0x05, 0x43, 0x04, 0x20}));
    EXPECT_EQ(table.entries[0].PackedHeader, 0x20044305u) << "the header is also kept in the record";
}

struct HeaderCase {
    const char* name;
    RuleRecord rule;
    std::uint32_t header;
};

class PackedHeaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(PackedHeaderTest, IsTheSumOfTheShiftedFields) { EXPECT_EQ(packedHeaderOf(GetParam().rule), GetParam().header); }

INSTANTIATE_TEST_SUITE_P(
    Fields, PackedHeaderTest,
    ::testing::Values(HeaderCase{"AllZero", {}, 0},
                      HeaderCase{"InstanceLowByte", {.Instance = 255}, 0xFF},
                      HeaderCase{"Channel63", {.ChannelNumber = 63}, 63u << 8},
                      HeaderCase{"Type15", {.TypeCode = 15}, 15u << 14},
                      HeaderCase{"Sensor", {.IsSensor = 1}, 1u << 18},
                      HeaderCase{"Event1023", {.EventCode = 1023}, 1023u << 19},
                      HeaderCase{"TwoBytes", {.TwoByteValue = 1}, 1u << 29},
                      // Beyond its range a value carries into the bits above: a sum, not an OR.
                      HeaderCase{"Channel64CarriesIntoType", {.ChannelNumber = 64, .TypeCode = 1}, 2u << 14},
                      HeaderCase{"TypeCarriesIntoSensor", {.TypeCode = 16}, 1u << 18},
                      HeaderCase{"EventWrapsModulo2To32", {.EventCode = 0xFFFF}, 0xFFFFu << 19}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RuleRecord, SerialisedFieldsSitAtTheirOffsets) {
    RuleRecord rule{.TimeSend = -2, .TimeOut = 0x01020304, .Position = 0xA0B0, .Command = 0xCC, .FunctionNumber = 7};
    std::array<std::uint8_t, RuleRecord::kSerializedSize> out;
    out.fill(0xEE);
    serializeRule(rule, out);
    EXPECT_EQ(out, (std::array<std::uint8_t, 20>{0, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 4, 3, 2, 1, 0xB0, 0xA0, 0xCC, 0, 7, 0, 0, 0}));
}

TEST(FunctionRecord, SerialisedFieldsSitAtTheirOffsets) {
    FunctionRecord function{.NextFunction = 2, .FunctionCode = 17, .ConditionCode = 7, .Value = 12.5f,
                            .ChannelAddress = 66, .Brightness = 254};
    std::array<std::uint8_t, FunctionRecord::kSerializedSize> out;
    out.fill(0xEE);
    serializeFunction(function, out);
    // 12.5f = 0x41480000
    EXPECT_EQ(out, (std::array<std::uint8_t, 12>{2, 17, 7, 0, 0x00, 0x00, 0x48, 0x41, 66, 254, 0, 0}));
}

TEST(ChannelFlags, WordsFollowTheReservedWordAndEndInZeroFill) {
    ChannelFlags flags;
    flags.words[0] = 0x8001;
    flags.words[63] = 0x8010;
    ImageBuffer buffer;
    buffer.setUsed(SerializeChannelFlags(flags, buffer, 0));
    const auto bytes = bytesOf(buffer);
    ASSERT_EQ(bytes.size(), 256u);
    EXPECT_EQ(le::getU32(bytes, 0), 0u);
    EXPECT_EQ(le::getU16(bytes, 4), 0x8001);
    EXPECT_EQ(le::getU16(bytes, 4 + 2 * 63), 0x8010);
    for (std::size_t offset = 4 + 2 * 64; offset < 256; ++offset) EXPECT_EQ(bytes[offset], 0) << offset;
}

// Reset values written out independently of the field table, to catch a wrong row in it.
struct ResetCase {
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
};

TEST(SettingsBlock, ResetHoldsEveryFixedValueAndNothingElse) {
    const std::vector<ResetCase> expected = {
        {0x000, {0x48, 0xE8, 0x01, 0x00}}, // 125000
        {0x004, {0x48, 0xE8, 0x01, 0x00}},
        {0x00C, {0x80, 0x25, 0x00, 0x00}}, // 9600
        {0x010, {8, 0}},
        {0x028, {192, 168, 2, 205}},
        {0x02C, {255, 255, 255, 0}},
        {0x030, {255, 255, 255, 255}},
        {0x034, {0x10, 0x27}}, // 10000
        {0x036, {0x11, 0x27}}, // 10001
        {0x038, {0x11, 0x27}},
        {0x194, {0x00, 0x96, 0x00, 0x00}}, // 38400
        {0x1AF, {1}},
        {0x1B4, {8, 8, 8, 8, 8, 8, 8, 8}},
        {0x1CC, {0x57, 0x0E}}, // 3671
        {0x1D4, {0x50, 0xC3}}, // 50000
        {0x1D6, {0x51, 0xC3}},
        {0x1D8, {0x52, 0xC3}},
        {0x1DE, {0x00, 0x02}}, // 512
        {0x768, {0x70, 0x17, 0x00, 0x00}}, // 6000
        {0x76C, {100, 0, 0, 0}},
    };
    SettingsBlock block;
    block.putU32(0x100, 0xFFFFFFFF);
    block.reset();
    std::array<std::uint8_t, kSettingsBlockSize> want{};
    for (const ResetCase& c : expected) std::copy(c.bytes.begin(), c.bytes.end(), want.begin() + c.offset);
    const auto got = block.bytes();
    for (std::size_t offset = 0; offset < kSettingsBlockSize; ++offset)
        EXPECT_EQ(got[offset], want[offset]) << "offset 0x" << std::hex << offset;
}

TEST(SettingsBlock, ChecksumIsTheSumOfTheFirst2044BytesStoredAtTheEnd) {
    SettingsBlock block;
    block.putU8(0x7FB, 0xFF);                  // last byte covered
    block.putU32(settings_offset::Checksum, 0xFFFFFFFF); // not covered
    const std::uint32_t expected = block.computeChecksum();
    ImageBuffer buffer;
    buffer.setUsed(SerializeSettings(block, buffer, 0));
    const auto bytes = bytesOf(buffer);
    ASSERT_EQ(bytes.size(), kSettingsBlockSize);
    EXPECT_EQ(le::getU32(bytes, 0x7FC), expected);
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < 2044; ++i) sum += bytes[i];
    EXPECT_EQ(sum, expected);
}

TEST(SettingsBlock, VersionTextIsZeroFilledAsciiOfAtMostEightBytes) {
    SettingsBlock block;
    block.setVersionText("123456789");
    block.setVersionText("1.300");
    const auto bytes = block.bytes();
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 0x66C, bytes.begin() + 0x674),
              (std::vector<std::uint8_t>{'1', '.', '3', '0', '0', 0, 0, 0}));
    EXPECT_EQ(bytes[0x674], 0) << "nothing beyond the eight bytes";
}

TEST(ConfigImage, ResetBlocksGiveTheDocumentedImage) {
    ImageBlocks blocks;
    blocks.reset();
    blocks.Settings.setAddresses(kConfigImageAddresses);
    ImageBuffer image;
    SerializeConfigImage(blocks, image);
    const auto bytes = bytesOf(image);
    ASSERT_EQ(bytes.size(), 10496u);
    EXPECT_EQ(le::getU32(bytes, 0x2000 + 0x7FC), 5061u);
    EXPECT_EQ(le::getU32(bytes, 0x2000 + 0x62C), 0x66000u);
    EXPECT_EQ(le::getU32(bytes, 0x2000 + 0x640), 0x67400u);
    EXPECT_EQ(le::getU32(bytes, 0x2000 + 0x5FC), 0x68800u);
    EXPECT_EQ(le::getU32(bytes, 0x2000 + 0x70C), 0xC0000u);
}

TEST(ImageBuffer, ClearingLeavesNoByteOfAnEarlierImage) {
    ImageBuffer buffer;
    std::vector<std::uint8_t> block(300, 0xAB);
    buffer.put(5000, block);
    buffer.clear();
    buffer.setUsed(6000);
    EXPECT_TRUE(std::all_of(buffer.usedBytes().begin(), buffer.usedBytes().end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(ImageBuffer, RefusesToWriteBeyondItsCapacity) {
    ImageBuffer buffer;
    std::vector<std::uint8_t> block(10, 1);
    EXPECT_EQ(buffer.put(ImageBuffer::kCapacity - 10, block), ImageBuffer::kCapacity);
    EXPECT_THROW(buffer.put(ImageBuffer::kCapacity - 9, block), std::length_error);
}

} // namespace
} // namespace corvane

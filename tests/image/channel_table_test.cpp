// DALI_Access.xml into the 64 channel flag words.
#include "image_test_support.h"

namespace corvane::testing {
namespace {

class ChannelTable : public ConfigurationFolder {
protected:
    std::uint16_t wordFor(std::string_view elements, std::size_t channel) {
        write("DALI_Access.xml", "<DALI_Access>" + std::string(elements) + "</DALI_Access>");
        return flagWordOf(build(), channel);
    }
};

struct FlagCase {
    const char* name;
    const char* elements; // for DALI ID 5
    std::uint16_t word;
};

class FlagTest : public ChannelTable, public ::testing::WithParamInterface<FlagCase> {};

TEST_P(FlagTest, SetsTheBitsOfItsChannel) { EXPECT_EQ(wordFor(GetParam().elements, 5), GetParam().word); }

const FlagCase kFlagCases[] = {
    {"EnabledWithRecallOld", "<DALI_ID_DEVICE_5>1</DALI_ID_DEVICE_5><DALI_ID_DEVICE_5_RECALL_LEVEL>Recall Old Value Level for Switch</DALI_ID_DEVICE_5_RECALL_LEVEL>", 0x8010},
    {"RecallMinMax", "<DALI_ID_DEVICE_5_RECALL_LEVEL>Recall Min-Max Level for Switch</DALI_ID_DEVICE_5_RECALL_LEVEL>", 0x0008},
    {"RecallNone", "<DALI_ID_DEVICE_5_RECALL_LEVEL>None</DALI_ID_DEVICE_5_RECALL_LEVEL>", 0},
    {"RecallOtherCase", "<DALI_ID_DEVICE_5_RECALL_LEVEL>recall min-max level for switch</DALI_ID_DEVICE_5_RECALL_LEVEL>", 0},
    {"MinMaxOnDisabledChannel", "<DALI_ID_DEVICE_5>0</DALI_ID_DEVICE_5><DALI_ID_DEVICE_5_MIN_MAN_VALUE>1</DALI_ID_DEVICE_5_MIN_MAN_VALUE>", 0x0004},
    {"MinMaxY", "<DALI_ID_DEVICE_5_MIN_MAN_VALUE>Y</DALI_ID_DEVICE_5_MIN_MAN_VALUE>", 0},
    {"StartBreak", "<DALI_ID_DEVICE_5_DIMMING_MODE>Start Break</DALI_ID_DEVICE_5_DIMMING_MODE>", 0x0001},
    {"Normal", "<DALI_ID_DEVICE_5_DIMMING_MODE>Normal</DALI_ID_DEVICE_5_DIMMING_MODE>", 0},
    {"EnableY", "<DALI_ID_DEVICE_5>Y</DALI_ID_DEVICE_5>", 0},
    {"EnableBlankOne", "<DALI_ID_DEVICE_5> 1</DALI_ID_DEVICE_5>", 0},
    {"Everything", "<DALI_ID_DEVICE_5>1</DALI_ID_DEVICE_5><DALI_ID_DEVICE_5_MIN_MAN_VALUE>1</DALI_ID_DEVICE_5_MIN_MAN_VALUE><DALI_ID_DEVICE_5_RECALL_LEVEL>Recall Min-Max Level for Switch</DALI_ID_DEVICE_5_RECALL_LEVEL><DALI_ID_DEVICE_5_DIMMING_MODE>Start Break</DALI_ID_DEVICE_5_DIMMING_MODE>", 0x800D},
    {"MissingElementsLeaveBitsClear", "<DALI_ID_DEVICE_50>1</DALI_ID_DEVICE_50>", 0},
};

INSTANTIATE_TEST_SUITE_P(Flags, FlagTest, ::testing::ValuesIn(kFlagCases), [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChannelTable, IdsAbove63AndTheReservedWordsAreNotTouched) {
    write("DALI_Access.xml", "<DALI_Access><DALI_ID_DEVICE_63>1</DALI_ID_DEVICE_63><DALI_ID_DEVICE_64>1</DALI_ID_DEVICE_64></DALI_Access>");
    const BuiltImages images = build();
    EXPECT_EQ(flagWordOf(images, 63), 0x8000);
    for (std::size_t word = 64; word < 81; ++word) EXPECT_EQ(flagWordOf(images, word), 0) << word;
    EXPECT_EQ(images.EnabledChannels, 1);
}

TEST_F(ChannelTable, NoFileLeavesEveryWordZero) {
    EXPECT_TRUE(allZero(build().ConfigImage.usedBytes().subspan(0x2800, 0x100)));
}

} // namespace
} // namespace corvane::testing

// Files as the windows write them are built into the images the device expects.
#include "dali/dali2_access_file.h"
#include "dali/dali_access_file.h"
#include "image_test_support.h"
#include "settings/par_gen_file.h"

namespace corvane::testing {
namespace {

class WindowFiles : public ConfigurationFolder {
protected:
    ProjectFileSet files() const { return ProjectFileSet::inside(folder.path()); }
};

TEST_F(WindowFiles, TheCommunicationWindowDefaultsGiveTheirChecksums) {
    writeParGenFile(files().ParGenPath, defaultParGenValues());
    const BuiltImages images = build();
    EXPECT_EQ(images.ConfigChecksum, 5106u);
    EXPECT_EQ(images.AuxChecksum, 4980u);
}

TEST_F(WindowFiles, ChannelOptionsAreStoredForEveryChannel) {
    DaliChannelTable channels;
    channels[5].enabled = true;
    channels[5].recallLevel = "Recall Old Value Level for Switch";
    channels[9].minMaxValue = true;
    channels[9].recallLevel = "Recall Min-Max Level for Switch";
    writeDaliAccessFile(channels, files().DaliAccessPath);
    const BuiltImages images = build();
    EXPECT_EQ(flagWordOf(images, 5), 0x8010);
    EXPECT_EQ(flagWordOf(images, 9), 0x000C);
    EXPECT_EQ(images.EnabledChannels, 1);
}

TEST_F(WindowFiles, DaliTwoRowsAsTheWindowWritesThem) {
    Dali2Access tables;
    tables.functions.push_back({"Dim Down", "NAND Logic with Value", "Vacant", "DALI Broadcast", "10", "0", "dark"});
    tables.functions.push_back({"Division", "No Condition", "0,25", "DALI Channel 63", "", "1", "quarter"});
    tables.rules.push_back({"Y", "Sensor", "Occupancy Sensor", "12", "2", "0", "500", "3000", "2 - quarter", "7", "1", "pir"});
    tables.rules.push_back({"N", "Device", "Dimmer", "99", "0", "0", "0", "0", "", "0", "", "spare"});
    writeDali2AccessFile(tables, files().Dali2AccessPath);
    const BuiltImages images = build();

    ASSERT_EQ(images.EnabledRules, 1);
    const RuleRecord rule = ruleOf(images, 0);
    EXPECT_EQ(rule.PackedHeader, 2u + (12u << 8) + (3u << 14) + (1u << 18));
    EXPECT_EQ(rule.TimeSend, 500);
    EXPECT_EQ(rule.TimeOut, 3000);
    EXPECT_EQ(rule.FunctionNumber, 2);
    EXPECT_EQ(settingsU32(images, 0x078), 8u);

    ASSERT_EQ(images.Functions, 2);
    EXPECT_EQ(functionOf(images, 1).FunctionCode, 19);
    EXPECT_EQ(functionOf(images, 1).ConditionCode, 7);
    EXPECT_EQ(functionOf(images, 1).Value, 2.0f);
    EXPECT_EQ(functionOf(images, 1).ChannelAddress, 80);
    EXPECT_EQ(functionOf(images, 1).Brightness, 10);
    EXPECT_EQ(functionOf(images, 2).FunctionCode, 2);
    EXPECT_EQ(functionOf(images, 2).Value, 0.25f);
    EXPECT_EQ(functionOf(images, 2).ChannelAddress, 63);
    EXPECT_EQ(functionOf(images, 2).NextFunction, 1);
}

} // namespace
} // namespace corvane::testing

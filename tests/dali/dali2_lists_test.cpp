#include "dali/dali2_lists.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(Dali2Lists, EveryEventBelongsToTheGroupOfItsCondition) {
    const struct {
        const char* event;
        const char* condition;
    } cases[] = {
        {"Button Released", "When Equal to Value"},  {"Button Stuck", "When Equal to Value"},
        {"Short Press", "When Equal to Value"},      {"No Movement", "NAND Logic with Value"},
        {"Vacant", "NAND Logic with Value"},         {"Presence Sensor", "NAND Logic with Value"},
        {"Movement", "AND Logic with Value"},        {"Still Vacant", "AND Logic with Value"},
        {"Occupied", "AND Logic with Value"},        {"Still Occupied", "AND Logic with Value"},
        {"Movement Sensor", "AND Logic with Value"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(requiredCondition(eventGroup(c.event)), c.condition) << c.event;
    for (std::string_view event : kEvents)
        EXPECT_NE(eventGroup(event), EventGroup::None) << event;
    EXPECT_EQ(eventGroup("occupied"), EventGroup::None);
    EXPECT_EQ(eventGroup("12"), EventGroup::None);
    EXPECT_FALSE(requiredCondition(EventGroup::None));
}

TEST(Dali2Lists, TargetsAreChannelsGroupsAndBroadcast) {
    const auto& targets = daliTargets();
    ASSERT_EQ(targets.size(), 81u);
    EXPECT_EQ(targets[0], "DALI Channel 0");
    EXPECT_EQ(targets[63], "DALI Channel 63");
    EXPECT_EQ(targets[64], "DALI Group 1");
    EXPECT_EQ(targets[79], "DALI Group 16");
    EXPECT_EQ(targets[80], "DALI Broadcast");
}

TEST(Dali2Lists, TypeListDependsOnExactDevSen) {
    EXPECT_EQ(typesFor("Device").size(), 10u);
    EXPECT_EQ(typesFor("Sensor").size(), 7u);
    EXPECT_TRUE(typesFor("device").empty());
    EXPECT_TRUE(typesFor("").empty());
}

} // namespace
} // namespace corvane

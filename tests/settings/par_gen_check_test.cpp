#include "settings/par_gen_check.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using K = ParGenKey;

struct Case {
    const char* name;
    K key;
    const char* text;
    std::vector<int> failing; // catalogue indices, in order
    bool gatewayOn = false;
    bool switchOffOn = false;
};

class ParGenCheck : public ::testing::TestWithParam<Case> {};

TEST_P(ParGenCheck, FailsExactlyTheExpectedRules) {
    const Case& c = GetParam();
    ParGenValues values = defaultParGenValues();
    values.setFlag(K::EN_GAT, c.gatewayOn);
    values.setFlag(K::SwitchOff, c.switchOffOn);
    values[c.key] = c.text;
    EXPECT_EQ(failingParGenRules(values), c.failing);
}

INSTANTIATE_TEST_SUITE_P(Values, ParGenCheck, ::testing::Values(
    Case{"zero", K::IP1, "0", {}},
    Case{"max", K::IP2, "255", {}},
    Case{"above", K::IP3, "256", {471}},
    Case{"negative", K::IP4, "-1", {472}},
    Case{"empty", K::SUB1, "", {473}},
    Case{"letterAfterDigits", K::SUB2, "1a", {474}},
    Case{"trailingBlank", K::SUB3, "1 ", {475}},
    Case{"mask4", K::SUB4, "300", {476}},
    Case{"port9999", K::ConsolePort, "9999", {}},
    Case{"port10000", K::ConsolePort, "10000", {466}},
    Case{"port65535", K::ConsolePort, "65535", {}},
    Case{"port65536", K::ConsolePort, "65536", {466}},
    Case{"portZero", K::ConsolePort, "0", {}},
    Case{"timeOutIgnoredWhenOff", K::TimeOut, "abc", {}},
    Case{"timeOutCheckedWhenOn", K::TimeOut, "abc", {557}, false, true},
    Case{"timeOutMax", K::TimeOut, "3600000", {}, false, true},
    Case{"timeOutAboveMax", K::TimeOut, "3600001", {557}, false, true},
    Case{"gatewayIgnoredWhenOff", K::GAT1, "xyz", {}},
    Case{"gatewayCheckedWhenOn", K::GAT1, "xyz", {477}, true},
    Case{"gateway4CheckedWhenOn", K::GAT4, "256", {480}, true},
    Case{"gatewayValidWhenOn", K::GAT2, "255", {}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParGenCheckOrder, EveryFailureIsListedInTheWindowsOrderWithItsMessage) {
    ParGenValues values;
    for (std::string& text : values.texts) text = "x";
    values.setFlag(K::EN_GAT, true);
    values.setFlag(K::SwitchOff, true);
    EXPECT_EQ(failingParGenRules(values),
              (std::vector<int>{469, 470, 471, 472, 473, 474, 475, 476, 477, 478, 479, 480, 466, 557}));

    TextCatalogue texts;
    texts.FillDefaultTexts();
    auto messages = checkParGen(values, texts);
    ASSERT_EQ(messages.size(), 14u);
    EXPECT_EQ(messages.front(), "Error Ethernet!! IP Address 1 must be between 0 and 255");
    EXPECT_EQ(messages[12], "Error DALI!! DALI Console Port must be between 0 and 65535 and different from 10000");
    EXPECT_EQ(messages.back(), "Error DALI!! TimeOut must be between 0 and 3600000 ms");
}

TEST(ParGenCheckOrder, TheDefaultsPass) {
    TextCatalogue texts;
    texts.FillDefaultTexts();
    EXPECT_TRUE(checkParGen(defaultParGenValues(), texts).empty());
}

} // namespace
} // namespace corvane

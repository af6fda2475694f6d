// ParGen.xml into the settings block: the builder's own defaults, key by key, and the gateway rule.
#include "image_test_support.h"

namespace corvane::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

class CommunicationSettings : public ConfigurationFolder {};

TEST_F(CommunicationSettings, ARootWithoutKeysGivesTheBuilderDefaults) {
    write("ParGen.xml", "<Par_Gen/>");
    const BuiltImages images = build();
    EXPECT_EQ(settingsBytes(images, 0x028, 12), (Bytes{192, 168, 0, 10, 255, 255, 255, 0, 255, 255, 255, 255}));
    EXPECT_EQ(le::getU16(settingsOf(images), 0x038), 10001);
    EXPECT_EQ(settingsBytes(images, 0x66C, 8), (Bytes{'1', '.', '3', '0', '0', 0, 0, 0}));
    EXPECT_EQ(settingsU32(images, 0x760), 0u);
    EXPECT_EQ(settingsU32(images, 0x764), 0u);
    EXPECT_EQ(settingsU32(images, 0x62C), 0x66000u) << "the addresses are set all the same";
}

TEST_F(CommunicationSettings, AFileStartingWithACommentGivesEveryDefault) {
    write("ParGen.xml", "<!--x--><Par_Gen><MTCPs_IP1>10</MTCPs_IP1></Par_Gen>");
    EXPECT_EQ(settingsBytes(build(), 0x028, 4), (Bytes{192, 168, 0, 10}));
}

TEST_F(CommunicationSettings, ARootOfAnotherNameIsReadAlike) {
    write("ParGen.xml", "<Other><MTCPs_IP1>10</MTCPs_IP1><MTCPs_IP1>11</MTCPs_IP1></Other>");
    EXPECT_EQ(settingsBytes(build(), 0x028, 4), (Bytes{10, 168, 0, 10})) << "the first element of a name wins";
}

struct KeyCase {
    const char* name;
    const char* elements;
    std::size_t offset;
    Bytes expected;
};

class KeyTest : public CommunicationSettings, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyTest, StoresTheFieldBytes) {
    writeParGen(GetParam().elements);
    EXPECT_EQ(settingsBytes(build(), GetParam().offset, GetParam().expected.size()), GetParam().expected);
}

const KeyCase kKeyCases[] = {
    {"IpBytes", "<MTCPs_IP1>10</MTCPs_IP1><MTCPs_IP2>20</MTCPs_IP2><MTCPs_IP3>30</MTCPs_IP3><MTCPs_IP4>40</MTCPs_IP4>", 0x028, {10, 20, 30, 40}},
    {"IpByteKeepsItsLowBits", "<MTCPs_IP4>300</MTCPs_IP4>", 0x028, {192, 168, 0, 44}},
    {"NegativeIpByteWraps", "<MTCPs_IP4>-1</MTCPs_IP4>", 0x028, {192, 168, 0, 255}},
    {"HexadecimalIsAnInteger", "<MTCPs_IP1>$0A</MTCPs_IP1>", 0x028, {10, 168, 0, 10}},
    {"EmptyTextGivesTheDefault", "<MTCPs_IP1></MTCPs_IP1>", 0x028, {192, 168, 0, 10}},
    {"TrailingBlankIsNoInteger", "<MTCPs_IP1>10 </MTCPs_IP1>", 0x028, {192, 168, 0, 10}},
    {"LettersGiveTheDefault", "<MTCPs_SUB4>abc</MTCPs_SUB4>", 0x02C, {255, 255, 255, 0}},
    {"MaskBytes", "<MTCPs_SUB1>255</MTCPs_SUB1><MTCPs_SUB2>255</MTCPs_SUB2><MTCPs_SUB3>0</MTCPs_SUB3><MTCPs_SUB4>0</MTCPs_SUB4>", 0x02C, {255, 255, 0, 0}},
    {"GatewayEnabled", "<MTCPs_EN_GAT>1</MTCPs_EN_GAT><MTCPs_GAT1>10</MTCPs_GAT1><MTCPs_GAT2>0</MTCPs_GAT2><MTCPs_GAT3>0</MTCPs_GAT3><MTCPs_GAT4>1</MTCPs_GAT4>", 0x030, {10, 0, 0, 1}},
    {"GatewayDisabled", "<MTCPs_EN_GAT>0</MTCPs_EN_GAT><MTCPs_GAT1>10</MTCPs_GAT1><MTCPs_GAT2>0</MTCPs_GAT2><MTCPs_GAT3>0</MTCPs_GAT3><MTCPs_GAT4>1</MTCPs_GAT4>", 0x030, {255, 255, 255, 255}},
    {"GatewayFlagMissing", "<MTCPs_GAT1>10</MTCPs_GAT1>", 0x030, {255, 255, 255, 255}},
    {"GatewayFlagTrueEnables", "<MTCPs_EN_GAT>true</MTCPs_EN_GAT>", 0x030, {192, 168, 0, 1}},
    {"GatewayEnabledWithLetters", "<MTCPs_EN_GAT>1</MTCPs_EN_GAT><MTCPs_GAT1>x</MTCPs_GAT1>", 0x030, {192, 168, 0, 1}},
    {"ConsolePort", "<DALI_CONSOLE_PORT>502</DALI_CONSOLE_PORT>", 0x038, {0xF6, 0x01}},
    {"ConsolePortKeepsItsLow16Bits", "<DALI_CONSOLE_PORT>65537</DALI_CONSOLE_PORT>", 0x038, {1, 0}},
    {"ConsolePortDefault", "<DALI_CONSOLE_PORT>port</DALI_CONSOLE_PORT>", 0x038, {0x11, 0x27}},
    {"TimeoutIgnoredWithoutSwitchOff", "<DALI_SWITCH_OFF>0</DALI_SWITCH_OFF><DALI_TIMEOUT>5000</DALI_TIMEOUT>", 0x760, {0, 0, 0, 0}},
    {"TimeoutWithSwitchOff", "<DALI_SWITCH_OFF>1</DALI_SWITCH_OFF><DALI_TIMEOUT>5000</DALI_TIMEOUT>", 0x760, {0x88, 0x13, 0, 0}},
    {"SwitchOffTrueIsNotSet", "<DALI_SWITCH_OFF>true</DALI_SWITCH_OFF><DALI_TIMEOUT>5000</DALI_TIMEOUT>", 0x760, {0, 0, 0, 0}},
    {"SwitchOffWithoutTimeout", "<DALI_SWITCH_OFF>1</DALI_SWITCH_OFF>", 0x760, {0, 0, 0, 0}},
    {"NegativeTimeoutIsStoredSigned", "<DALI_SWITCH_OFF>1</DALI_SWITCH_OFF><DALI_TIMEOUT>-2</DALI_TIMEOUT>", 0x760, {0xFE, 0xFF, 0xFF, 0xFF}},
    {"ScanDisabled", "<DALI_DISABLE_SCAN>1</DALI_DISABLE_SCAN>", 0x764, {0, 0, 1, 0}},
    {"Dali2Enabled", "<DALI_ENABLE_DALI_2>1</DALI_ENABLE_DALI_2>", 0x764, {0, 0, 2, 0}},
    {"BothOptions", "<DALI_DISABLE_SCAN>1</DALI_DISABLE_SCAN><DALI_ENABLE_DALI_2>1</DALI_ENABLE_DALI_2>", 0x764, {0, 0, 3, 0}},
    {"OptionYesIsNotSet", "<DALI_DISABLE_SCAN>yes</DALI_DISABLE_SCAN><DALI_ENABLE_DALI_2> 1</DALI_ENABLE_DALI_2>", 0x764, {0, 0, 0, 0}},
};

INSTANTIATE_TEST_SUITE_P(Keys, KeyTest, ::testing::ValuesIn(kKeyCases), [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommunicationSettings, AMalformedFileStopsTheBuildNamingIt) {
    write("ParGen.xml", "<Par_Gen><MTCPs_IP1>");
    try {
        build();
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), folder / "ParGen.xml");
    }
}

} // namespace
} // namespace corvane::testing

#include "common/field_parsers.h"
#include "common/serial_port_probe.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <map>

#include <unistd.h>

namespace corvane {
namespace {

using Bytes = std::array<std::uint8_t, 4>;

TEST(CheckKnxAddress, GroupAndIndividualAddresses) {
    struct Case { const char* text; bool slash; bool allowZero; int result; };
    const Case cases[] = {
        {"1/2/3", true, false, 0},      {"0/0/0", true, false, 1},     {"31/7/255", true, false, 0},
        {"32/0/1", true, false, 1},     {"1/8/1", true, false, 1},     {"1/2/256", true, false, 1},
        {"1/2047", true, false, 0},     {"0/0", true, false, 1},       {"1/2048", true, false, 1},
        {"0/1", true, false, 0},        {"1.1.1", true, false, 1},     {"4660", true, false, 0},
        {"0", true, false, 1},          {"65536", true, false, 1},     {"65535", true, false, 0},
        {"1 / 2 / 3", true, false, 0},  {"1/2/3/4", true, false, 1},   {"a/2/3", true, false, 1},
        {"0/0/0", true, true, 1},       {"", true, false, 1},
        {"1.1.1", false, false, 0},     {"15.15.255", false, false, 0}, {"16.1.1", false, false, 1},
        {"1.16.1", false, false, 1},    {"1.1.256", false, false, 1},  {"0.0.0", false, false, 1},
        {"0.0.0", false, true, 0},      {"1/1", false, false, 1},      {"1.1.1.1", false, false, 1},
        {" 1 . 1 . 1 ", false, false, 0}, {"4660", false, false, 0},   {"0", false, false, 1},
        {"1.2", false, false, 1},       {"a.b", false, false, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckKnxAddress(c.text, c.slash, c.allowZero), c.result)
            << '"' << c.text << "\" slash=" << c.slash << " allowZero=" << c.allowZero;
}

TEST(SplitIpAddress, FourBytesOrFalse) {
    struct Case { const char* text; bool valid; std::array<const char*, 4> parts; };
    const Case cases[] = {
        {" 192.168.2.205 ", true, {"192", "168", "2", "205"}},
        {"192 . 168 . 2 . 205", true, {"192", "168", "2", "205"}},
        {"0.0.0.0", true, {"0", "0", "0", "0"}},
        {"192.168.2", false, {"192", "168", "?", "?"}},   // the later parts keep the caller's values
        {"192.168.2.256", false, {"192", "168", "2", "256"}},
        {"1.2.3.4.5", false, {"1", "2", "3", "4.5"}},
        {"192.168..1", false, {"192", "168", "", "1"}},
        {"no dots", false, {"?", "?", "?", "?"}},
        {"-1.2.3.4", false, {"-1", "2", "3", "4"}},
    };
    for (const Case& c : cases) {
        std::string p1 = "?", p2 = "?", p3 = "?", p4 = "?";
        EXPECT_EQ(SplitIpAddress(c.text, p1, p2, p3, p4), c.valid) << c.text;
        EXPECT_EQ((std::array<std::string, 4>{p1, p2, p3, p4}),
                  (std::array<std::string, 4>{c.parts[0], c.parts[1], c.parts[2], c.parts[3]}))
            << c.text;
    }
}

TEST(ParseIpPort, AddressAndPortOrAllZero) {
    struct Case { const char* text; bool valid; Bytes bytes; std::uint16_t port; };
    const Case cases[] = {
        {"192.168.0.10:47808", true, {192, 168, 0, 10}, 47808},
        {" 10 . 0 . 0 . 1 : 0 ", true, {10, 0, 0, 1}, 0},
        {"1.2.3.4:65535", true, {1, 2, 3, 4}, 65535},
        {"192.168.0.10", false, {}, 0},
        {"192.168.0.10:70000", false, {}, 0},
        {"192.168.0.256:1", false, {}, 0},
        {"192.168:0.10", false, {}, 0},
        {"", false, {}, 0},
        {"1.2.3.4:", false, {}, 0},
    };
    for (const Case& c : cases) {
        Bytes bytes{9, 9, 9, 9};
        std::uint16_t port = 9;
        EXPECT_EQ(ParseIpPort(c.text, bytes, port), c.valid) << c.text;
        EXPECT_EQ(bytes, c.bytes) << c.text;
        EXPECT_EQ(port, c.port) << c.text;
    }
}

TEST(ParseIpBytes, ErrorUnlessFourDottedBytes) {
    struct Case { const char* text; bool error; Bytes bytes; };
    const Case cases[] = {
        {"10.0.0.1", false, {10, 0, 0, 1}},
        {"10.0.0", true, {10, 0, 0, 0}},
        {"300.1.1.1", true, {0, 1, 1, 1}},
        {"1.2.3.4.5", true, {1, 2, 3, 0}},
        {"1.2.3.4 ", true, {1, 2, 3, 0}}, // parts are not trimmed
        {"", true, {7, 7, 7, 7}},          // the bytes are not touched
    };
    for (const Case& c : cases) {
        Bytes bytes{7, 7, 7, 7};
        EXPECT_EQ(ParseIpBytes(c.text, bytes), c.error) << '"' << c.text << '"';
        EXPECT_EQ(bytes, c.bytes) << '"' << c.text << '"';
    }
}

TEST(HasNoDot, OnlyTextsWithoutADot) {
    EXPECT_TRUE(HasNoDot("1/2/3"));
    EXPECT_TRUE(HasNoDot(""));
    EXPECT_FALSE(HasNoDot("1.1"));
}

TEST(CheckOid, FirstFailingRuleGivesTheCode) {
    const std::map<std::string, int> cases = {
        {"1.3.6.1.4.1", 0}, {".1.3", 3}, {"1.3.", 4}, {"1..3", 5}, {"1.3a", 2}, {std::string(129, '1'), 1},
        {std::string(128, '1'), 6}, {"1.3.65535", 0}, {"1.3.65536", 6}, {"1", 0}, {"", 2}, {"1 .3", 2},
        {".", 3}, {"1.99999999999999999999", 6},
    };
    for (const auto& [text, code] : cases) EXPECT_EQ(CheckOid(text), code) << text;
}

TEST(ParseSecurityLevel, FlagBitsOfTheLevel) {
    const std::map<std::string, int> cases = {
        {"  auth priv  ", 3}, {"AUTH NOPRIV", 1}, {"NOAUTH NOPRIV", 0}, {"", -1}, {"   ", -1}, {"AUTH  PRIV", 0},
    };
    for (const auto& [text, level] : cases) EXPECT_EQ(ParseSecurityLevel(text), level) << '"' << text << '"';
}

class FakeSerialPortProbe : public SerialPortProbe {
public:
    std::map<int, State> present;
    State probe(int n) override { return present.contains(n) ? present[n] : State::Missing; }
    int portLimit() override { return 256; }
};

TEST(ListComPorts, ListsAvailableAndHeldPortsInOrder) {
    FakeSerialPortProbe probe;
    probe.present = {{3, SerialPortProbe::State::Busy}, {1, SerialPortProbe::State::Available}};
    EXPECT_EQ(ListComPorts(probe), (std::vector<std::string>{"1", "3"}));
    probe.present = {{256, SerialPortProbe::State::Available}, {257, SerialPortProbe::State::Available}};
    EXPECT_EQ(ListComPorts(probe), (std::vector<std::string>{"256"}));
}

TEST(LinuxSerialPortProbe, NumbersMapToFixedDevices) {
    const std::map<int, std::string> cases = {
        {1, "/dev/ttyS0"}, {32, "/dev/ttyS31"}, {33, "/dev/ttyUSB0"}, {144, "/dev/ttyUSB111"},
        {145, "/dev/ttyACM0"}, {256, "/dev/ttyACM111"}, {0, ""}, {257, ""},
    };
    for (const auto& [port, device] : cases) EXPECT_EQ(serialDevicePath(port).string(), device) << port;
}

TEST(LinuxSerialPortProbe, ADeviceThatOpensExistsAndAMissingOneDoesNot) {
    testing::TempDir dev;
    dev.write("ttyUSB0", "");
    LinuxSerialPortProbe probe(dev.path());
    EXPECT_EQ(probe.probe(33), SerialPortProbe::State::Available);
    EXPECT_EQ(probe.probe(34), SerialPortProbe::State::Missing);
    EXPECT_EQ(probe.probe(0), SerialPortProbe::State::Missing);
    EXPECT_EQ(ListComPorts(probe), (std::vector<std::string>{"33"}));
}

TEST(LinuxSerialPortProbe, ADeviceWithoutAccessIsHeld) {
    if (::geteuid() == 0) GTEST_SKIP() << "root opens every file";
    testing::TempDir dev;
    auto device = dev.write("ttyS2", "");
    std::filesystem::permissions(device, std::filesystem::perms::none);
    EXPECT_EQ(LinuxSerialPortProbe(dev.path()).probe(3), SerialPortProbe::State::Busy);
}

} // namespace
} // namespace corvane

// The real echo client: which address texts it takes, and one echo to this machine.
#include "update/icmp_echo_client.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace corvane {
namespace {

TEST(EchoAddress, TakesFieldsAsTypedAndRefusesTheRest) {
    using Bytes = std::array<std::uint8_t, 4>;
    const struct {
        const char* text;
        std::optional<Bytes> bytes;
    } cases[] = {
        {"192.168.0.10", Bytes{192, 168, 0, 10}},
        {"192.168.0.010", Bytes{192, 168, 0, 10}}, // leading zeros are decimal, never octal
        {" 10. 0 .0.1 ", Bytes{10, 0, 0, 1}},      // blanks typed into the fields
        {"0.0.0.0", Bytes{0, 0, 0, 0}},
        {"255.255.255.255", Bytes{255, 255, 255, 255}},
        {"192.168.0.256", std::nullopt},
        {"192.168.0", std::nullopt},
        {"1.2.3.4.5", std::nullopt},
        {"192.168..1", std::nullopt},
        {"a.b.c.d", std::nullopt},
        {"-1.2.3.4", std::nullopt},
        {"0x1.2.3.4", std::nullopt},
        {"1.2.3.0010", std::nullopt},
        {"", std::nullopt},
        {"...", std::nullopt},
        {"localhost", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parseEchoAddress(c.text), c.bytes) << '"' << c.text << '"';
}

TEST(IcmpEchoClient, RefusesAnUnusableAddressWithoutSending) {
    IcmpEchoClient client;
    EXPECT_EQ(client.echo("192.168.0", "x", std::chrono::milliseconds(400)).outcome, EchoClient::Outcome::BadAddress);
}

// Real network traffic only ever goes to this machine.
TEST(IcmpEchoClient, LoopbackEchoesTheAddressText) {
    IcmpEchoClient client;
    const auto result = client.echo("127.0.0.1", "127.0.0.1", std::chrono::milliseconds(400));
    if (result.outcome == EchoClient::Outcome::NotPermitted) {
        EXPECT_NE(result.detail.find("ping_group_range"), std::string::npos);
        EXPECT_NE(result.detail.find("setcap"), std::string::npos);
        GTEST_SKIP() << "this machine does not let the test send echo requests";
    }
    ASSERT_EQ(result.outcome, EchoClient::Outcome::Reply) << result.detail;
    EXPECT_EQ(result.replyData, "127.0.0.1");
}

// As an unprivileged user on a system that keeps ping sockets to itself, the client says so
// instead of reporting a silent device. Needs root to become that user.
TEST(IcmpEchoClient, UnprivilegedUserIsToldHowToAllowEchoRequests) {
    if (::getuid() != 0) GTEST_SKIP() << "needs root to drop to an unprivileged user";
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        const auto result = IcmpEchoClient().echo("127.0.0.1", "127.0.0.1", std::chrono::milliseconds(400));
        if (result.outcome == EchoClient::Outcome::Reply) ::_exit(3); // this system allows ping sockets to everyone
        const bool explained = result.detail.find("ping_group_range") != std::string::npos &&
                               result.detail.find("setcap cap_net_raw+ep") != std::string::npos;
        ::_exit(result.outcome == EchoClient::Outcome::NotPermitted && explained ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 2) GTEST_SKIP() << "cannot become an unprivileged user here";
    if (WEXITSTATUS(status) == 3) GTEST_SKIP() << "every group may send echo requests here";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

} // namespace
} // namespace corvane

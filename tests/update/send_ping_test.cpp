// The reachability test: how many echo requests, how long, and what the window learns.
#include "tests/update/scripted_clock.h"
#include "update/background_echo_client.h"
#include "update/send_ping.h"

#include <gtest/gtest.h>

#include <thread>

namespace corvane {
namespace {

using std::chrono::milliseconds;
using Outcome = EchoClient::Outcome;

// Answers every echo the same way, taking `delay` of scripted time, and records the requests.
class ScriptedEchoClient : public EchoClient {
public:
    ScriptedEchoClient(testing::ScriptedClock& clock, Result answer, milliseconds delay)
        : clock_(clock), answer_(std::move(answer)), delay_(delay) {}
    Result echo(const std::string& address, const std::string& payload, milliseconds timeout) override {
        requests.push_back({address, payload, timeout});
        clock_.time += delay_;
        return answer_;
    }
    struct Request {
        std::string address, payload;
        milliseconds timeout;
    };
    std::vector<Request> requests;

private:
    testing::ScriptedClock& clock_;
    Result answer_;
    milliseconds delay_;
};

struct PingCase {
    const char* name;
    EchoClient::Result answer;
    milliseconds delay;
    bool reachable;
    PingResult ping_res;
    int attempts;
    milliseconds minTime, maxTime;
};

void PrintTo(const PingCase& c, std::ostream* out) { *out << c.name; }

class SendPing : public ::testing::TestWithParam<PingCase> {};

TEST_P(SendPing, AttemptsDurationAndResult) {
    const PingCase& c = GetParam();
    testing::ScriptedClock clock;
    ScriptedEchoClient client(clock, c.answer, c.delay);
    const auto start = clock.time;

    PingOutcome outcome = Send_Ping(client, "192.168.0.10", clock.hooks());

    EXPECT_EQ(outcome.reachable, c.reachable);
    EXPECT_EQ(outcome.ping_res, c.ping_res);
    EXPECT_EQ(outcome.attempts, c.attempts);
    EXPECT_GE(clock.time - start, c.minTime);
    EXPECT_LE(clock.time - start, c.maxTime);
    EXPECT_GE(clock.eventRounds, outcome.attempts - (outcome.ping_res == PingResult::None ? 1 : 0));
    ASSERT_FALSE(client.requests.empty());
    EXPECT_EQ(client.requests[0].address, "192.168.0.10");
    EXPECT_EQ(client.requests[0].payload, "192.168.0.10");
    EXPECT_EQ(client.requests[0].timeout, milliseconds(400));
}

INSTANTIATE_TEST_SUITE_P(
    Devices, SendPing,
    ::testing::Values(
        // Two replies with data end the test well under a second.
        PingCase{"Answering", {Outcome::Reply, "192.168.0.10", ""}, milliseconds(1), true, PingResult::ReplyWithData, 2,
                 milliseconds(20), milliseconds(100)},
        // Silence: attempts of just over 400 ms until more than 5 s have passed ("Device Not Found!").
        PingCase{"Silent", {Outcome::NoReply, "", "no reply"}, milliseconds(400), false, PingResult::NoData, 13,
                 milliseconds(5001), milliseconds(5500)},
        // Replies that carry no data count as no answer.
        PingCase{"RepliesWithoutData", {Outcome::Reply, "", ""}, milliseconds(1), false, PingResult::NoData, 455,
                 milliseconds(5001), milliseconds(5100)},
        // An address the client cannot use ends the test at once with nothing received ("Check the Ip Address").
        PingCase{"BadAddress", {Outcome::BadAddress, "", "not an address"}, milliseconds(0), false, PingResult::None, 1,
                 milliseconds(0), milliseconds(0)},
        // The system forbids echo requests: ends at once, and says so rather than blaming the address.
        PingCase{"NotPermitted", {Outcome::NotPermitted, "", "may not send"}, milliseconds(0), false, PingResult::None,
                 1, milliseconds(0), milliseconds(0)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SendPingOutcome, NotPermittedCarriesTheExplanation) {
    testing::ScriptedClock clock;
    ScriptedEchoClient client(clock, {Outcome::NotPermitted, "", "may not send; setcap"}, milliseconds(0));
    PingOutcome outcome = Send_Ping(client, "10.0.0.1", clock.hooks());
    EXPECT_TRUE(outcome.notPermitted);
    EXPECT_EQ(outcome.detail, "may not send; setcap");
}

// One reply with data followed by silence: the last attempt decides, and a single reply is not enough.
TEST(SendPingOutcome, LastAttemptDecides) {
    class OnceThenSilent : public EchoClient {
    public:
        explicit OnceThenSilent(testing::ScriptedClock& clock) : clock_(clock) {}
        Result echo(const std::string& address, const std::string&, milliseconds) override {
            clock_.time += milliseconds(400);
            return calls_++ == 0 ? Result{Outcome::Reply, address, ""} : Result{Outcome::NoReply, "", ""};
        }

    private:
        testing::ScriptedClock& clock_;
        int calls_ = 0;
    };
    testing::ScriptedClock clock;
    OnceThenSilent client(clock);
    PingOutcome outcome = Send_Ping(client, "10.0.0.1", clock.hooks());
    EXPECT_FALSE(outcome.reachable);
    EXPECT_EQ(outcome.ping_res, PingResult::NoData);
    EXPECT_EQ(outcome.attempts, 13);
}

// While the echo waits for its reply, the window's events keep being processed.
TEST(BackgroundEchoClient, ProcessesEventsUntilTheReplyComes) {
    class SlowClient : public EchoClient {
    public:
        Result echo(const std::string& address, const std::string& payload, milliseconds timeout) override {
            std::this_thread::sleep_for(milliseconds(60));
            return {Outcome::Reply, address + "|" + payload + "|" + std::to_string(timeout.count()), ""};
        }
    } slow;
    int rounds = 0;
    BackgroundEchoClient client(slow, [&] { ++rounds; });
    const auto result = client.echo("10.0.0.1", "data", milliseconds(400));
    EXPECT_EQ(result.outcome, Outcome::Reply);
    EXPECT_EQ(result.replyData, "10.0.0.1|data|400");
    EXPECT_GE(rounds, 1);
}

} // namespace
} // namespace corvane

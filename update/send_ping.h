#pragma once
// The update window's reachability test: echo requests to the device for up to 5 s, done when two
// replies with data came back. The clock, the sleep and the window's event processing are hooks, so
// the window stays responsive and tests run without real time.
#include "common/platform.h"
#include "update/wait_clock.h"

#include <chrono>
#include <string>

namespace corvane {

inline constexpr std::chrono::milliseconds kPingReceiveTimeout{400};
inline constexpr std::chrono::milliseconds kPingPollInterval{10};
inline constexpr std::chrono::milliseconds kPingTestDuration{5000};
inline constexpr int kPingRepliesNeeded = 2;

// ping_res of the window: what the last echo brought.
enum class PingResult { None = 0, ReplyWithData = 1, NoData = 2 };

struct PingOutcome {
    bool reachable = false;  // the last attempt got a reply with data
    PingResult ping_res = PingResult::None;
    bool notPermitted = false; // the system forbids this program to send echo requests
    std::string detail;        // the echo client's explanation of the last failure
    int attempts = 0;
};

// Sends echo requests to `target` (its own text as the data) until two replies with data were
// counted or more than 5 s have passed. An address the client cannot use ends the test at once,
// with ping_res left as it was.
PingOutcome Send_Ping(EchoClient& client, const std::string& target, const WaitClock& clock);

} // namespace corvane

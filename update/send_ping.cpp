#include "update/send_ping.h"

namespace corvane {

PingOutcome Send_Ping(EchoClient& client, const std::string& target, const WaitClock& clock) {
    PingOutcome outcome;
    const auto start = clock.now();
    int replies = 0;
    for (;;) {
        ++outcome.attempts;
        EchoClient::Result result = client.echo(target, target, kPingReceiveTimeout);
        outcome.detail = result.detail;
        if (result.outcome == EchoClient::Outcome::BadAddress) return outcome;
        if (result.outcome == EchoClient::Outcome::NotPermitted) {
            outcome.notPermitted = true;
            return outcome;
        }
        const bool withData = result.outcome == EchoClient::Outcome::Reply && !result.replyData.empty();
        outcome.ping_res = withData ? PingResult::ReplyWithData : PingResult::NoData;

        // The window polls for the reply in 10-ms rounds while ping_res is still None; the echo
        // client here answers synchronously, so exactly the one round that always runs remains.
        clock.sleep(kPingPollInterval);
        clock.processEvents();

        if (outcome.ping_res == PingResult::ReplyWithData && ++replies >= kPingRepliesNeeded) break;
        if (clock.now() - start > kPingTestDuration) break;
    }
    outcome.reachable = outcome.ping_res == PingResult::ReplyWithData;
    return outcome;
}

} // namespace corvane

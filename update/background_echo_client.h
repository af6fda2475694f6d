#pragma once
// An EchoClient that waits for another one's echo on a helper thread, so that the window keeps
// repainting and reacting (its pending events processed every 10 ms) during each receive time-out.
#include "common/platform.h"

#include <functional>

namespace corvane {

class BackgroundEchoClient : public EchoClient {
public:
    BackgroundEchoClient(EchoClient& client, std::function<void()> processEvents)
        : client_(client), processEvents_(std::move(processEvents)) {}

    Result echo(const std::string& address, const std::string& payload, std::chrono::milliseconds timeout) override;

private:
    EchoClient& client_;
    std::function<void()> processEvents_;
};

} // namespace corvane

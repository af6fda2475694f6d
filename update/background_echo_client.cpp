#include "update/background_echo_client.h"

#include <future>

namespace corvane {

EchoClient::Result BackgroundEchoClient::echo(const std::string& address, const std::string& payload,
                                              std::chrono::milliseconds timeout) {
    auto result = std::async(std::launch::async, [&] { return client_.echo(address, payload, timeout); });
    while (result.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) processEvents_();
    return result.get();
}

} // namespace corvane

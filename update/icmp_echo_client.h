#pragma once
// The real ICMP echo client: one IPv4 echo request, waiting up to a time-out for its reply.
#include "common/platform.h"

#include <array>
#include <cstdint>
#include <optional>

namespace corvane {

class IcmpEchoClient : public EchoClient {
public:
    Result echo(const std::string& address, const std::string& payload, std::chrono::milliseconds timeout) override;
};

// The four bytes of a dotted address as the update window's fields hold it: each part may carry
// blanks around it and leading zeros (read as decimal, never octal), and must be 0 to 255.
std::optional<std::array<std::uint8_t, 4>> parseEchoAddress(const std::string& address);

} // namespace corvane

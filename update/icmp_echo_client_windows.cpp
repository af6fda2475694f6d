// IcmpEchoClient on Windows: the system's ICMP helper (IcmpSendEcho), which needs no privileges.
#ifdef _WIN32
#include "update/icmp_echo_client.h"

#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
#include <icmpapi.h>

#include <cstring>
#include <vector>

namespace corvane {

EchoClient::Result IcmpEchoClient::echo(const std::string& address, const std::string& payload,
                                        std::chrono::milliseconds timeout) {
    const auto bytes = parseEchoAddress(address);
    if (!bytes) return {Outcome::BadAddress, {}, "\"" + address + "\" is not an IPv4 address"};
    HANDLE icmp = IcmpCreateFile();
    if (icmp == INVALID_HANDLE_VALUE) return {Outcome::NoReply, {}, "cannot open the ICMP service"};

    IPAddr target;
    std::memcpy(&target, bytes->data(), 4);
    std::vector<char> reply(sizeof(ICMP_ECHO_REPLY) + payload.size() + 8 + 1024);
    const DWORD count = IcmpSendEcho(icmp, target, const_cast<char*>(payload.data()), static_cast<WORD>(payload.size()),
                                     nullptr, reply.data(), static_cast<DWORD>(reply.size()),
                                     static_cast<DWORD>(timeout.count()));
    IcmpCloseHandle(icmp);
    if (count == 0) return {Outcome::NoReply, {}, "no reply"};
    const auto* echo = reinterpret_cast<const ICMP_ECHO_REPLY*>(reply.data());
    if (echo->Status != IP_SUCCESS) return {Outcome::NoReply, {}, "no reply"};
    return {Outcome::Reply, std::string(static_cast<const char*>(echo->Data), echo->DataSize), {}};
}

} // namespace corvane
#endif

// IcmpEchoClient on Linux and other POSIX systems: a datagram ICMP socket where the system allows
// unprivileged echo (net.ipv4.ping_group_range), a raw socket otherwise (root or CAP_NET_RAW).
#ifndef _WIN32
#include "update/icmp_echo_client.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <netinet/in.h>
#include <poll.h>
#include <random>
#include <sys/socket.h>
#include <unistd.h>

namespace corvane {

namespace {

constexpr std::uint8_t kEchoRequest = 8;
constexpr std::uint8_t kEchoReply = 0;
constexpr size_t kIcmpHeaderSize = 8;
constexpr size_t kMaxPacket = 1024; // the echo client's packet size

class Socket {
public:
    explicit Socket(int fd) : fd_(fd) {}
    ~Socket() {
        if (fd_ >= 0) ::close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

std::uint16_t internetChecksum(const std::string& bytes) {
    std::uint32_t sum = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        sum += static_cast<std::uint8_t>(bytes[i]) << 8 | static_cast<std::uint8_t>(bytes[i + 1]);
    if (bytes.size() % 2) sum += static_cast<std::uint8_t>(bytes.back()) << 8;
    while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<std::uint16_t>(~sum);
}

std::string echoRequest(std::uint16_t identifier, std::uint16_t sequence, const std::string& payload) {
    std::string packet(kIcmpHeaderSize, '\0');
    packet[0] = static_cast<char>(kEchoRequest);
    packet[4] = static_cast<char>(identifier >> 8);
    packet[5] = static_cast<char>(identifier & 0xFF);
    packet[6] = static_cast<char>(sequence >> 8);
    packet[7] = static_cast<char>(sequence & 0xFF);
    packet += payload.substr(0, kMaxPacket - kIcmpHeaderSize);
    const std::uint16_t checksum = internetChecksum(packet);
    packet[2] = static_cast<char>(checksum >> 8);
    packet[3] = static_cast<char>(checksum & 0xFF);
    return packet;
}

std::string programPath() {
    std::error_code ignored;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ignored);
    return path.empty() ? std::string("<the configurator>") : path.string();
}

std::string notPermittedDetail() {
    return "This program may not send ICMP echo requests (ping), so it cannot test whether the device answers.\n"
           "To allow it, either let your group use unprivileged ping sockets:\n"
           "    sudo sysctl -w net.ipv4.ping_group_range=\"0 2147483647\"\n"
           "or give the program the capability to open raw sockets:\n"
           "    sudo setcap cap_net_raw+ep " + programPath();
}

// Opens a datagram ICMP socket, or a raw one when datagram ICMP is not allowed. -1 with errno set on failure.
int openIcmpSocket(bool& raw) {
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    raw = fd < 0;
    if (fd < 0) fd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
    return fd;
}

struct ParsedReply {
    bool isOurReply = false;
    std::string data;
};

// A raw socket sees every ICMP packet of the host (with the IP header in front), so only an echo
// reply from the target with our identifier and sequence counts. A datagram socket receives only
// replies to its own requests; the kernel replaces the identifier, so only the sequence is compared.
ParsedReply parseReply(const char* bytes, size_t size, bool raw, std::uint16_t identifier, std::uint16_t sequence) {
    if (raw) {
        if (size < 20) return {};
        const size_t ipHeader = static_cast<size_t>(bytes[0] & 0x0F) * 4;
        if (ipHeader < 20 || size < ipHeader) return {};
        bytes += ipHeader;
        size -= ipHeader;
    }
    if (size < kIcmpHeaderSize || static_cast<std::uint8_t>(bytes[0]) != kEchoReply) return {};
    const auto word = [&](size_t at) {
        return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) << 8 | static_cast<std::uint8_t>(bytes[at + 1]));
    };
    if (word(6) != sequence || (raw && word(4) != identifier)) return {};
    return {true, std::string(bytes + kIcmpHeaderSize, size - kIcmpHeaderSize)};
}

} // namespace

EchoClient::Result IcmpEchoClient::echo(const std::string& address, const std::string& payload,
                                        std::chrono::milliseconds timeout) {
    const auto bytes = parseEchoAddress(address);
    if (!bytes) return {Outcome::BadAddress, {}, "\"" + address + "\" is not an IPv4 address"};

    bool raw = false;
    Socket socket(openIcmpSocket(raw));
    if (socket.fd() < 0) {
        if (errno == EACCES || errno == EPERM) return {Outcome::NotPermitted, {}, notPermittedDetail()};
        return {Outcome::NoReply, {}, std::string("cannot open an ICMP socket: ") + std::strerror(errno)};
    }

    sockaddr_in target{};
    target.sin_family = AF_INET;
    std::memcpy(&target.sin_addr, bytes->data(), 4);
    const auto identifier = static_cast<std::uint16_t>(std::random_device{}());
    const std::uint16_t sequence = 0;
    const std::string request = echoRequest(identifier, sequence, payload);
    if (::sendto(socket.fd(), request.data(), request.size(), 0, reinterpret_cast<sockaddr*>(&target), sizeof target) < 0) {
        if (errno == EACCES || errno == EPERM) return {Outcome::NotPermitted, {}, notPermittedDetail()};
        return {Outcome::NoReply, {}, std::string("cannot send the echo request: ") + std::strerror(errno)};
    }

    const auto deadline = std::chrono::steady_clock::now() + timeout;
    char buffer[kMaxPacket + 128];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return {Outcome::NoReply, {}, "no reply within " + std::to_string(timeout.count()) + " ms"};
        pollfd wait{socket.fd(), POLLIN, 0};
        const int ready = ::poll(&wait, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) return {Outcome::NoReply, {}, std::string("cannot wait for the reply: ") + std::strerror(errno)};
        if (ready == 0) continue; // time-out: the loop head reports it
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        const ssize_t received =
            ::recvfrom(socket.fd(), buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (received < 0 || from.sin_addr.s_addr != target.sin_addr.s_addr) continue;
        ParsedReply reply = parseReply(buffer, static_cast<size_t>(received), raw, identifier, sequence);
        if (reply.isOurReply) return {Outcome::Reply, std::move(reply.data), {}};
    }
}

} // namespace corvane
#endif

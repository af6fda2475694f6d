#pragma once
// A tiny HTTP server on 127.0.0.1 for tests: accepts one connection on an ephemeral port, records
// the request it received and sends a fixed reply.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <thread>

namespace corvane::testing {

class OneShotHttpServer {
public:
    // `reply` is sent as it stands (status line, headers, body) after the request's header ends.
    explicit OneShotHttpServer(std::string reply) : reply_(std::move(reply)) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = loopback(0);
        if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(listener_, 1) != 0)
            throw std::runtime_error("cannot open the test server");
        socklen_t length = sizeof address;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        worker_ = std::thread([this] { serveOnce(); });
    }
    ~OneShotHttpServer() {
        ::shutdown(listener_, SHUT_RDWR); // wakes accept() when nobody came
        if (worker_.joinable()) worker_.join();
        ::close(listener_);
    }
    OneShotHttpServer(const OneShotHttpServer&) = delete;
    OneShotHttpServer& operator=(const OneShotHttpServer&) = delete;

    // "127.0.0.1:<port>", usable as a request's host.
    std::string host() const { return "127.0.0.1:" + std::to_string(port_); }

    // The request as received; call it only after a client has had its answer.
    const std::string& receivedRequest() {
        if (worker_.joinable()) worker_.join();
        return request_;
    }

    // A host that takes connections but never answers: a port listening without accepting.
    class Silent {
    public:
        Silent() {
            listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in address = loopback(0);
            ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
            ::listen(listener_, 1);
            socklen_t length = sizeof address;
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
            host_ = "127.0.0.1:" + std::to_string(ntohs(address.sin_port));
        }
        ~Silent() { ::close(listener_); }
        Silent(const Silent&) = delete;
        Silent& operator=(const Silent&) = delete;
        const std::string& host() const { return host_; }

    private:
        int listener_ = -1;
        std::string host_;
    };

    // A host on which nothing listens: a port opened and closed again.
    static std::string closedHost() {
        OneShotHttpServer probe("");
        return probe.host();
    }

private:
    static sockaddr_in loopback(unsigned short port) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return address;
    }

    void serveOnce() {
        const int connection = ::accept(listener_, nullptr, nullptr);
        if (connection < 0) return;
        char buffer[4096];
        while (request_.find("\r\n\r\n") == std::string::npos) {
            const ssize_t received = ::recv(connection, buffer, sizeof buffer, 0);
            if (received <= 0) break;
            request_.append(buffer, static_cast<size_t>(received));
        }
        for (size_t sent = 0; sent < reply_.size();) {
            const ssize_t written = ::send(connection, reply_.data() + sent, reply_.size() - sent, MSG_NOSIGNAL);
            if (written <= 0) break;
            sent += static_cast<size_t>(written);
        }
        ::close(connection);
    }

    std::string reply_;
    std::string request_;
    int listener_ = -1;
    unsigned short port_ = 0;
    std::thread worker_;
};

// A complete HTTP/1.0 reply with the given status line and body.
inline std::string httpReply(const std::string& status, const std::string& body,
                             const std::string& contentType = "text/html") {
    return "HTTP/1.0 " + status + "\r\nContent-Type: " + contentType + "\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\n\r\n" + body;
}

} // namespace corvane::testing

#pragma once
// The platform facilities the program uses, each behind a small interface so tests can substitute it.
#include <chrono>
#include <memory>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// Modal message boxes: error and warning with OK, confirmation with Yes/No.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual void error(const std::string& text) = 0;
    virtual void warning(const std::string& text) = 0;
    virtual bool confirm(const std::string& text) = 0; // true = Yes
};

// Opens a web address with the user's default handler.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const std::string& url) = 0;
};

// A plain HTTP GET; nullopt on any failure (no network, time-out, error status).
class HttpClient {
public:
    virtual ~HttpClient() = default;
    struct Request {
        std::string host;
        std::string path;
        std::vector<std::string> headers; // "Name: value"
        std::chrono::milliseconds timeout{5000};
    };
    virtual std::optional<std::string> get(const Request& request) = 0;
};

// ICMP echo: one request to an IPv4 address, waiting at most `timeout` for the reply.
class EchoClient {
public:
    virtual ~EchoClient() = default;
    enum class Outcome { Reply, NoReply, NotPermitted, BadAddress };
    struct Result {
        Outcome outcome = Outcome::NoReply;
        std::string replyData; // payload echoed back by the host
        std::string detail;    // why, when not a reply
    };
    virtual Result echo(const std::string& address, const std::string& payload,
                        std::chrono::milliseconds timeout) = 0;
};

// Starts a program and waits for it to end.
class ProcessRunner {
public:
    virtual ~ProcessRunner() = default;
    struct Process {
        virtual ~Process() = default;
        virtual bool finished() = 0; // polls without blocking
    };
    // nullptr when the program cannot be started.
    virtual std::unique_ptr<Process> start(const std::string& program, const std::string& workingDir) = 0;
};

// The user's regional settings.
class RegionalSettings {
public:
    virtual ~RegionalSettings() = default;
    virtual char decimalSeparator() = 0; // ',' or '.'
};

// Probes the numbered serial devices.
class SerialPortProbe {
public:
    virtual ~SerialPortProbe() = default;
    enum class State { Missing, Available, Busy };
    virtual State probe(int portNumber) = 0;
    virtual int portLimit() = 0;
};

} // namespace corvane

namespace corvane {

// Every platform facility of the running program; the entry point fills it with the real ones,
// tests with fakes. Pointers never change after start-up; a facility a test does not need may be null.
struct Platform {
    Prompts* prompts = nullptr;
    UrlOpener* urls = nullptr;
    HttpClient* http = nullptr;
    EchoClient* echo = nullptr;
    ProcessRunner* processes = nullptr;
    RegionalSettings* regional = nullptr;
    SerialPortProbe* serial = nullptr;
};

} // namespace corvane

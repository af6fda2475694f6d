#pragma once
// Scripted echo client and process runner for the update window's tests.
#include "common/platform.h"

#include <functional>
#include <string>
#include <vector>

namespace corvane::testing {

// Answers every echo the same way and records the targets.
class FakeEchoClient : public EchoClient {
public:
    Result answer{Outcome::Reply, "data", ""};
    std::vector<std::string> targets;
    Result echo(const std::string& address, const std::string& payload, std::chrono::milliseconds) override {
        targets.push_back(address);
        Result result = answer;
        if (result.outcome == Outcome::Reply && !result.replyData.empty()) result.replyData = payload;
        return result;
    }
};

// Records started programs; each runs for `polls` polls, calling `whilePolled` on every poll.
class FakeProcessRunner : public ProcessRunner {
public:
    struct Start {
        std::string program, workingDir;
    };
    std::vector<Start> started;
    bool canStart = true;
    int polls = 0;
    std::function<void()> whilePolled;

    std::unique_ptr<Process> start(const std::string& program, const std::string& workingDir) override {
        if (!canStart) return nullptr;
        started.push_back({program, workingDir});
        return std::make_unique<Running>(*this, polls);
    }

private:
    struct Running : Process {
        Running(FakeProcessRunner& owner, int polls) : owner_(owner), left_(polls) {}
        bool finished() override {
            if (owner_.whilePolled) owner_.whilePolled();
            return left_-- <= 0;
        }
        FakeProcessRunner& owner_;
        int left_;
    };
};

} // namespace corvane::testing

#pragma once
// A clock that only moves when the code under test sleeps or the scripted platform takes time.
#include "update/wait_clock.h"

namespace corvane::testing {

struct ScriptedClock {
    std::chrono::milliseconds time{100000};
    int eventRounds = 0;

    WaitClock hooks() {
        return {[this] { return time; }, [this](std::chrono::milliseconds d) { time += d; }, [this] { ++eventRounds; }};
    }
};

} // namespace corvane::testing

#pragma once
// Time as the waiting loops of the update window see it: a millisecond tick counter, a sleep, and
// a hook that lets the windows process their pending messages. Tests pass a scripted clock.
#include <chrono>
#include <functional>

namespace corvane {

struct WaitClock {
    std::function<std::chrono::milliseconds()> now;
    std::function<void(std::chrono::milliseconds)> sleep;
    std::function<void()> processEvents;
};

// The steady clock, a real sleep and the given event processing (nothing when empty).
WaitClock realWaitClock(std::function<void()> processEvents = {});

} // namespace corvane

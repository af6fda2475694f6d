#include "update/wait_clock.h"

#include <thread>

namespace corvane {

WaitClock realWaitClock(std::function<void()> processEvents) {
    if (!processEvents) processEvents = [] {};
    return {[] {
                return std::chrono::duration_cast<std::chrono::milliseconds>(
                    std::chrono::steady_clock::now().time_since_epoch());
            },
            [](std::chrono::milliseconds duration) { std::this_thread::sleep_for(duration); },
            std::move(processEvents)};
}

} // namespace corvane

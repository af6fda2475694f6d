#pragma once
// Starts the external updater and waits for it: up to 150 s, without looking at its exit code and
// without ending it when the time is up.
#include "common/platform.h"
#include "update/wait_clock.h"

#include <chrono>
#include <filesystem>
#include <functional>

namespace corvane {

inline constexpr std::chrono::milliseconds kUpdaterWaitLimit{150000};
inline constexpr std::chrono::milliseconds kUpdaterPollInterval{10};

enum class StartOutcome { NotStarted, Ended, StillRunning };

// Starts `program` without arguments in `workingDir` and polls every 10 ms until it ends or `limit`
// has passed. `progress` is called after every poll with the time waited so far (the window shows it
// and repaints); a program that cannot be started returns at once.
StartOutcome Start_Program(ProcessRunner& runner, const std::filesystem::path& program,
                           const std::filesystem::path& workingDir, const WaitClock& clock,
                           const std::function<void(std::chrono::milliseconds waited)>& progress,
                           std::chrono::milliseconds limit = kUpdaterWaitLimit);

} // namespace corvane

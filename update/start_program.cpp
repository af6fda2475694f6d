#include "update/start_program.h"

namespace corvane {

StartOutcome Start_Program(ProcessRunner& runner, const std::filesystem::path& program,
                           const std::filesystem::path& workingDir, const WaitClock& clock,
                           const std::function<void(std::chrono::milliseconds waited)>& progress,
                           std::chrono::milliseconds limit) {
    std::unique_ptr<ProcessRunner::Process> process = runner.start(program.string(), workingDir.string());
    if (!process) return StartOutcome::NotStarted;
    const auto start = clock.now();
    for (;;) {
        if (process->finished()) return StartOutcome::Ended;
        clock.sleep(kUpdaterPollInterval);
        const auto waited = clock.now() - start;
        if (progress) progress(waited);
        if (waited >= limit) return StartOutcome::StillRunning;
    }
}

} // namespace corvane

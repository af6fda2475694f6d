// SystemProcessRunner on POSIX systems: posix_spawn, then waitpid without blocking.
#ifndef _WIN32
#include "update/system_process_runner.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace corvane {

namespace {

class SpawnedProcess : public ProcessRunner::Process {
public:
    explicit SpawnedProcess(pid_t pid) : pid_(pid) {}

    // A program that outlives the wait keeps running; a thread collects its exit status later so
    // it never lingers as a zombie.
    ~SpawnedProcess() override {
        if (!reaped_) std::thread([pid = pid_] { ::waitpid(pid, nullptr, 0); }).detach();
    }

    bool finished() override {
        if (!reaped_) {
            const pid_t result = ::waitpid(pid_, nullptr, WNOHANG);
            reaped_ = result == pid_ || (result < 0 && errno != EINTR);
        }
        return reaped_;
    }

private:
    pid_t pid_;
    bool reaped_ = false;
};

} // namespace

std::unique_ptr<ProcessRunner::Process> SystemProcessRunner::start(const std::string& program,
                                                                   const std::string& workingDir) {
    posix_spawn_file_actions_t actions;
    if (::posix_spawn_file_actions_init(&actions) != 0) return nullptr;
    if (!workingDir.empty() && ::posix_spawn_file_actions_addchdir_np(&actions, workingDir.c_str()) != 0) {
        ::posix_spawn_file_actions_destroy(&actions);
        return nullptr;
    }
    std::string argument0 = program;
    char* argv[] = {argument0.data(), nullptr};
    pid_t pid = 0;
    // glibc reports a program that cannot be executed as an error here, not as a child that fails.
    const int error = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    ::posix_spawn_file_actions_destroy(&actions);
    if (error != 0) return nullptr;
    return std::make_unique<SpawnedProcess>(pid);
}

} // namespace corvane
#endif

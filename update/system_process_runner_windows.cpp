// SystemProcessRunner on Windows: CreateProcess with a normal window, then a zero-time wait on the handle.
#ifdef _WIN32
#include "update/system_process_runner.h"

#include <windows.h>

#include <filesystem>

namespace corvane {

namespace {

class WindowsProcess : public ProcessRunner::Process {
public:
    explicit WindowsProcess(HANDLE process) : process_(process) {}
    ~WindowsProcess() override { CloseHandle(process_); }
    bool finished() override { return WaitForSingleObject(process_, 0) != WAIT_TIMEOUT; }

private:
    HANDLE process_;
};

} // namespace

std::unique_ptr<ProcessRunner::Process> SystemProcessRunner::start(const std::string& program,
                                                                   const std::string& workingDir) {
    const std::wstring path = std::filesystem::path(program).wstring();
    const std::wstring folder = std::filesystem::path(workingDir).wstring();
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info))
        return nullptr;
    CloseHandle(info.hThread);
    return std::make_unique<WindowsProcess>(info.hProcess);
}

} // namespace corvane
#endif

// Ethernet_Update, the stand-in for the external updater: it checks the job the configurator wrote
// beside it and reports, per operation, whether the updater would find everything it needs.
// It sends nothing to any device.
#include "common/file_error.h"
#include "common/safe_write.h"
#include "update/job_check.h"
#include "update/update_job_layout.h"

#include <cstring>
#include <filesystem>
#include <iostream>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

constexpr std::string_view kLogFileName = "Ethernet_Update.log";

const char* const kHelp =
    "usage: Ethernet_Update [--help]\n"
    "\n"
    "Stand-in for the device updater. It reads Ethernet_Update.xml from its own folder, checks that\n"
    "every file the job names exists, that each configuration image has its size, that each settings\n"
    "block's checksum is right and that its block addresses match where the job writes the blocks.\n"
    "It prints one line per operation (ready, missing, wrong size, bad checksum, address mismatch),\n"
    "writes the same report to Ethernet_Update.log beside itself, and exits with 0 when every\n"
    "operation is ready, 1 otherwise.\n"
    "\n"
    "It sends nothing to any device: no firmware or configuration is transferred.\n";

std::filesystem::path ownFolder(const char* argv0) {
#ifdef _WIN32
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length > 0 && length < MAX_PATH) return std::filesystem::path(path).parent_path();
#else
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return self.parent_path();
#endif
    return std::filesystem::absolute(argv0).parent_path();
}

// The report: a header, then one line per operation; returns whether every operation is ready.
bool buildReport(const std::filesystem::path& folder, std::ostream& report) {
    const auto jobPath = folder / corvane::kUpdateJobFileName;
    report << "Ethernet_Update (stand-in, nothing is sent to any device): " << jobPath.string() << '\n';
    corvane::ReadJob job;
    try {
        job = corvane::readUpdateJob(corvane::readWholeFile(jobPath));
    } catch (const std::exception& error) {
        report << "job file: " << error.what() << '\n';
        return false;
    }
    report << "device " << job.ipAddress << '\n';
    if (job.operations.empty()) report << "no operations\n";
    bool allReady = true;
    for (const corvane::OperationCheck& check : corvane::checkUpdateJob(job)) {
        report << corvane::describe(check) << '\n';
        allReady = allReady && check.verdict == corvane::OperationVerdict::Ready;
    }
    return allReady;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1) {
        const bool help = std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0;
        (help ? std::cout : std::cerr) << kHelp;
        return help ? 0 : 2;
    }
    const auto folder = ownFolder(argv[0]);
    std::ostringstream report;
    const bool allReady = buildReport(folder, report);
    std::cout << report.str();
    try {
        corvane::writeFileAtomically(folder / kLogFileName, report.str());
    } catch (const corvane::FileError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return allReady ? 0 : 1;
}

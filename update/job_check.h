#pragma once
// What the stand-in updater does with a job file: read its structure, then check every operation's
// file (present, right size, settings block with a right checksum and addresses that match where
// the job writes the blocks). Nothing is sent to any device.
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The job file is not XML or lacks an element the updater needs.
class JobFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct JobEntry {
    std::string section; // "main" or "ESP32"
    int number = 0;      // 1, 2, ... inside its section
    std::filesystem::path file;
    std::uint32_t startAddress = 0;
};

struct ReadJob {
    std::string ipAddress;
    std::vector<JobEntry> operations; // main section first, each section in file order
};

// Parses a job file's text; throws JobFormatError naming what is wrong.
ReadJob readUpdateJob(std::string_view xml);

enum class OperationVerdict { Ready, Missing, WrongSize, BadChecksum, AddressMismatch };

struct OperationCheck {
    JobEntry entry;
    OperationVerdict verdict = OperationVerdict::Ready;
    std::string detail; // numbers behind a verdict other than Ready
};

std::vector<OperationCheck> checkUpdateJob(const ReadJob& job);

// "main operation 3 (/x/bin/bank.bin) at 0x66000: ready"
std::string describe(const OperationCheck& check);
std::string_view verdictText(OperationVerdict verdict);

} // namespace corvane

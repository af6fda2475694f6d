// Any bytes as Ethernet_Update.xml read by the stand-in updater: a job or JobFormatError, never a crash.
#include "update/job_check.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        corvane::ReadJob job = corvane::readUpdateJob({reinterpret_cast<const char*>(data), size});
        for (const corvane::JobEntry& entry : job.operations)
            (void)corvane::describe({entry, corvane::OperationVerdict::Ready, {}});
    } catch (const corvane::JobFormatError&) {
    }
    return 0;
}

#pragma once
// The real ProcessRunner: starts a program as a separate process and polls whether it has ended.
#include "common/platform.h"

namespace corvane {

class SystemProcessRunner : public ProcessRunner {
public:
    std::unique_ptr<Process> start(const std::string& program, const std::string& workingDir) override;
};

} // namespace corvane

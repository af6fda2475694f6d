#pragma once
// Runs a built program with arguments and captures its exit code, standard output and error.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace corvane::testing {

struct ProgramResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs `program` with `args` (each passed verbatim) in `workingDir` when given.
inline ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
                                const std::filesystem::path& workingDir = {}) {
    auto errFile = std::filesystem::temp_directory_path() / ("corvane-err-" + std::to_string(::getpid()));
    std::string command;
    if (!workingDir.empty()) command += "cd " + shellQuoted(workingDir.string()) + " && ";
    command += shellQuoted(program);
    for (const auto& arg : args) command += ' ' + shellQuoted(arg);
    command += " 2>" + shellQuoted(errFile.string());

    ProgramResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    size_t read;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, read);
    int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (FILE* err = std::fopen(errFile.c_str(), "rb")) {
        while ((read = std::fread(buffer, 1, sizeof buffer, err)) > 0) result.err.append(buffer, read);
        std::fclose(err);
    }
    std::filesystem::remove(errFile);
    return result;
}

} // namespace corvane::testing

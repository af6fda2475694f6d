#pragma once
// One command of corvane-cli: its name, its usage line and the function that runs it.
#include <iosfwd>
#include <string>
#include <vector>

namespace corvane::cli {

// Exit codes shared by every command.
inline constexpr int kOk = 0;
inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;

struct Command {
    const char* name;
    const char* usage; // arguments after the name
    int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

// Prints "usage: corvane-cli <name> <usage>" on err and returns kUsage.
int usageError(const Command& command, std::ostream& err);

int runVersion(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runTexts(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runJob(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runBuild(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runInspect(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace corvane::cli

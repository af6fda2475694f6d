// corvane-cli: the configurator's core from the command line.
#include "cli/cli_command.h"

#include <iostream>
#include <span>

namespace corvane::cli {

namespace {

const Command kCommands[] = {
    {"--version", "", runVersion},
    {"texts", "[--language FILE]", runTexts},
    {"job", "--app-dir DIR --project NAME --ip TEXT --option 0|1|2 --read-back 0|1", runJob},
    {"check", "CONFIG_DIR", runCheck},
    {"build", "CONFIG_DIR", runBuild},
    {"inspect", "FILE", runInspect},
};

int printUsage(std::ostream& err) {
    err << "usage:\n";
    for (const Command& command : kCommands) {
        err << "  corvane-cli " << command.name;
        if (*command.usage) err << ' ' << command.usage;
        err << '\n';
    }
    return kUsage;
}

} // namespace

int usageError(const Command& command, std::ostream& err) {
    err << "usage: corvane-cli " << command.name;
    if (*command.usage) err << ' ' << command.usage;
    err << '\n';
    return kUsage;
}

} // namespace corvane::cli

int main(int argc, char* argv[]) {
    using namespace corvane::cli;
    if (argc < 2) return printUsage(std::cerr);
    std::vector<std::string> args(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (command.name == std::string_view(argv[1])) {
            try {
                return command.run(args, std::cout, std::cerr);
            } catch (const std::exception& error) {
                std::cerr << error.what() << '\n';
                return kFailed;
            }
        }
    }
    std::cerr << "corvane-cli: unknown command \"" << argv[1] << "\"\n";
    return printUsage(std::cerr);
}

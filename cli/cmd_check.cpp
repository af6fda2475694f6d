#include "cli/cli_command.h"
#include "cli/config_checks.h"
#include "common/file_error.h"

#include <filesystem>
#include <ostream>

namespace corvane::cli {

// Validates a configuration folder without the windows: every failing rule of every file, one line
// each as "<file>: <message>", then "no problems" when there is none.
int runCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Command self{"check", "CONFIG_DIR", runCheck};
    std::error_code ignored;
    if (args.size() != 1) return usageError(self, err);
    if (!std::filesystem::is_directory(args[0], ignored)) {
        err << "corvane-cli check: \"" << args[0] << "\" is not a folder\n";
        return usageError(self, err);
    }

    TextCatalogue texts;
    texts.FillDefaultTexts();
    bool anyProblem = false;
    for (const ConfigFileCheck& file : configFileChecks()) {
        std::vector<std::string> messages;
        try {
            messages = file.check(std::filesystem::path(args[0]) / file.fileName, texts);
        } catch (const FileError& error) {
            messages = {error.reason()};
        }
        for (const std::string& message : messages) out << file.fileName << ": " << message << '\n';
        anyProblem = anyProblem || !messages.empty();
    }
    if (anyProblem) return kFailed;
    out << "no problems\n";
    return kOk;
}

} // namespace corvane::cli

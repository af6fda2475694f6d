#include "app/app_state.h"
#include "cli/cli_command.h"
#include "update/update_job_file.h"

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>

namespace corvane::cli {

namespace {

const Command kSelf{"job", "--app-dir DIR --project NAME --ip TEXT --option 0|1|2 --read-back 0|1", runJob};

// "--name value" pairs, each name once; nullopt when the arguments do not have that shape.
std::optional<std::map<std::string, std::string>> namedValues(const std::vector<std::string>& args) {
    static const std::vector<std::string> kNames = {"--app-dir", "--project", "--ip", "--option", "--read-back"};
    std::map<std::string, std::string> values;
    if (args.size() != 2 * kNames.size()) return std::nullopt;
    for (size_t i = 0; i < args.size(); i += 2) {
        if (std::find(kNames.begin(), kNames.end(), args[i]) == kNames.end()) return std::nullopt;
        if (!values.emplace(args[i], args[i + 1]).second) return std::nullopt;
    }
    return values;
}

} // namespace

// Writes DIR/Ethernet_Update.xml as the update window would for these choices.
int runJob(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto values = namedValues(args);
    if (!values) return usageError(kSelf, err);
    auto& v = *values;
    const std::string& option = v["--option"];
    const std::string& readBack = v["--read-back"];
    if (!(option == "0" || option == "1" || option == "2") || !(readBack == "0" || readBack == "1"))
        return usageError(kSelf, err);
    if (!isPlainFolderName(v["--project"])) {
        err << "corvane-cli job: \"" << v["--project"] << "\" is not a configuration folder name\n";
        return kUsage;
    }
    if (v["--app-dir"].empty()) return usageError(kSelf, err);

    // Absolute, without "." or ".." steps and without a trailing separator, like the program's folders.
    std::filesystem::path appDir = std::filesystem::absolute(v["--app-dir"]).lexically_normal();
    if (!appDir.has_filename() && appDir.has_relative_path()) appDir = appDir.parent_path();
    UpdateJob job{appDir / "MASTER", appDir / "PROJECTS" / v["--project"], v["--ip"], option[0] - '0', readBack == "1"};
    Compile_XML_Parameter(job, appDir);
    out << (appDir / "Ethernet_Update.xml").string() << '\n';
    return kOk;
}

} // namespace corvane::cli

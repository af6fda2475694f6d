#include "app/app_state.h"
#include "cli/cli_command.h"
#include "text/text_catalogue.h"

#include <ostream>

namespace corvane::cli {

int runVersion(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty()) return usageError({"--version", "", runVersion}, err);
    out << kSoftwareVersion << '\n';
    return kOk;
}

// Prints the catalogue, after applying the given language file, as a language file itself.
int runTexts(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Command self{"texts", "[--language FILE]", runTexts};
    if (!(args.empty() || (args.size() == 2 && args[0] == "--language"))) return usageError(self, err);
    TextCatalogue texts;
    texts.FillDefaultTexts();
    if (args.size() == 2) texts.LoadLanguageFile(args[1]);
    out << texts.asLanguageFile();
    return kOk;
}

} // namespace corvane::cli

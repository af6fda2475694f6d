#include "dali/dali2_file_check.h"

#include "common/locale_regional_settings.h"
#include "dali/dali2_access_file.h"
#include "dali/dali2_rules.h"
#include "dali/decimal_number.h"

namespace corvane {

std::vector<std::string> checkDali2AccessFile(const std::filesystem::path& path, const TextCatalogue& texts) {
    auto tables = readDali2AccessFile(path);
    if (!tables) return {};
    LocaleRegionalSettings regional;
    std::vector<std::string> messages;
    for (const Dali2Problem& problem : Controllo_dati(*tables, GetDecimalSeparator(&regional), texts))
        messages.push_back(problem.message);
    return messages;
}

} // namespace corvane

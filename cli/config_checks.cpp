#include "cli/config_checks.h"

#include "dali/dali2_file_check.h"
#include "settings/par_gen_check.h"
#include "settings/par_gen_file.h"

namespace corvane::cli {

namespace {

const ConfigFileCheck kChecks[] = {
    {kParGenFileName, checkParGenFile},
    {kDali2AccessFileName, checkDali2AccessFile},
};

} // namespace

std::span<const ConfigFileCheck> configFileChecks() { return kChecks; }

} // namespace corvane::cli

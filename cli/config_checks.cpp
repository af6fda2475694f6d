#include "cli/config_checks.h"

#include "settings/par_gen_check.h"
#include "settings/par_gen_file.h"

namespace corvane::cli {

namespace {

const ConfigFileCheck kChecks[] = {
    {kParGenFileName, checkParGenFile},
};

} // namespace

std::span<const ConfigFileCheck> configFileChecks() { return kChecks; }

} // namespace corvane::cli

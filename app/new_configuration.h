#pragma once
// Creating a configuration: a new folder directly inside PROJECTS, with its bin folder, made active.
#include "app/app_state.h"

#include <string>

namespace corvane {

enum class NewConfigurationOutcome {
    Created,
    EmptyName,     // text 107
    AlreadyExists, // text 106
    Refused,       // text 105: the file system refuses the name, or it would leave PROJECTS
};

// The name is taken exactly as typed (blanks kept). On success the configuration is active.
NewConfigurationOutcome createConfiguration(AppState& state, const std::string& name);

// The catalogue message of a failed outcome.
int messageText(NewConfigurationOutcome outcome);

} // namespace corvane

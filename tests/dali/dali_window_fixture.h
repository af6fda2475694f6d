#pragma once
// A configuration folder, a state with the English texts and scripted prompts, for the DALI window.
#include "app/app_state.h"
#include "common/platform.h"
#include "dali/dali2_access_file.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"

namespace corvane::testing {

struct DaliWindowFixture {
    DaliWindowFixture() {
        platform.prompts = &prompts;
        platform.regional = &regional;
        state.Texts.FillDefaultTexts();
        state.SoftwareCode = kSoftwareCode;
        state.ProjectName = "Plant";
        state.ProjectDir = dir.path();
        state.Set_Files();
    }

    TempDir dir;
    FakePrompts prompts;
    FakeRegionalSettings regional;
    Platform platform;
    AppState state;
};

// A valid function row and rule row, as the window's tables would hold them.
inline TableRow sampleFunction(int n) {
    return {
        "Set Out", "When Equal to Value",      "Short Press", "DALI Channel " + std::to_string(n % 64), "254",
        "0",       "Step " + std::to_string(n)};
}

inline TableRow sampleRule(int n) {
    return {"Y",
            n % 2 ? "Device" : "Sensor",
            n % 2 ? "Led Lamp" : "Push Button",
            std::to_string(n % 64),
            "0",
            "0",
            "1000",
            "5000",
            "1 - Step 1",
            std::to_string(n % 1441),
            n % 2 ? "1" : "2",
            "Rule " + std::to_string(n)};
}

// Both files of a configuration with `functions` function rows and `rules` rule rows.
inline void writeFullTables(const AppState& state, int functions, int rules) {
    Dali2Access tables;
    for (int n = 1; n <= functions; ++n)
        tables.functions.push_back(sampleFunction(n));
    for (int n = 1; n <= rules; ++n)
        tables.rules.push_back(sampleRule(n));
    writeDali2AccessFile(tables, state.Files.Dali2AccessPath);
}

} // namespace corvane::testing

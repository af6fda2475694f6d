#pragma once
// The steps that turn the project files into the image blocks, each usable by itself.
// Every step starts from blocks that were reset; a missing file leaves its blocks at their reset values.
#include "dali/dali_access_file.h"
#include "image/channel_flags.h"
#include "image/function_table.h"
#include "image/rule_table.h"
#include "image/settings_block.h"
#include "settings/par_gen_file.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include <pugixml.hpp>

namespace corvane {

// Addresses of the main processor first, whether or not ParGen.xml exists; then, from a file that
// exists, the version text and every key with the builder's own defaults.
void ImportCommunicationSettings(SettingsBlock& settings, const std::optional<ParGenTexts>& parGen);

// The configurator's version text "1.300" into VersionText, zero-filled.
void SetVersionText(SettingsBlock& settings);

// Flag words 0..63 from the channel table; words 64..80 are not touched.
void ImportChannelTable(ChannelFlags& flags, const std::optional<DaliChannelTable>& channels);

// DALI2_Access.xml as the builder reads it: the two sections, each empty when missing.
struct Dali2Document {
    std::filesystem::path path; // for messages
    pugi::xml_document document;
    pugi::xml_node rules;       // DALI2_SetAccess_Rules
    pugi::xml_node functions;   // DALI2_Functions_Rules
};
// Null when there is no file; throws FileError when it is not well-formed XML.
std::unique_ptr<Dali2Document> loadDali2Document(const std::filesystem::path& path);
// The same reading of bytes held in memory; errors name `nameForErrors`.
std::unique_ptr<Dali2Document> parseDali2Document(std::string_view content, const std::filesystem::path& nameForErrors);

// The enabled input rules into entries 0, 1, ... in file order, and DataArrayLength; returns their count.
// Throws ImageBuildError for more than 256 enabled rules, an enabled rule without Function, and a
// sensor rule without NumBytes.
int ImportInputRules(RuleTable& rules, SettingsBlock& settings, const Dali2Document* file);

// Every function row into entries 1, 2, ...; entry 0 stays zero. Returns the number of rows stored.
// Throws ImageBuildError for more than 255 rows.
int ImportFunctionRules(FunctionTable& functions, const Dali2Document* file, char decimalSeparator);

} // namespace corvane

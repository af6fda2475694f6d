#pragma once
// A configuration folder for one test and readers of the built images' fields.
#include "common/file_error.h"
#include "image/image_build_error.h"
#include "image/image_builder.h"
#include "image/image_layout.h"
#include "image/little_endian.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace corvane::testing {

class ConfigurationFolder : public ::testing::Test {
protected:
    TempDir folder;

    void write(std::string_view name, std::string_view content) { folder.write(name, content); }
    // ParGen.xml holding the given elements inside its root.
    void writeParGen(std::string_view elements) {
        write("ParGen.xml", "<Par_Gen>" + std::string(elements) + "</Par_Gen><!--SW_VERSION = 1.300-->");
    }
    // DALI2_Access.xml with the given rows in each section.
    void writeDali2(std::string_view functionRows, std::string_view ruleRows) {
        write("DALI2_Access.xml", "<DALI2_Access><DALI2_Functions_Rules>" + std::string(functionRows) +
                                      "</DALI2_Functions_Rules><DALI2_SetAccess_Rules>" + std::string(ruleRows) +
                                      "</DALI2_SetAccess_Rules></DALI2_Access>");
    }
    BuiltImages build(char separator = '.') { return BuildImages(ProjectFileSet::inside(folder.path()), separator); }
};

inline std::span<const std::uint8_t> settingsOf(const BuiltImages& images) {
    return images.ConfigImage.usedBytes().subspan(config_image_offset::Settings, kSettingsBlockSize);
}
inline std::uint32_t settingsU32(const BuiltImages& images, std::size_t offset) { return le::getU32(settingsOf(images), offset); }
inline std::vector<std::uint8_t> settingsBytes(const BuiltImages& images, std::size_t offset, std::size_t count) {
    auto bytes = settingsOf(images).subspan(offset, count);
    return {bytes.begin(), bytes.end()};
}
inline std::span<const std::uint8_t, RuleRecord::kSerializedSize> ruleBytesOf(const BuiltImages& images, std::size_t entry) {
    return images.ConfigImage.usedBytes().subspan(config_image_offset::Rules + entry * RuleRecord::kSerializedSize).first<RuleRecord::kSerializedSize>();
}
inline RuleRecord ruleOf(const BuiltImages& images, std::size_t entry) { return deserializeRule(ruleBytesOf(images, entry)); }
inline std::span<const std::uint8_t, FunctionRecord::kSerializedSize> functionBytesOf(const BuiltImages& images, std::size_t entry) {
    return images.ConfigImage.usedBytes()
        .subspan(config_image_offset::Functions + entry * FunctionRecord::kSerializedSize)
        .first<FunctionRecord::kSerializedSize>();
}
inline FunctionRecord functionOf(const BuiltImages& images, std::size_t entry) { return deserializeFunction(functionBytesOf(images, entry)); }
inline std::uint16_t flagWordOf(const BuiltImages& images, std::size_t word) {
    return le::getU16(images.ConfigImage.usedBytes(), config_image_offset::Channels + 4 + 2 * word);
}
inline bool allZero(std::span<const std::uint8_t> bytes) {
    for (std::uint8_t b : bytes)
        if (b) return false;
    return true;
}

} // namespace corvane::testing

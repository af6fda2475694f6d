#include "settings/par_gen_file.h"

#include "common/safe_write.h"
#include "common/xml_file.h"

#include <pugixml.hpp>

namespace corvane {

namespace {

constexpr std::array<ParGenKeyInfo, kParGenKeyCount> kKeys{{
    {ParGenKey::IP1, "MTCPs_IP1", "192", false},
    {ParGenKey::IP2, "MTCPs_IP2", "168", false},
    {ParGenKey::IP3, "MTCPs_IP3", "0", false},
    {ParGenKey::IP4, "MTCPs_IP4", "10", false},
    {ParGenKey::SUB1, "MTCPs_SUB1", "255", false},
    {ParGenKey::SUB2, "MTCPs_SUB2", "255", false},
    {ParGenKey::SUB3, "MTCPs_SUB3", "255", false},
    {ParGenKey::SUB4, "MTCPs_SUB4", "0", false},
    {ParGenKey::EN_GAT, "MTCPs_EN_GAT", "0", true},
    {ParGenKey::GAT1, "MTCPs_GAT1", "192", false},
    {ParGenKey::GAT2, "MTCPs_GAT2", "168", false},
    {ParGenKey::GAT3, "MTCPs_GAT3", "0", false},
    {ParGenKey::GAT4, "MTCPs_GAT4", "1", false},
    {ParGenKey::ConsolePort, "DALI_CONSOLE_PORT", "10001", false},
    {ParGenKey::SwitchOff, "DALI_SWITCH_OFF", "0", true},
    {ParGenKey::TimeOut, "DALI_TIMEOUT", "0", false},
    {ParGenKey::DisableScan, "DALI_DISABLE_SCAN", "0", true},
    {ParGenKey::EnableDali2, "DALI_ENABLE_DALI_2", "0", true},
}};

ParGenTexts textsOf(const pugi::xml_document& document) {
    ParGenTexts found;
    pugi::xml_node root = rootOf(document);
    for (const ParGenKeyInfo& info : kKeys) found.texts[static_cast<std::size_t>(info.key)] = childText(root, info.element);
    return found;
}

} // namespace

std::span<const ParGenKeyInfo> parGenKeys() { return kKeys; }

const ParGenKeyInfo& parGenKeyInfo(ParGenKey key) { return kKeys[static_cast<std::size_t>(key)]; }

ParGenTexts parseParGenXml(std::string_view content, const std::filesystem::path& nameForErrors) {
    pugi::xml_document document;
    parseXml(content, nameForErrors, document);
    return textsOf(document);
}

std::optional<ParGenTexts> readParGenFile(const std::filesystem::path& path) {
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) return std::nullopt;
    pugi::xml_document document;
    loadXmlFile(path, document);
    return textsOf(document);
}

ParGenValues defaultParGenValues() { return windowValues(std::nullopt); }

ParGenValues windowValues(const std::optional<ParGenTexts>& found) {
    ParGenValues values;
    for (const ParGenKeyInfo& info : kKeys) {
        const std::optional<std::string> text = found ? (*found)[info.key] : std::nullopt;
        if (info.isFlag) values.setFlag(info.key, text == "1");
        else values[info.key] = text.value_or(info.windowDefault);
    }
    return values;
}

std::string serializeParGen(const ParGenValues& values) {
    pugi::xml_document document;
    pugi::xml_node root = startProjectDocument(document, kParGenRoot);
    for (const ParGenKeyInfo& info : kKeys) {
        // A check box is stored as "1"/"0" whatever the value holds; edit texts go in verbatim.
        std::string_view text = info.isFlag ? (values.flag(info.key) ? "1" : "0") : std::string_view(values[info.key]);
        appendTextElement(root, info.element, text);
    }
    return serializeXml(document);
}

void writeParGenFile(const std::filesystem::path& path, const ParGenValues& values) {
    writeFileAtomically(path, serializeParGen(values));
}

} // namespace corvane

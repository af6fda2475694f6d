#include "common/xml_file.h"

#include "common/file_error.h"
#include "common/safe_write.h"

#include <algorithm>
#include <sstream>

namespace corvane {

namespace {

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_comments | pugi::parse_pi | pugi::parse_ws_pcdata_single;

std::string lineAndColumn(std::string_view content, std::ptrdiff_t offset) {
    offset = std::clamp<std::ptrdiff_t>(offset, 0, static_cast<std::ptrdiff_t>(content.size()));
    auto head = content.substr(0, static_cast<size_t>(offset));
    auto line = 1 + std::count(head.begin(), head.end(), '\n');
    auto lastBreak = head.rfind('\n');
    auto column = 1 + (lastBreak == std::string_view::npos ? head.size() : head.size() - lastBreak - 1);
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

} // namespace

void parseXml(std::string_view content, const std::filesystem::path& nameForErrors, pugi::xml_document& document) {
    document.reset();
    pugi::xml_parse_result result = document.load_buffer(content.data(), content.size(), kParseOptions);
    if (!result) {
        document.reset();
        throw FileError(nameForErrors, std::string("is not valid XML: ") + result.description() + " at " +
                                           lineAndColumn(content, result.offset));
    }
}

void loadXmlFile(const std::filesystem::path& path, pugi::xml_document& document) {
    parseXml(readWholeFile(path), path, document);
}

pugi::xml_node rootOf(const pugi::xml_document& document) { return document.first_child(); }

std::optional<std::string> childText(pugi::xml_node parent, const char* name) {
    if (parent.type() != pugi::node_element) return std::nullopt;
    pugi::xml_node element = parent.child(name);
    if (!element) return std::nullopt;
    return std::string(element.text().get());
}

std::string childTextOr(pugi::xml_node parent, const char* name, std::string_view fallback) {
    auto text = childText(parent, name);
    return text ? *text : std::string(fallback);
}

bool childFlag(pugi::xml_node parent, const char* name) { return childText(parent, name) == "1"; }

pugi::xml_node appendTextElement(pugi::xml_node parent, const char* name, std::string_view text) {
    pugi::xml_node element = parent.append_child(name);
    element.text().set(std::string(text).c_str());
    return element;
}

pugi::xml_node startProjectDocument(pugi::xml_document& document, const char* rootName) {
    document.reset();
    pugi::xml_node root = document.append_child(rootName);
    document.append_child(pugi::node_comment).set_value(std::string(kSoftwareVersionComment).c_str());
    return root;
}

std::string serializeXml(const pugi::xml_document& document) {
    std::ostringstream out;
    document.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return std::move(out).str();
}

void saveXmlFile(const pugi::xml_document& document, const std::filesystem::path& path) {
    writeFileAtomically(path, serializeXml(document));
}

} // namespace corvane

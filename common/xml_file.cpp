#include "common/xml_file.h"

#include "common/file_error.h"
#include "common/safe_write.h"

#include <algorithm>
#include <memory>
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

[[noreturn]] void notValidXml(std::string_view content, const std::filesystem::path& nameForErrors,
                              const pugi::xml_parse_result& result) {
    throw FileError(nameForErrors, std::string("is not valid XML: ") + result.description() + " at " +
                                       lineAndColumn(content, result.offset));
}

// True when pugixml reads these bytes as UTF-8 whatever follows them: a UTF-8 byte order mark, or a '<' that
// neither a zero byte follows (UTF-16) nor opens a declaration (which may name another encoding).
bool readAsUtf8(std::string_view text) {
    const std::string_view head = text.substr(0, 4);
    if (head.starts_with("\xEF\xBB\xBF")) return true;
    return head.size() >= 2 && head[0] == '<' && head[1] != '\0' && !head.starts_with("<?xm");
}

} // namespace

void parseXml(std::string_view content, const std::filesystem::path& nameForErrors, pugi::xml_document& document) {
    document.reset();
    pugi::xml_parse_result result = document.load_buffer(content.data(), content.size(), kParseOptions);
    if (!result) {
        document.reset();
        notValidXml(content, nameForErrors, result);
    }
}

// A UTF-8 file is read into memory the document takes over and parsed there, given the terminator that
// parseXml's copy would get, so that it parses alike without the copy. Parsing in place alters the text, so a
// fault's line and column are then counted in the file read again. Other files are parsed as parseXml does.
void loadXmlFile(const std::filesystem::path& path, pugi::xml_document& document) {
    document.reset();
    const AllocatedBytes bytes = readWholeFile(path, pugi::get_memory_allocation_function(),
                                               pugi::get_memory_deallocation_function());
    std::unique_ptr<void, pugi::deallocation_function> block(bytes.data, pugi::get_memory_deallocation_function());
    char* const text = static_cast<char*>(bytes.data);
    pugi::xml_parse_result result;
    if (readAsUtf8({text, bytes.size})) {
        text[bytes.size] = '\0';
        result = document.load_buffer_inplace_own(block.release(), bytes.size + 1, kParseOptions);
    } else {
        result = document.load_buffer(text, bytes.size, kParseOptions);
    }
    if (!result) {
        document.reset();
        if (block) notValidXml({text, bytes.size}, path, result);
        notValidXml(readWholeFile(path), path, result);
    }
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

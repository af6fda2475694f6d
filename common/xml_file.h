#pragma once
// The XML conventions every file of the program follows.
//
// Reading: the document's first top-level node is the root, whatever its name or kind (a file that
// starts with a comment therefore yields every default); each value is looked up by name, the first
// element of that name winning, and a missing element or parent gives that value's default.
// Writing: no declaration, no indentation; the root, then for project files a top-level comment
// "SW_VERSION = 1.300" after it; elements in their fixed order; the file replaced atomically.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace corvane {

inline constexpr std::string_view kSoftwareVersionComment = "SW_VERSION = 1.300";

// Loads `path`; throws FileError naming the file and the parser's message (with line and column)
// when it cannot be read or is not well-formed.
void loadXmlFile(const std::filesystem::path& path, pugi::xml_document& document);

// Parses XML held in memory (used by the fuzzers and the tests); same errors as loadXmlFile.
void parseXml(std::string_view content, const std::filesystem::path& nameForErrors, pugi::xml_document& document);

// The document's first top-level node; an element only if that node is one.
pugi::xml_node rootOf(const pugi::xml_document& document);

// Text of the first child element `name` of `parent`; nullopt when the parent or the element is missing.
std::optional<std::string> childText(pugi::xml_node parent, const char* name);

// childText, or `fallback` when missing.
std::string childTextOr(pugi::xml_node parent, const char* name, std::string_view fallback);

// True exactly when the first child element `name` holds "1".
bool childFlag(pugi::xml_node parent, const char* name);

// Appends <name>text</name> to `parent` and returns it.
pugi::xml_node appendTextElement(pugi::xml_node parent, const char* name, std::string_view text);

// Starts a project file: clears `document`, adds the root and the version comment after it.
pugi::xml_node startProjectDocument(pugi::xml_document& document, const char* rootName);

// The document as written: no declaration, no indentation, UTF-8.
std::string serializeXml(const pugi::xml_document& document);

// serializeXml, then writeFileAtomically; throws FileError on failure.
void saveXmlFile(const pugi::xml_document& document, const std::filesystem::path& path);

} // namespace corvane

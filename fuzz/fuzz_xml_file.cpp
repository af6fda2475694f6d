// Any bytes through the XML conventions layer: parse, look values up, write back.
#include "common/file_error.h"
#include "common/xml_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pugi::xml_document document;
    try {
        corvane::parseXml({reinterpret_cast<const char*>(data), size}, "fuzz.xml", document);
    } catch (const corvane::FileError&) {
        return 0;
    }
    pugi::xml_node root = corvane::rootOf(document);
    for (pugi::xml_node child : root.children()) (void)corvane::childText(root, child.name());
    (void)corvane::childFlag(root, "flag");
    (void)corvane::serializeXml(document);
    return 0;
}

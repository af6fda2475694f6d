#include "common/file_error.h"
#include "common/xml_file.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

pugi::xml_document parsed(std::string_view content) {
    pugi::xml_document document;
    parseXml(content, "test.xml", document);
    return document;
}

TEST(XmlFile, TheFirstTopLevelNodeIsTheRootWhateverItIs) {
    auto withDeclaration = parsed("<?xml version=\"1.0\"?><R><a>1</a></R>");
    EXPECT_EQ(childText(rootOf(withDeclaration), "a"), "1"); // a declaration is not a node

    auto commentFirst = parsed("<!-- note --><R><a>1</a></R>");
    EXPECT_EQ(childText(rootOf(commentFirst), "a"), std::nullopt); // so every value takes its default

    auto otherName = parsed("<Other><a>1</a></Other>");
    EXPECT_EQ(childText(rootOf(otherName), "a"), "1");
}

TEST(XmlFile, TheFirstElementOfANameWinsAndMissingOnesGiveTheDefault) {
    auto document = parsed("<R><a>first</a><a>second</a><b/><c> </c></R>");
    pugi::xml_node root = rootOf(document);
    EXPECT_EQ(childText(root, "a"), "first");
    EXPECT_EQ(childText(root, "b"), "");
    EXPECT_EQ(childText(root, "c"), " "); // blanks typed into a field survive
    EXPECT_EQ(childTextOr(root, "missing", "dflt"), "dflt");
    EXPECT_EQ(childTextOr(root.child("nope"), "a", "dflt"), "dflt");
}

TEST(XmlFile, FlagsAreSetOnlyForExactlyOne) {
    auto document = parsed("<R><a>1</a><b>true</b><c>01</c><d> 1</d></R>");
    pugi::xml_node root = rootOf(document);
    EXPECT_TRUE(childFlag(root, "a"));
    for (const char* name : {"b", "c", "d", "e"}) EXPECT_FALSE(childFlag(root, name)) << name;
}

TEST(XmlFile, ProjectDocumentsAreWrittenWithoutDeclarationOrIndentation) {
    pugi::xml_document document;
    pugi::xml_node root = startProjectDocument(document, "Par_Gen");
    appendTextElement(root, "A", "1 & 2");
    appendTextElement(root, "B", "");
    EXPECT_EQ(serializeXml(document), "<Par_Gen><A>1 &amp; 2</A><B></B></Par_Gen><!--SW_VERSION = 1.300-->");
}

TEST(XmlFile, MalformedFileNamesTheFileAndThePlace) {
    testing::TempDir dir;
    auto file = dir.write("ParGen.xml", "<Par_Gen>\n<A>1</B>\n</Par_Gen>");
    pugi::xml_document document;
    try {
        loadXmlFile(file, document);
        FAIL() << "no error";
    } catch (const FileError& error) {
        std::string text = error.what();
        EXPECT_NE(text.find("ParGen.xml"), std::string::npos) << text;
        EXPECT_NE(text.find("line 2"), std::string::npos) << text;
    }
}

TEST(XmlFile, SaveRoundTrips) {
    testing::TempDir dir;
    pugi::xml_document document;
    appendTextElement(startProjectDocument(document, "R"), "A", "\xC2\xB6 x");
    saveXmlFile(document, dir / "r.xml");
    pugi::xml_document read;
    loadXmlFile(dir / "r.xml", read);
    EXPECT_EQ(childText(rootOf(read), "A"), "\xC2\xB6 x");
}

} // namespace
} // namespace corvane

#include "text/text_encoding.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(TextEncoding, Windows1252MapsItsHighBytes) {
    EXPECT_EQ(windows1252ToUtf8("\xB6"), "\xC2\xB6");
    EXPECT_EQ(windows1252ToUtf8("\x80"), "\xE2\x82\xAC"); // euro sign
    EXPECT_EQ(windows1252ToUtf8("\xE0"), "\xC3\xA0");
    EXPECT_EQ(windows1252ToUtf8("plain"), "plain");
}

TEST(TextEncoding, Utf16SurrogatePairsAndBrokenUnits) {
    EXPECT_EQ(decodeTextFile(std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6)), "\xF0\x9F\x98\x80");
    EXPECT_EQ(decodeTextFile(std::string("\xFF\xFE\x3D\xD8", 4)), "\xEF\xBF\xBD"); // lone high surrogate
    EXPECT_EQ(decodeTextFile(std::string("\xFF\xFE" "A", 3)), "");                  // odd trailing byte
}

TEST(TextEncoding, Utf8MarkIsDropped) { EXPECT_EQ(decodeTextFile("\xEF\xBB\xBFSTR1 = x"), "STR1 = x"); }

} // namespace
} // namespace corvane

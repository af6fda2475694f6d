#include "common/text_util.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

struct IntCase {
    const char* text;
    std::optional<std::int32_t> expected;
};

class ParseIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(ParseIntTest, ReadsAsThePlatformDid) {
    EXPECT_EQ(parseInt(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseIntTest,
    ::testing::Values(IntCase{"0", 0}, IntCase{"255", 255}, IntCase{"-1", -1}, IntCase{"+7", 7},
                      IntCase{"  12", 12},                        // leading blanks are allowed
                      IntCase{"12 ", std::nullopt},               // trailing ones are not
                      IntCase{"1a", std::nullopt}, IntCase{"", std::nullopt}, IntCase{" ", std::nullopt},
                      IntCase{"-", std::nullopt}, IntCase{"1.5", std::nullopt}, IntCase{"\t1", std::nullopt},
                      IntCase{"2147483647", 2147483647}, IntCase{"2147483648", std::nullopt},
                      IntCase{"-2147483648", INT32_MIN}, IntCase{"-2147483649", std::nullopt},
                      IntCase{"99999999999999999999", std::nullopt}, IntCase{"$FF", 255}, IntCase{"0x10", 16},
                      IntCase{"0X1f", 31}, IntCase{"x1F", 31}, IntCase{"-$10", -16}, IntCase{"$FFFFFFFF", -1},
                      IntCase{"$100000000", std::nullopt}, IntCase{"$", std::nullopt}, IntCase{"0x", std::nullopt},
                      IntCase{"$G1", std::nullopt}, IntCase{"007", 7}));

TEST(TextUtil, TrimRemovesBlanksAndControlCharacters) {
    EXPECT_EQ(trim(" \t\r\n a b \x01"), "a b");
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(trim("\xC2\xB6"), "\xC2\xB6"); // UTF-8 bytes are never trimmed
}

TEST(TextUtil, BeforeAndAfterSplitAtTheFirstSeparator) {
    EXPECT_EQ(before("a.b.c", "."), "a");
    EXPECT_EQ(after("a.b.c", "."), "b.c");
    EXPECT_EQ(before("abc", "."), "abc");
    EXPECT_EQ(after("abc", "."), "");
}

} // namespace
} // namespace corvane

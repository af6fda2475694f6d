#include "dali/decimal_number.h"

#include "common/locale_regional_settings.h"
#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(DecimalNumber, SeparatorIsCommaOrPointElseComma) {
    testing::FakeRegionalSettings regional;
    const struct {
        char reported;
        char used;
    } cases[] = {{'.', '.'}, {',', ','}, {'\'', ','}, {'\0', ','}};
    for (const auto& c : cases) {
        regional.separator = c.reported;
        EXPECT_EQ(GetDecimalSeparator(&regional), c.used);
    }
    EXPECT_EQ(GetDecimalSeparator(nullptr), ',');
}

TEST(DecimalNumber, LocaleSettingsReportCommaOrPoint) {
    char separator = LocaleRegionalSettings().decimalSeparator();
    EXPECT_TRUE(separator == ',' || separator == '.');
}

struct DecimalCase {
    const char* text;
    std::optional<double> value;
};

class DecimalNumberCases : public ::testing::TestWithParam<char> {};

// Either separator reads the same on both systems: "12,5" on a "." system is 12.5.
TEST_P(DecimalNumberCases, ReadsTheSameWhateverTheSeparator) {
    const DecimalCase cases[] = {
        {"12,5", 12.5},
        {"12.5", 12.5},
        {"-3", -3.0},
        {"+4", 4.0},
        {"1e3", 1000.0},
        {"2,5E-1", 0.25},
        {",5", 0.5},
        {"5.", 5.0},
        {" 7 ", 7.0},
        {"0", 0.0},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"1,2,3", std::nullopt},
        {"1.2.3", std::nullopt},
        {"1e", std::nullopt},
        {"--1", std::nullopt},
        {"1 2", std::nullopt},
        {"0x10", std::nullopt},
        {"1e999", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {".", std::nullopt},
        {"+", std::nullopt},
    };
    for (const DecimalCase& c : cases) {
        EXPECT_EQ(parseDecimal(c.text, GetParam()), c.value) << '"' << c.text << '"';
        EXPECT_EQ(IsValidFloat(c.text, GetParam()), c.value.has_value()) << '"' << c.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, DecimalNumberCases, ::testing::Values('.', ','));

} // namespace
} // namespace corvane

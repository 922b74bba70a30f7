#include "engine/DoubleText.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>
#include <string>

namespace kalvio {
namespace {

struct TGeneralCase {
    const char* Name;
    double Value;
    int Digits;
    std::u16string Expected;
};

class FloatToGeneralTextTest : public testing::TestWithParam<TGeneralCase> {};

TEST_P(FloatToGeneralTextTest, Formats) {
    const auto& c = GetParam();
    EXPECT_EQ(FloatToGeneralText(c.Value, c.Digits), c.Expected);
}

const double Inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, FloatToGeneralTextTest,
    testing::Values(
        TGeneralCase{"Plain", 1234.5, 10, u"1234.5"}, TGeneralCase{"Negative", -2.5, 10, u"-2.5"},
        TGeneralCase{"Zero", 0.0, 10, u"0"}, TGeneralCase{"NegativeZero", -0.0, 10, u"0"},
        TGeneralCase{"TooManyIntegerDigits", 12345678901.0, 10, u"1.23456789E10"},
        TGeneralCase{"SmallestPositional", 0.0001, 10, u"0.0001"},
        TGeneralCase{"BelowPositional", 0.00001234, 10, u"1.234E-5"},
        TGeneralCase{"RoundsUpIntoPositional", 0.0000999999999999, 10, u"0.0001"},
        TGeneralCase{"LargestPositional", 9999999999.0, 10, u"9999999999"},
        TGeneralCase{"PowerOfPrecision", 1e10, 10, u"1E10"},
        TGeneralCase{"TieCarriesPastPrecision", 9999999999.5, 10, u"1E10"},
        TGeneralCase{"CarryIntoNewDigit", 9.9999999999, 10, u"10"},
        TGeneralCase{"TieAwayFromZero", 0.125, 2, u"0.13"},
        TGeneralCase{"NegativeTieAwayFromZero", -1.25, 2, u"-1.3"},
        TGeneralCase{"AboveTieInBinary", 0.135, 2, u"0.14"},
        TGeneralCase{"BelowTieInBinary", 0.0155, 2, u"0.015"},
        TGeneralCase{"IntegerTie", 1234567890123445.0, 15, u"1.23456789012345E15"},
        TGeneralCase{"NearTieIsNotTie", 0.30000000000000004, 16, u"0.3"},
        TGeneralCase{"ClampedLow", 1.25, 1, u"1.3"},
        TGeneralCase{"ClampedHigh", 0.1, 30, u"0.10000000000000001"},
        TGeneralCase{"ScientificNoFraction", 100.0, 2, u"1E2"},
        TGeneralCase{"SeventeenDigitInteger", 1e16, 17, u"10000000000000000"},
        TGeneralCase{"SmallestSubnormal", 5e-324, 15, u"4.94065645841247E-324"},
        TGeneralCase{"LargestSubnormal", 2.2250738585072009e-308, 17, u"2.2250738585072009E-308"},
        TGeneralCase{"Largest", DBL_MAX, 15, u"1.79769313486232E308"},
        TGeneralCase{"LargestFullPrecision", DBL_MAX, 17, u"1.7976931348623157E308"},
        TGeneralCase{"NegativeLargest", -DBL_MAX, 15, u"-1.79769313486232E308"},
        TGeneralCase{"NaN", std::nan(""), 10, u"NAN"}, TGeneralCase{"Infinity", Inf, 10, u"INF"},
        TGeneralCase{"NegativeInfinity", -Inf, 10, u"-INF"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(RoundToDecimalPlacesTest, RoundsHalvesAwayFromZeroOnTheExactValue) {
    const auto tie = RoundToDecimalPlaces(-0.125, 2);
    EXPECT_EQ(tie.Text(), "13");
    EXPECT_EQ(tie.Exponent, -1);
    // 0.045 is slightly below the half in binary.
    EXPECT_EQ(RoundToDecimalPlaces(0.045, 2).Text(), "4");
    const auto carry = RoundToDecimalPlaces(9.995, 2); // just below 9.995
    EXPECT_EQ(carry.Text(), "999");
    const auto up = RoundToDecimalPlaces(99.5, 0);
    EXPECT_EQ(up.Text(), "1");
    EXPECT_EQ(up.Exponent, 2);
    EXPECT_TRUE(RoundToDecimalPlaces(0.004, 2).IsZero());
    EXPECT_EQ(RoundToDecimalPlaces(0.005, 2).Text(), "1"); // 0.005 is above the half in binary
}

TEST(RoundToDecimalPlacesTest, RejectsWhatItCannotHold) {
    EXPECT_THROW(RoundToDecimalPlaces(1e17, 0), std::invalid_argument);
    EXPECT_THROW(RoundToDecimalPlaces(std::nan(""), 2), std::invalid_argument);
    EXPECT_THROW(RoundToDecimalPlaces(1.0, 21), std::invalid_argument);
    EXPECT_THROW(RoundToSignificantDigits(Inf, 10), std::invalid_argument);
    EXPECT_THROW(RoundToSignificantDigits(1.0, 18), std::invalid_argument);
}

TEST(RoundToSignificantDigitsTest, GivesDigitsAndExponent) {
    const auto digits = RoundToSignificantDigits(-0.012345, 3);
    EXPECT_EQ(digits.Text(), "123");
    EXPECT_EQ(digits.Exponent, -2);
    EXPECT_EQ(digits.DigitAt(-2), '1');
    EXPECT_EQ(digits.DigitAt(0), '0');
    EXPECT_EQ(digits.DigitAt(-5), '0');
    EXPECT_TRUE(RoundToSignificantDigits(0.0, 5).IsZero());
}

} // namespace
} // namespace kalvio

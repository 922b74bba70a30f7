#include "engine/DoubleText.h"

#include <array>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

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

// Reference rounding from the exact decimal expansion that printf gives with enough digits:
// halves away from zero round up exactly when the first dropped digit is 5 or more.
struct TReference {
    std::string Digits;
    int Exponent = 0;
};

TReference ExactExpansion(double value) {
    std::array<char, 900> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.800e", std::fabs(value));
    const std::string text(buffer.data());
    const auto e = text.find('e');
    TReference exact{text.substr(0, 1) + text.substr(2, e - 2), std::stoi(text.substr(e + 1))};
    exact.Digits.erase(exact.Digits.find_last_not_of('0') + 1);
    return exact;
}

TReference RoundReference(TReference exact, int kept) {
    if (kept < 0 || static_cast<int>(exact.Digits.size()) <= kept) {
        return kept < 0 ? TReference{} : exact;
    }
    const bool up = exact.Digits[static_cast<std::size_t>(kept)] >= '5';
    exact.Digits.resize(static_cast<std::size_t>(kept));
    if (up) {
        int i = kept - 1;
        while (i >= 0 && exact.Digits[static_cast<std::size_t>(i)] == '9') {
            exact.Digits[static_cast<std::size_t>(i--)] = '0';
        }
        if (i < 0) {
            exact.Digits.insert(exact.Digits.begin(), '1');
            ++exact.Exponent;
        } else {
            ++exact.Digits[static_cast<std::size_t>(i)];
        }
    }
    exact.Digits.erase(exact.Digits.find_last_not_of('0') + 1);
    if (exact.Digits.empty()) {
        return {};
    }
    return exact;
}

void ExpectSame(const TDecimalDigits& actual, const TReference& expected, double value) {
    ASSERT_EQ(std::string(actual.Text()), expected.Digits) << value;
    if (!expected.Digits.empty()) {
        ASSERT_EQ(actual.Exponent, expected.Exponent) << value;
    }
}

// Random bit patterns reach every exponent; small binary fractions are exact ties often.
std::vector<double> SampleValues() {
    std::mt19937_64 random(7);
    std::vector<double> values;
    for (int i = 0; i < 3000; ++i) {
        const double value = std::bit_cast<double>(random());
        if (std::isfinite(value)) {
            values.push_back(value);
        }
        values.push_back(static_cast<double>(random() % 100000000) / 1024.0);
        values.push_back(static_cast<double>(random() % 1000000) * 0.5);
        // Sixteen-digit texts ending in 5 lie on or next to a 15-digit rounding boundary.
        const std::string boundary = std::to_string(100000000000000 + random() % 900000000000000) +
                                     "5e" + std::to_string(static_cast<int>(random() % 80) - 40);
        values.push_back(std::stod(boundary));
        values.push_back(std::bit_cast<double>(random() >> 12)); // subnormal
    }
    return values;
}

TEST(RoundToSignificantDigitsTest, AgreesWithTheExactExpansion) {
    std::mt19937 random(11);
    for (const double value : SampleValues()) {
        for (const int digits : {1 + static_cast<int>(random() % 17), 15}) {
            ExpectSame(RoundToSignificantDigits(value, digits),
                       value == 0 ? TReference{} : RoundReference(ExactExpansion(value), digits),
                       value);
        }
    }
}

TEST(RoundToDecimalPlacesTest, AgreesWithTheExactExpansion) {
    std::mt19937 random(13);
    for (const double value : SampleValues()) {
        if (std::fabs(value) >= 1e17) {
            continue;
        }
        const int places = static_cast<int>(random() % 21);
        TReference expected;
        if (value != 0) {
            const TReference exact = ExactExpansion(value);
            const int kept = exact.Exponent + 1 + places;
            // A value below the first kept place rounds to 0 or to one unit of it.
            expected = kept == 0
                           ? RoundReference(TReference{"0" + exact.Digits, exact.Exponent + 1}, 1)
                           : RoundReference(exact, kept);
        }
        ExpectSame(RoundToDecimalPlaces(value, places), expected, value);
    }
}

} // namespace
} // namespace kalvio

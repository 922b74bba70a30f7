#include "display/PreRounding.h"

#include <cfenv>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace kalvio {
namespace {

// The processor's own result under a directed rounding mode. Every step goes through a
// volatile so that it runs between the mode changes.
double HardwarePreRound(double value, int digitNumber, TRoundSelector selector) {
    volatile double scale = static_cast<float>(std::pow(10.0, digitNumber));
    volatile double input = value;
    std::fesetround(selector == rsCut ? FE_DOWNWARD : FE_UPWARD);
    volatile double scaled = input * scale;
    volatile double integer = selector == rsCut ? std::floor(scaled) : std::ceil(scaled);
    volatile double result = integer / scale;
    std::fesetround(FE_TONEAREST);
    return result;
}

// The directed division may land one step beside the nearest double of the decimal.
TEST(PreRoundingTest, CutsAndRaisesAtTheDigitNumber) {
    EXPECT_DOUBLE_EQ(PreRoundValue(1.23456, 2, rsCut), 1.23);
    EXPECT_DOUBLE_EQ(PreRoundValue(1.23456, 2, rsUp), 1.24);
    EXPECT_DOUBLE_EQ(PreRoundValue(-1.23456, 2, rsCut), -1.24);
    EXPECT_DOUBLE_EQ(PreRoundValue(-1.23456, 2, rsUp), -1.23);
    EXPECT_EQ(PreRoundValue(7.9, 0, rsCut), 7.0);
    // No digit number: tens, with the single-precision 0.1 showing through.
    EXPECT_NEAR(PreRoundValue(1234.5, -1, rsCut), 1230.0, 1e-4);
    EXPECT_EQ(PreRoundValue(1.23456, 2, rs54), 1.23456);
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
}

TEST(PreRoundingTest, MatchesTheProcessorUnderDirectedRounding) {
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 22);
    std::uniform_int_distribution<int> digits(-1, 9);
    for (int i = 0; i < 20000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        const int digitNumber = digits(random);
        for (const auto selector : {rsCut, rsUp}) {
            const double expected = HardwarePreRound(value, digitNumber, selector);
            const double actual = PreRoundValue(value, digitNumber, selector);
            // The sign of a zero result depends on how the library floors; no text shows it.
            ASSERT_EQ(actual, expected)
                << value << " at " << digitNumber << " selector " << int(selector);
        }
    }
}

TEST(PreRoundingTest, MatchesTheProcessorAtTheExtremes) {
    const double values[] = {0.0,     -0.0,     5e-324, -5e-324, 2.2250738585072014e-308,
                             1.7e308, -1.7e308, 0.29,   0.57,    1e16 + 2};
    for (const double value : values) {
        for (const int digitNumber : {-1, 0, 2, 9}) {
            for (const auto selector : {rsCut, rsUp}) {
                const double expected = HardwarePreRound(value, digitNumber, selector);
                const double actual = PreRoundValue(value, digitNumber, selector);
                EXPECT_EQ(actual, expected)
                    << value << " at " << digitNumber << " selector " << int(selector);
            }
        }
    }
}

} // namespace
} // namespace kalvio

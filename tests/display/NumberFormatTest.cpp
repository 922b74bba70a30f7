#include "display/NumberFormat.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace kalvio {
namespace {

using TConversion = std::u16string (*)(double, int);

struct TFormatCase {
    const char* Name;
    TConversion Conversion;
    double Value;
    int Digits;
    std::u16string Expected;
};

class NumberFormatTest : public testing::TestWithParam<TFormatCase> {};

TEST_P(NumberFormatTest, Formats) {
    const auto& c = GetParam();
    EXPECT_EQ(c.Conversion(c.Value, c.Digits), c.Expected);
}

const double NaN = std::nan("");
const auto Fixed = FloatToFixedText;
const auto Number = FloatToNumberText;
const auto Exponent = FloatToExponentText;
const auto Pattern = FloatToPatternText;
const auto Grouped = FloatToGroupedPatternText;
const auto Scientific = FloatToScientificPatternText;

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberFormatTest,
    testing::Values(TFormatCase{"FixedRounds", Fixed, 1234.567, 2, u"1234.57"},
                    TFormatCase{"FixedTie", Fixed, 0.125, 2, u"0.13"},
                    TFormatCase{"FixedNegativeTie", Fixed, -0.125, 2, u"-0.13"},
                    TFormatCase{"FixedNoDecimals", Fixed, 2.5, 0, u"3"},
                    TFormatCase{"FixedTwentyDigitTie", Fixed, 1.0000019073486328125, 18,
                                u"1.000001907348632813"},
                    TFormatCase{"FixedPadsZeros", Fixed, 0.0, 2, u"0.00"},
                    TFormatCase{"FixedCarry", Fixed, 9.9999, 2, u"10.00"},
                    TFormatCase{"FixedNegativeRoundsToZero", Fixed, -0.001, 2, u"0.00"},
                    TFormatCase{"FixedTiny", Fixed, 1e-300, 3, u"0.000"},
                    TFormatCase{"FixedSeventeenIntegerDigits", Fixed, 12345678901234568.0, 1,
                                u"12345678901234568.0"},
                    TFormatCase{"FixedTooLarge", Fixed, 1e17, 2, u"1E17"},
                    TFormatCase{"FixedHuge", Fixed, 1e20, 2, u"1E20"},
                    TFormatCase{"FixedNaN", Fixed, NaN, 2, u"NAN"},
                    TFormatCase{"NumberGroups", Number, 1234.567, 2, u"1,234.57"},
                    TFormatCase{"NumberGroupsMillions", Number, 1234567.891, 0, u"1,234,568"},
                    TFormatCase{"NumberCarryAddsGroup", Number, -999.999, 2, u"-1,000.00"},
                    TFormatCase{"NumberShort", Number, 123.0, 2, u"123.00"},
                    TFormatCase{"NumberExactGroups", Number, 100000.0, 0, u"100,000"},
                    TFormatCase{"ExponentPositive", Exponent, 12345.0, 3, u"1.23E+004"},
                    TFormatCase{"ExponentNegative", Exponent, 0.000123, 3, u"1.23E-004"},
                    TFormatCase{"ExponentZero", Exponent, 0.0, 3, u"0.00E+000"},
                    TFormatCase{"ExponentNegativeValue", Exponent, -12345.0, 3, u"-1.23E+004"},
                    TFormatCase{"ExponentKeepsZeros", Exponent, 1e-5, 5, u"1.0000E-005"},
                    TFormatCase{"ExponentCarry", Exponent, 9.99, 2, u"1.0E+001"},
                    TFormatCase{"ExponentClampsDigits", Exponent, 5.0, 0, u"5.0E+000"},
                    TFormatCase{"ExponentThreeDigits", Exponent, 1e300, 2, u"1.0E+300"},
                    TFormatCase{"ExponentSubnormal", Exponent, 5e-324, 3, u"4.94E-324"},
                    TFormatCase{"PatternDropsZeros", Pattern, 12.345, 9, u"12.345"},
                    TFormatCase{"PatternBarePointDropped", Pattern, 1.0, 3, u"1"},
                    TFormatCase{"PatternRoundsToInteger", Pattern, 2.5, 0, u"3"},
                    TFormatCase{"PatternNoGrouping", Pattern, 1234567.5, 3, u"1234567.5"},
                    TFormatCase{"PatternNegativeRoundsToZero", Pattern, -0.0001, 3, u"0"},
                    TFormatCase{"PatternTooLarge", Pattern, 5e30, 9, u"5E30"},
                    TFormatCase{"GroupedEleven", Grouped, 1234.56789012, 7, u"1,234.5678901"},
                    TFormatCase{"GroupedNegative", Grouped, -1234.56789012, 6, u"-1,234.56789"},
                    TFormatCase{"GroupedBelowThousand", Grouped, 999.4, 0, u"999"},
                    TFormatCase{"GroupedInteger", Grouped, 1234567.5, 0, u"1,234,568"},
                    TFormatCase{"GroupedTooLarge", Grouped, 1e17, 0, u"1E17"},
                    TFormatCase{"ScientificPositive", Scientific, 12345.0, 9, u"1.2345E+4"},
                    TFormatCase{"ScientificNegativeExponent", Scientific, 0.000123, 9, u"1.23E-4"},
                    TFormatCase{"ScientificNoFraction", Scientific, -5.0, 9, u"-5E+0"},
                    TFormatCase{"ScientificZero", Scientific, 0.0, 9, u"0E+0"},
                    TFormatCase{"ScientificRounds", Scientific, 9.99999999999, 9, u"1E+1"},
                    TFormatCase{"ScientificLarge", Scientific, 1.5e300, 9, u"1.5E+300"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(RoundToInt64Test, RoundsTiesToEven) {
    const struct {
        double Value;
        std::int64_t Expected;
    } cases[] = {{2.5, 2},   {3.5, 4},    {-2.5, -2}, {-3.5, -4},
                 {0.5, 0},   {-0.5, 0},   {1.5, 2},   {2.4999999999999996, 2},
                 {-1.7, -2}, {255.0, 255}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundToInt64(c.Value), c.Expected) << c.Value;
    }
}

TEST(RoundToInt64Test, RefusesValuesOutsideTheRange) {
    EXPECT_EQ(RoundToInt64(-9223372036854775808.0), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(RoundToInt64(9223372036854774784.0), 9223372036854774784);
    EXPECT_EQ(RoundToInt64(9223372036854775808.0), std::nullopt);
    EXPECT_EQ(RoundToInt64(-9223372036854777856.0), std::nullopt);
    EXPECT_EQ(RoundToInt64(1e20), std::nullopt);
    EXPECT_EQ(RoundToInt64(std::nan("")), std::nullopt);
    EXPECT_EQ(RoundToInt64(-std::numeric_limits<double>::infinity()), std::nullopt);
}

TEST(TextToFloatTest, ReadsTheStrictForm) {
    const struct {
        std::u16string Text;
        double Expected;
    } cases[] = {{u"1.5", 1.5},
                 {u" -2.5E3 ", -2500.0},
                 {u"+.5", 0.5},
                 {u"5.", 5.0},
                 {u"1e+2", 100.0},
                 {u"\t7\t", 7.0},
                 {u"1E-400", 0.0},
                 {u"4.94065645841247E-324", 5e-324},
                 {u"1.7976931348623157E308", std::numeric_limits<double>::max()}};
    for (const auto& c : cases) {
        EXPECT_EQ(TextToFloat(c.Text), c.Expected);
    }
    EXPECT_TRUE(std::signbit(*TextToFloat(u"-0")));
}

TEST(TextToFloatTest, RefusesEverythingElse) {
    for (const std::u16string text :
         {u"", u" ", u".", u"-", u"1,5", u"1,000", u"1e", u"1e+", u"E5", u"1.2.3", u"1 2", u"NAN",
          u"INF", u"0x10", u"１", u"1E400", u"-1e99999999999999999999"}) {
        EXPECT_EQ(TextToFloat(text), std::nullopt);
    }
}

} // namespace
} // namespace kalvio

#include "display/CalcResultViewer.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace kalvio {
namespace {

const std::u16string SixteenF = u"FFFFFFFFFFFFFFFF";

// One value in one mode, with the settings the program feeds in (N = 10 unless said).
struct TViewCase {
    const char* Name;
    TResultViewType Mode;
    double Value;
    std::u16string Expected;
    int DigitNumber = -1;
    int Eng = 0;
    bool IsGrouping = false;
};

class ValueTextTest : public testing::TestWithParam<TViewCase> {};

TEST_P(ValueTextTest, Shows) {
    const auto& c = GetParam();
    TCalcResultViewer viewer;
    viewer.SetViewMode(c.Mode);
    viewer.SetDigitNumber(c.DigitNumber);
    viewer.SetEng(c.Eng);
    viewer.SetIsGroupingSeparator(c.IsGrouping);
    viewer.SetValue(c.Value);
    EXPECT_EQ(viewer.ValueText(), c.Expected);
    EXPECT_EQ(viewer.ViewMode(), c.Mode);
}

std::string CaseName(const testing::TestParamInfo<TViewCase>& info) {
    return info.param.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Normal, ValueTextTest,
    testing::Values(
        TViewCase{"Plain", vtNormal, 1234.5, u"1234.5"},
        TViewCase{"TooManyDigits", vtNormal, 12345678901.0, u"1.23456789E10"},
        TViewCase{"SmallestPositional", vtNormal, 0.0001, u"0.0001"},
        TViewCase{"Small", vtNormal, 0.00001234, u"1.234E-5"},
        TViewCase{"Zero", vtNormal, 0.0, u"0"}, TViewCase{"Negative", vtNormal, -2.5, u"-2.5"},
        TViewCase{"Grouped", vtNormal, 1234567.5, u"1,234,567.5", -1, 0, true},
        TViewCase{"GroupedElevenDigits", vtNormal, 1234.56789012, u"1,234.5678901", -1, 0, true},
        TViewCase{"GroupedNegative", vtNormal, -1234.56789012, u"-1,234.56789", -1, 0, true},
        TViewCase{"GroupedNoSeparator", vtNormal, 999.4, u"999.4", -1, 0, true},
        TViewCase{"GroupedTooLong", vtNormal, 123456789012.0, u"1.23456789E11", -1, 0, true}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Fix, ValueTextTest,
                         testing::Values(TViewCase{"Rounds", vtFix, 1234.567, u"1234.57", 2},
                                         TViewCase{"Grouped", vtFix, 1234.567, u"1,234.57", 2, 0,
                                                   true},
                                         TViewCase{"Tie", vtFix, 0.125, u"0.13", 2},
                                         TViewCase{"NegativeTie", vtFix, -0.125, u"-0.13", 2},
                                         TViewCase{"NoDecimals", vtFix, 2.5, u"3", 0},
                                         TViewCase{"Huge", vtFix, 1e20, u"1E20", 2},
                                         TViewCase{"NoDigitNumber", vtFix, 3.14159, u"3.14"}),
                         CaseName);

INSTANTIATE_TEST_SUITE_P(Sci, ValueTextTest,
                         testing::Values(TViewCase{"Large", vtSci, 12345.0, u"1.23E+004", 3},
                                         TViewCase{"Small", vtSci, 0.000123, u"1.23E-004", 3},
                                         TViewCase{"Zero", vtSci, 0.0, u"0.00E+000", 3},
                                         TViewCase{"FreeLarge", vtSci, 12345.0, u"1.2345E4"},
                                         TViewCase{"FreeSmall", vtSci, 0.000123, u"1.23E-4"},
                                         TViewCase{"FreeZero", vtSci, 0.0, u"0"},
                                         TViewCase{"FreeNegative", vtSci, -5.0, u"-5E0"}),
                         CaseName);

INSTANTIATE_TEST_SUITE_P(
    Eng, ValueTextTest,
    testing::Values(TViewCase{"OwnExponent", vtEng, 12345.0, u"12345E0", -1, 0},
                    TViewCase{"Thousands", vtEng, 12345.0, u"12.345E3", -1, 3},
                    TViewCase{"Millions", vtEng, 12345.0, u"0.012345E6", -1, 6},
                    TViewCase{"LargeValue", vtEng, 1.5e20, u"150E18", -1, 0},
                    TViewCase{"SmallValue", vtEng, 1.5e-7, u"0.15E-6", -1, 0},
                    TViewCase{"Thousandths", vtEng, 5.0, u"5000E-3", -1, -3},
                    TViewCase{"OneActsAsZero", vtEng, 12345.0, u"12345E0", -1, 1},
                    TViewCase{"TwoActsAsZero", vtEng, 12345.0, u"12345E0", -1, 2},
                    TViewCase{"SecondPass", vtEng, 123456789.0, u"123456.789E3", -1, -3},
                    TViewCase{"NegativeSecondPass", vtEng, -123456789.0, u"-123456.789E3", -1, -3},
                    TViewCase{"Zero", vtEng, 0.0, u"0", -1, 9},
                    TViewCase{"IgnoresGrouping", vtEng, 12345.0, u"12.345E3", -1, 3, true},
                    TViewCase{"GroupedSecondPass", vtEng, 123456789.0, u"123456.789E3", -1, -3,
                              true}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Dms, ValueTextTest,
                         testing::Values(TViewCase{"Half", vtDms, 12.5, u"12°30′0″"},
                                         TViewCase{"Negative", vtDms, -12.5, u"-12°30′0″"},
                                         TViewCase{"Tenths", vtDms, 1.2345, u"1°14′4.2″"},
                                         TViewCase{"Hundredths", vtDms, 35.6789, u"35°40′44.04″"},
                                         TViewCase{"DoubleCarry", vtDms, 0.999999, u"1°0′0″"},
                                         TViewCase{"Zero", vtDms, 0.0, u"0°0′0″"},
                                         TViewCase{"NaN", vtDms, std::nan(""), u"Error"}),
                         CaseName);

INSTANTIATE_TEST_SUITE_P(
    Integer, ValueTextTest,
    testing::Values(
        TViewCase{"Hex", vtHex, 255.0, u"0xFF"}, TViewCase{"HexZero", vtHex, 0.0, u"0x0"},
        TViewCase{"HexMinusOne", vtHex, -1.0, u"0x" + SixteenF},
        TViewCase{"HexTieDown", vtHex, 2.5, u"0x2"}, TViewCase{"HexTieUp", vtHex, 3.5, u"0x4"},
        TViewCase{"HexLowest", vtHex, -9223372036854775808.0, u"0x8000000000000000"},
        TViewCase{"HexOutOfRange", vtHex, 1e20, u"1E20"},
        TViewCase{"HexOutOfRangeGrouped", vtHex, -1e19, u"-1E19", -1, 0, true},
        TViewCase{"HexNaN", vtHex, std::nan(""), u"NAN"}, TViewCase{"Bin", vtBin, 5.0, u"0b101"},
        TViewCase{"BinZero", vtBin, 0.0, u"0b0"}, TViewCase{"BinTie", vtBin, 2.5, u"0b10"},
        TViewCase{"BinNegative", vtBin, -5.0, u"0b" + std::u16string(61, u'1') + u"011"},
        TViewCase{"BinMinusOne", vtBin, -1.0, u"0b" + std::u16string(64, u'1')},
        TViewCase{"BinOutOfRange", vtBin, 9223372036854775808.0, u"9.223372037E18"},
        TViewCase{"NotView", vtNotView, 12.5, u""}),
    CaseName);

// A decimal value in BigDecimal mode, its double twin set beside it as the owner does.
struct TDecimalCase {
    const char* Name;
    const char16_t* Value;
    std::u16string Expected;
    int Digits = 15;
    bool IsGrouping = false;
};

class DecimalValueTextTest : public testing::TestWithParam<TDecimalCase> {};

TEST_P(DecimalValueTextTest, Shows) {
    const auto& c = GetParam();
    TCalcResultViewer viewer;
    viewer.SetIsBigDecimal(true);
    viewer.SetBcdSignificantDigits(c.Digits);
    viewer.SetIsGroupingSeparator(c.IsGrouping);
    const TBcd value = StrToBcd(c.Value);
    viewer.SetBcdValue(value);
    viewer.SetValue(BcdToDouble(value));
    EXPECT_EQ(viewer.ValueText(), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Normal, DecimalValueTextTest,
    testing::Values(
        TDecimalCase{"Large", u"100000000000000000000", u"1.00000000000000E20"},
        TDecimalCase{"SmallStaysPositional", u"0.000000000000000000001234",
                     u"0.000000000000000000001234"},
        TDecimalCase{"SignCountsAsADigit", u"-123456789012345", u"-1.23456789012345E14"},
        TDecimalCase{"FifteenDigits", u"123456789012345", u"123456789012345"},
        TDecimalCase{"HalfToEvenDown", u"0.125", u"0.12", 2},
        TDecimalCase{"HalfToEvenUp", u"0.135", u"0.14", 2},
        TDecimalCase{"ThirtyDigits", u"3.14159265358979323846264338327950288",
                     u"3.14159265358979323846264338328", 30},
        TDecimalCase{"Zero", u"0", u"0"},
        TDecimalCase{"Grouped", u"1234567.5", u"1,234,567.5", 15, true},
        TDecimalCase{"GroupedDecimalsToP", u"1234.567890123456789", u"1,234.567890123457", 15,
                     true},
        TDecimalCase{"GroupedHalfToEven", u"1234.56785", u"1,234.5678", 7, true},
        TDecimalCase{"GroupedNegative", u"-1234.56789012", u"-1,234.56789012", 15, true},
        TDecimalCase{"GroupedNoSeparator", u"999.4", u"999.4", 15, true},
        TDecimalCase{"GroupedTooLong", u"123456789012345678", u"1.23456789012346E17", 15, true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(CalcResultViewerTest, BigDecimalFeedsOnlyNormalAndEng) {
    TCalcResultViewer viewer;
    viewer.SetIsBigDecimal(true);
    // Twins that differ show which form each mode reads.
    viewer.SetBcdValue(StrToBcd(u"150000000000000000000"));
    viewer.SetValue(2.5);
    EXPECT_EQ(viewer.ValueText(), u"1.50000000000000E20");
    viewer.SetViewMode(vtEng);
    EXPECT_EQ(viewer.ValueText(), u"150E18");
    viewer.SetViewMode(vtFix);
    EXPECT_EQ(viewer.ValueText(), u"2.50");
    viewer.SetViewMode(vtHex);
    EXPECT_EQ(viewer.ValueText(), u"0x2");
    viewer.SetIsBigDecimal(false);
    viewer.SetViewMode(vtNormal);
    EXPECT_EQ(viewer.ValueText(), u"2.5");
}

TEST(CalcResultViewerTest, PercentScalesTheDecimalToo) {
    TCalcResultViewer viewer;
    viewer.SetIsBigDecimal(true);
    viewer.SetIsPercent(true);
    viewer.SetBcdValue(StrToBcd(u"0.125"));
    viewer.SetValue(0.125);
    EXPECT_EQ(viewer.ValueText(), u"12.5%");
    EXPECT_EQ(BcdToStr(viewer.BcdValue()), u"0.125");
}

TEST(CalcResultViewerTest, StartsWithItsDefaults) {
    TCalcResultViewer viewer;
    EXPECT_EQ(viewer.ViewMode(), vtNormal);
    EXPECT_EQ(viewer.DigitNumber(), -1);
    EXPECT_EQ(viewer.RoundSelector(), rs54);
    EXPECT_EQ(viewer.SignificantDigits(), 10);
    EXPECT_EQ(viewer.BcdSignificantDigits(), 15);
    EXPECT_FALSE(viewer.IsError());
    EXPECT_FALSE(viewer.IsText());
    EXPECT_FALSE(viewer.EngError());
    EXPECT_EQ(viewer.DisplayText(), u"0");
}

TEST(CalcResultViewerTest, PercentScalesTheShownValueOnly) {
    TCalcResultViewer viewer;
    viewer.SetIsPercent(true);
    viewer.SetViewMode(vtFix);
    viewer.SetDigitNumber(1);
    viewer.SetValue(0.125);
    EXPECT_EQ(viewer.ValueText(), u"12.5%");
    EXPECT_EQ(viewer.ValueText(), u"12.5%");
    EXPECT_EQ(viewer.Value(), 0.125);
    viewer.SetViewMode(vtNormal);
    EXPECT_EQ(viewer.ValueText(), u"12.5%");
    viewer.SetViewMode(vtSci);
    EXPECT_EQ(viewer.ValueText(), u"1.3E+001%");
    // Only the three plain forms carry the sign.
    viewer.SetViewMode(vtHex);
    EXPECT_EQ(viewer.ValueText(), u"0xC");
    viewer.SetViewMode(vtEng);
    EXPECT_EQ(viewer.ValueText(), u"12.5E0");
}

TEST(CalcResultViewerTest, SignificantDigitsSetThePrecision) {
    TCalcResultViewer viewer;
    viewer.SetSignificantDigits(15);
    viewer.SetValue(1.0 / 3.0);
    EXPECT_EQ(viewer.ValueText(), u"0.333333333333333");
    viewer.SetSignificantDigits(2);
    EXPECT_EQ(viewer.ValueText(), u"0.33");
    viewer.SetViewMode(vtSci);
    EXPECT_EQ(viewer.ValueText(), u"3.3E-1");
}

TEST(CalcResultViewerTest, PreRoundingCutsOrRaisesBeforeFixAndSci) {
    TCalcResultViewer viewer;
    viewer.SetViewMode(vtFix);
    viewer.SetDigitNumber(2);
    viewer.SetValue(1.23956);
    viewer.SetRoundSelector(rsCut);
    EXPECT_EQ(viewer.ValueText(), u"1.23");
    viewer.SetValue(-1.23056);
    EXPECT_EQ(viewer.ValueText(), u"-1.24");
    viewer.SetRoundSelector(rsUp);
    EXPECT_EQ(viewer.ValueText(), u"-1.23");
    viewer.SetValue(1.23056);
    EXPECT_EQ(viewer.ValueText(), u"1.24");
    // Repeated formatting never drifts: the stored value is left as it is.
    EXPECT_EQ(viewer.ValueText(), u"1.24");
    EXPECT_EQ(viewer.Value(), 1.23056);
    viewer.SetViewMode(vtSci);
    viewer.SetValue(0.123);
    EXPECT_EQ(viewer.ValueText(), u"1.3E-001");
    viewer.SetRoundSelector(rs54);
    EXPECT_EQ(viewer.ValueText(), u"1.2E-001");
    // Pre-rounding leaves the other modes alone.
    viewer.SetRoundSelector(rsUp);
    viewer.SetViewMode(vtNormal);
    EXPECT_EQ(viewer.ValueText(), u"0.123");
}

TEST(CalcResultViewerTest, EngFailureKeepsTheLastTextUntilEngIsWritten) {
    TCalcResultViewer viewer;
    viewer.SetViewMode(vtEng);
    viewer.SetValue(5.0);
    EXPECT_EQ(viewer.ValueText(), u"5E0");
    // Mantissa too long for N + 1 characters.
    viewer.SetEng(-30);
    EXPECT_EQ(viewer.ValueText(), u"5E0");
    EXPECT_TRUE(viewer.EngError());
    // Mantissa rounded away.
    viewer.SetEng(30);
    EXPECT_FALSE(viewer.EngError());
    EXPECT_EQ(viewer.ValueText(), u"5E0");
    EXPECT_TRUE(viewer.EngError());
    // A later value that fits is shown, but only writing Eng clears the flag.
    viewer.SetValue(1e-30);
    EXPECT_EQ(viewer.ValueText(), u"1E-30");
    EXPECT_TRUE(viewer.EngError());
    viewer.SetValue(7e30);
    EXPECT_EQ(viewer.ValueText(), u"1E-30");
}

TEST(CalcResultViewerTest, EngSurvivesExtremeRequests) {
    TCalcResultViewer viewer;
    viewer.SetViewMode(vtEng);
    viewer.SetValue(12.0);
    EXPECT_EQ(viewer.ValueText(), u"12E0");
    for (const int eng : {2147483647, -2147483647 - 1}) {
        viewer.SetEng(eng);
        EXPECT_EQ(viewer.ValueText(), u"12E0");
        EXPECT_TRUE(viewer.EngError());
    }
    viewer.SetEng(0);
    viewer.SetValue(std::nan(""));
    EXPECT_EQ(viewer.ValueText(), u"12E0");
    EXPECT_TRUE(viewer.EngError());
}

TEST(CalcResultViewerTest, DmsTooLargeForDegreesSwitchesToNormal) {
    TCalcResultViewer viewer;
    viewer.SetViewMode(vtDms);
    viewer.SetValue(12345678901.0);
    EXPECT_EQ(viewer.ValueText(), u"1.23456789E10");
    EXPECT_EQ(viewer.ViewMode(), vtNormal);
    viewer.SetValue(12.5);
    EXPECT_EQ(viewer.ValueText(), u"12.5");
}

TEST(CalcResultViewerTest, ErrorAndTextStatesLastUntilAValueIsWritten) {
    TCalcResultViewer viewer;
    viewer.SetValue(2.5);
    viewer.Error(u"Syntax error");
    EXPECT_TRUE(viewer.IsError());
    EXPECT_EQ(viewer.DisplayText(), u"Syntax error");
    EXPECT_EQ(viewer.ValueText(), u"2.5");
    viewer.SetViewMode(vtFix);
    EXPECT_EQ(viewer.DisplayText(), u"Syntax error");

    viewer.SetText(u"X = ");
    EXPECT_FALSE(viewer.IsError());
    EXPECT_TRUE(viewer.IsText());
    EXPECT_EQ(viewer.DisplayText(), u"X = ");

    viewer.Error(u"Domain error");
    EXPECT_FALSE(viewer.IsText());
    EXPECT_EQ(viewer.DisplayText(), u"Domain error");

    viewer.SetValue(3.0);
    EXPECT_FALSE(viewer.IsError());
    EXPECT_FALSE(viewer.IsText());
    EXPECT_EQ(viewer.DisplayText(), u"3.00");
}

} // namespace
} // namespace kalvio

#include "CalculatorFixture.h"
#include "engine/Bcd.h"

namespace kalvio {
namespace {

using MemoryAndModes = CalculatorTest;

TEST_F(MemoryAndModes, MemoryPlusMinusAndClear) {
    Enter(u"5");
    Calc.MPlusActionExecute();
    EXPECT_EQ(Registers().VarM.Value, 5);
    EXPECT_EQ(Registers().VarMCount, 1);
    EXPECT_TRUE(Events.IsMemoryButtonVisible);
    EXPECT_EQ(Events.MemoryButtonCaption, u"M=5");
    Calc.MMinusActionExecute();
    EXPECT_EQ(Registers().VarM.Value, 0);
    EXPECT_EQ(Registers().VarMCount, 2);
    EXPECT_TRUE(Events.IsMemoryButtonVisible);
    EXPECT_EQ(Events.MemoryButtonCaption, u"M=0");
    Calc.PushCommandKey(ckMC);
    EXPECT_FALSE(Events.IsMemoryButtonVisible);
    EXPECT_EQ(Events.MemoryButtonCaption, u"M");
    EXPECT_EQ(Registers().VarMCount, 0);
}

TEST_F(MemoryAndModes, MemoryPlusEvaluatesAnEditedField) {
    Type(u"2*3");
    Calc.PushCommandKey(ckMPlus);
    EXPECT_EQ(Shown(), u"6");
    EXPECT_EQ(History().size(), 1u);
    EXPECT_EQ(Registers().VarM.Value, 6);
    EXPECT_EQ(Session.Field.SelectionLength(), 0);
    // A field that fails still adds the last good Ans.
    Type(u"+");
    EXPECT_EQ(FieldText(), u"ANS+");
    Calc.MPlusActionExecute();
    EXPECT_EQ(Shown(), u"Syntax error");
    EXPECT_EQ(Registers().VarM.Value, 12);
}

TEST_F(MemoryAndModes, MemoryPlusInDecimalModeAddsExactly) {
    Calc.BigDecimalActionExecute();
    Enter(u"0.1");
    Calc.MPlusActionExecute();
    Enter(u"0.2");
    Calc.MPlusActionExecute();
    EXPECT_EQ(BcdToStr(Registers().VarM.BcdValue), u"0.3");
    EXPECT_EQ(Events.MemoryButtonCaption, u"M=0.3");
}

TEST_F(MemoryAndModes, MemoryCaptionHasOneDigitLessBelowOne) {
    EXPECT_EQ(Calc.FormatMemoryValue(0.000123456789123), u"0.000123456789");
    EXPECT_EQ(Calc.FormatMemoryValue(1.23456789123), u"1.234567891");
    Calc.SetSignificantDigits(4);
    EXPECT_EQ(Calc.FormatMemoryValue(2.0 / 3), u"0.667");
}

TEST_F(MemoryAndModes, DisplayModeChangesShowTheNewestEntryAgain) {
    Enter(u"2/3");
    Type(u"5");
    Calc.FixActionExecute(2);
    EXPECT_EQ(FieldText(), u"2/3");
    EXPECT_EQ(Shown(), u"0.67");
    EXPECT_EQ(Events.ResultModeCaption, u"Fix2");
    EXPECT_NEAR(Registers().VarGT.Value, 4.0 / 3, 1E-15);
    Calc.SciActionExecute(3);
    EXPECT_EQ(Shown(), u"6.67E-001");
    EXPECT_EQ(Events.ResultModeCaption, u"Sci3");
    Calc.SciActionExecute(1); // no such action: nothing happens
    EXPECT_EQ(Events.ResultModeCaption, u"Sci3");
    Calc.NormalActionExecute();
    EXPECT_EQ(Shown(), u"0.6666666667");
    EXPECT_EQ(History().size(), 1u);
}

TEST_F(MemoryAndModes, ModeChangeWithEmptyHistoryShowsZero) {
    Type(u"12");
    Calc.FixActionExecute(1);
    EXPECT_EQ(FieldText(), u"");
    EXPECT_EQ(Shown(), u"0.0");
}

TEST_F(MemoryAndModes, GroupingTogglesItsCheckMark) {
    Enter(u"1234.5");
    Calc.DigitGroupingSeparatorActionExecute();
    EXPECT_TRUE(Events.IsDigitGroupingChecked);
    EXPECT_EQ(Shown(), u"1,234.5");
    EXPECT_EQ(Calc.CopyActionExecute(), u"1,234.5");
    Calc.DigitGroupingSeparatorActionExecute();
    EXPECT_FALSE(Events.IsDigitGroupingChecked);
    EXPECT_EQ(Shown(), u"1234.5");
}

TEST_F(MemoryAndModes, AngleChangeDoesNotRecalculate) {
    EXPECT_EQ(Enter(u"sin 90"), u"1");
    Calc.AngleActionExecute(atRad);
    EXPECT_EQ(Events.AngleCaption, u"Rad");
    EXPECT_EQ(Shown(), u"1");
    EXPECT_EQ(Enter(), u"0.8939966636");
}

TEST_F(MemoryAndModes, DecimalModeToggle) {
    EXPECT_EQ(Enter(u"1/3*3"), u"1");
    Calc.BigDecimalActionExecute();
    EXPECT_TRUE(Events.IsBcdLabelVisible);
    EXPECT_EQ(Enter(), u"0.9999999999");
    Calc.BigDecimalActionExecute();
    EXPECT_FALSE(Events.IsBcdLabelVisible);
    EXPECT_EQ(Enter(), u"1");
}

TEST_F(MemoryAndModes, CopyTakesTheValueText) {
    Enter(u"1/4");
    EXPECT_EQ(Calc.CopyActionExecute(), u"0.25");
    EXPECT_EQ(Session.Field.SelectionLength(), 0);
    EXPECT_EQ(Session.Field.CaretPosition(), 3);
}

} // namespace
} // namespace kalvio

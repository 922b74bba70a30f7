#include "CalculatorFixture.h"

namespace kalvio {
namespace {

using TypedCommandExecution = CalculatorTest;

TEST_F(TypedCommandExecution, DisplayModesShowTheNewestEntryAgain) {
    Enter(u"2");
    EXPECT_EQ(Enter(u"@HEX"), u"0x2");
    EXPECT_EQ(FieldText(), u"2");
    EXPECT_EQ(Events.ResultModeCaption, u"Hex");
    // The re-evaluation counts like an Enter that is not recorded.
    EXPECT_EQ(Registers().VarGT.Value, 4);
    EXPECT_EQ(Registers().PreAns.Value, 2);
    EXPECT_EQ(History().size(), 1u);

    Enter(u"1234.5678");
    struct TCase {
        std::u16string_view Command;
        std::u16string_view Shown;
        std::u16string_view Caption;
    };
    const TCase cases[] = {
        {u"@fix3", u"1234.568", u"Fix3"},         {u"@ＦＩＸ０", u"1235", u"Fix0"},
        {u"@SCI2", u"1.2E+003", u"Sci2"},         {u"@ENG-3", u"1234567.8E-3", u"Eng-3"},
        {u"@ENG12", u"0.000000001E12", u"Eng12"}, {u"@BIN", u"0b10011010011", u"Bin"},
        {u"@DMS", u"1234°34′4.08″", u"Dms"},      {u"@NORM", u"1234.5678", u"Norm"},
        {u"@,", u"1,234.5678", u"Norm"},          {u"@HELLOWORLD", u"1,234.5678", u"Norm"},
    };
    for (const TCase& testCase : cases) {
        const std::string label(testCase.Command.begin(), testCase.Command.end());
        EXPECT_EQ(Enter(testCase.Command), testCase.Shown) << label;
        EXPECT_EQ(Events.ResultModeCaption, testCase.Caption) << label;
        EXPECT_EQ(FieldText(), u"1234.5678") << label;
        // Shown again by an Enter, so selected and replaced by the next character.
        EXPECT_TRUE(Calc.IsCalc()) << label;
    }
}

TEST_F(TypedCommandExecution, RefusedCommandsChangeNothing) {
    Enter(u"1/3");
    Enter(u"@FIX4");
    for (std::u16string_view command : {u"@FIX10", u"@FIX", u"@FIXA", u"@SCI1", u"@SCI0", u"@ENGX",
                                        u"@HELLO", u"@CALC:", u"@CALC:2°"}) {
        const std::string label(command.begin(), command.end());
        EXPECT_EQ(Enter(command), u"Mode Error") << label;
        EXPECT_EQ(FieldText(), u"") << label;
        EXPECT_EQ(Calc.DigitDisplayMode(), vtFix) << label;
        EXPECT_EQ(Calc.RoundDecimal(), 4) << label;
        EXPECT_EQ(Events.ResultModeCaption, u"Fix4") << label;
        EXPECT_FALSE(Calc.IsVarCalcMode()) << label;
    }
    // The next refresh still shows the mode in force.
    EXPECT_EQ(Enter(u"@"), u"0.3333333333");
    EXPECT_EQ(Enter(u"@FIX4"), u"0.3333");
}

TEST_F(TypedCommandExecution, AngleCommands) {
    Enter(u"@RAD");
    EXPECT_EQ(Events.AngleCaption, u"Rad");
    EXPECT_EQ(Enter(u"sin(π/2)"), u"1");
    Enter(u"@GRAD");
    EXPECT_EQ(Events.AngleCaption, u"Grad");
    EXPECT_EQ(Enter(u"sin 100"), u"1");
    Enter(u"@deg");
    EXPECT_EQ(Calc.AngleMode(), atDeg);
    EXPECT_EQ(Enter(u"sin 90"), u"1");
}

TEST_F(TypedCommandExecution, MemoryCommandsUseAnsWithoutEvaluatingAgain) {
    Enter(u"5");
    Enter(u"@M+");
    EXPECT_EQ(Registers().VarM.Value, 5);
    EXPECT_EQ(Registers().VarMCount, 1);
    EXPECT_EQ(Events.MemoryButtonCaption, u"M=5");
    EXPECT_EQ(History().size(), 1u);
    Enter(u"@M-");
    Enter(u"@M-");
    EXPECT_EQ(Registers().VarM.Value, -5);
    EXPECT_EQ(Registers().VarMCount, 3);
    Enter(u"@MCL");
    EXPECT_EQ(Registers().VarM.Value, 0);
    EXPECT_EQ(Registers().VarMCount, 0);
    EXPECT_FALSE(Events.IsMemoryButtonVisible);
}

TEST_F(TypedCommandExecution, ClearingHistoryLeavesBlankEntries) {
    for (std::u16string_view text : {u"1", u"2", u"3", u"4", u"5"}) {
        Enter(text);
    }
    EXPECT_EQ(Enter(u"@HISCL"), u"0");
    ASSERT_EQ(History().size(), 5u);
    for (const TExpressionHistory& entry : History()) {
        EXPECT_EQ(entry.ExpressionText, u"");
        EXPECT_EQ(entry.Value, 0);
    }
    Press(vkUp);
    EXPECT_EQ(FieldText(), u"");
    EXPECT_EQ(Shown(), u"Syntax error");
}

TEST_F(TypedCommandExecution, ClearingVariablesRemovesProtectedConstantsToo) {
    Calc.RegisterConstant(u"C0", u"299792458", u"speed of light");
    Enter(u"A = 1");
    Enter(u"@VARCL");
    EXPECT_EQ(Calc.VariableDictionary().Count(), 0);
    EXPECT_EQ(FieldText(), u"A = 1"); // shown again, not evaluated again
    EXPECT_EQ(Calc.VariableDictionary().Count(), 0);
}

TEST_F(TypedCommandExecution, GroupingAndTopMostToggle) {
    Enter(u"1234567");
    EXPECT_EQ(Enter(u"@,"), u"1,234,567");
    EXPECT_TRUE(Events.IsDigitGroupingChecked);
    Enter(u"@TOPMOST");
    EXPECT_TRUE(Events.IsTopMost);
    EXPECT_EQ(Enter(u"@NORM"), u"1234567");
    EXPECT_FALSE(Events.IsDigitGroupingChecked);
}

TEST_F(TypedCommandExecution, CalcWithoutVariablesDoesNotEnterTheMode) {
    Enter(u"7");
    EXPECT_EQ(Enter(u"@CALC:1+2"), u"7");
    EXPECT_FALSE(Calc.IsVarCalcMode());
    EXPECT_EQ(FieldText(), u"7");
}

} // namespace
} // namespace kalvio

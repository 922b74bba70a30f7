#include "CalculatorFixture.h"
#include "engine/Bcd.h"

namespace kalvio {
namespace {

using CalculationFlow = CalculatorTest;

TEST_F(CalculationFlow, AnsPreAnsGrandTotalAndHistory) {
    EXPECT_EQ(Enter(u"2"), u"2");
    EXPECT_EQ(Enter(u"3"), u"3");
    EXPECT_EQ(Registers().Ans.Value, 3);
    EXPECT_EQ(Registers().PreAns.Value, 2);
    EXPECT_EQ(Registers().VarGT.Value, 5);
    EXPECT_EQ(BcdToStr(Registers().VarGT.BcdValue), u"5");
    EXPECT_EQ(Registers().VarGTCount, 2);
    ASSERT_EQ(History().size(), 2u);
    const TExpressionHistory& newest = History().back();
    EXPECT_EQ(newest.ExpressionText, u"3");
    EXPECT_EQ(newest.Ans, 2);
    EXPECT_EQ(newest.Value, 3);
    EXPECT_EQ(newest.VarGT, 2); // the total before this result was added
    EXPECT_EQ(Calc.ExpressionHistoryIndex(), 1);
    EXPECT_EQ(Events.SelectedHistoryRow, 0);
    EXPECT_TRUE(Calc.IsCalc());
    EXPECT_TRUE(IsWholeTextSelected());
    EXPECT_EQ(Enter(u"GTCOUNT+PREANS"), u"4");
}

TEST_F(CalculationFlow, GrandTotalAloneIsNotAddedToItself) {
    Enter(u"2");
    Enter(u"3");
    EXPECT_EQ(Enter(u"GT"), u"5");
    EXPECT_EQ(Registers().VarGT.Value, 5);
    EXPECT_EQ(Registers().VarGTCount, 2);
    EXPECT_EQ(Enter(u"GT+0"), u"5");
    EXPECT_EQ(Registers().VarGT.Value, 10);
    EXPECT_EQ(Registers().VarGTCount, 3);
}

TEST_F(CalculationFlow, FailuresShowTheirWordAndChangeNoRegister) {
    struct TCase {
        std::u16string_view Text;
        std::u16string_view Word;
    };
    const TCase cases[] = {
        {u"", u"Syntax error"},           {u"1+", u"Syntax error"},    {u"2°", u"Syntax error"},
        {u"NOSUCHNAME", u"Syntax error"}, {u"1/0", u"Infinity error"}, {u"√(-1)", u"Domain error"},
        {u"5 MOD 0", u"Error"},           {u"1+*2", u"Syntax error"},
    };
    for (const TCase& testCase : cases) {
        TCalculatorSession session;
        session.Enter(u"7");
        session.Enter(u"8");
        session.Field.SetText({});
        const std::u16string word = session.Enter(testCase.Text);
        const std::string label(testCase.Text.begin(), testCase.Text.end());
        EXPECT_EQ(word, testCase.Word) << label;
        const TCalculatorRegisters& registers = session.Calculator.Registers();
        EXPECT_EQ(registers.Ans.Value, 8) << label;
        EXPECT_EQ(registers.PreAns.Value, 7) << label;
        EXPECT_EQ(registers.VarGT.Value, 15) << label;
        EXPECT_EQ(registers.VarGTCount, 2) << label;
        EXPECT_EQ(session.Calculator.ExpressionHistorys().size(), 2u) << label;
        EXPECT_TRUE(session.Calculator.IsCalc()) << label;
        // The field keeps its text, unselected, so that it can be corrected.
        EXPECT_EQ(session.Field.Text(), std::u16string(testCase.Text)) << label;
        EXPECT_EQ(session.Field.SelectionLength(), 0) << label;
    }
}

TEST_F(CalculationFlow, AnOperatorAfterAFailureContinuesFromAns) {
    Enter(u"4");
    Enter(u"1/0");
    EXPECT_EQ(Enter(u"*2"), u"8");
    EXPECT_EQ(History().back().ExpressionText, u"ANS*2");
}

// A double result without a decimal form is a result like any other; only decimal arithmetic
// refuses to use it.
TEST_F(CalculationFlow, ResultsBeyondTheDecimalRangeAreKeptAndRefusedInDecimalMode) {
    for (std::u16string_view text : {u"1E64", u"2^300", u"69!"}) {
        TCalculatorSession session;
        const std::string label(text.begin(), text.end());
        session.Enter(u"5");
        EXPECT_NE(session.Enter(text), u"Error") << label;
        const TCalculatorRegisters& registers = session.Calculator.Registers();
        EXPECT_GT(registers.Ans.Value, 1E63) << label;
        EXPECT_FALSE(registers.Ans.IsBcdValid) << label;
        EXPECT_EQ(registers.PreAns.Value, 5) << label;
        EXPECT_EQ(registers.VarGTCount, 2) << label;
        EXPECT_EQ(session.Calculator.ExpressionHistorys().size(), 2u) << label;

        session.Calculator.BigDecimalActionExecute();
        // The shown value keeps its double text instead of a decimal zero.
        EXPECT_EQ(session.Display.ShownText(), session.Display.ValueText()) << label;
        EXPECT_NE(session.Display.ValueText(), u"0") << label;
        // Each text typed into an empty field (a failed text would be continued).
        const auto enter = [&session](std::u16string_view next) {
            session.Field.SetText({});
            return session.Enter(next);
        };
        EXPECT_EQ(enter(u"ANS+1"), u"Error") << label;
        EXPECT_EQ(enter(u"GT"), u"Error") << label;
        EXPECT_EQ(enter(u"PREANS"), u"5") << label;     // PreAns is still 5
        EXPECT_EQ(enter(u"PREANS"), u"Error") << label; // now the big value
        session.Calculator.AllClear();
        EXPECT_EQ(enter(u"GT+1"), u"1") << label;
    }
    EXPECT_EQ(Enter(u"1E63"), u"1E63");
    EXPECT_TRUE(Registers().Ans.IsBcdValid);
}

TEST_F(CalculationFlow, VariablesAndMemoryBeyondTheDecimalRangeFailInDecimalMode) {
    Enter(u"BIG = 1E70");
    Enter(u"M = 1E70");
    Calc.BigDecimalActionExecute();
    EXPECT_EQ(Enter(u"BIG*0"), u"Error");
    Session.Field.SetText({});
    EXPECT_EQ(Enter(u"M*0"), u"Error");
    Session.Field.SetText({});
    EXPECT_EQ(Enter(u"2+3"), u"5");
    // An evaluation that does not read them leaves them intact.
    Calc.BigDecimalActionExecute();
    EXPECT_EQ(Enter(u"BIG/1E69+M/1E69"), u"20");
}

TEST_F(CalculationFlow, AssignmentStoresShowsAndRecordsTheWholeText) {
    EXPECT_EQ(Enter(u"A = 2*3"), u"6");
    TVariableDictionary& variables = Calc.VariableDictionary();
    ASSERT_TRUE(variables.ContainsKey(u"A"));
    const std::int32_t number = variables.GetNumberItems(u"A");
    EXPECT_EQ(variables.GetValueItems(number), 6);
    EXPECT_EQ(BcdToStr(variables.GetBcdValueItems(number)), u"6");
    EXPECT_EQ(Registers().Ans.Value, 6);
    EXPECT_EQ(Registers().VarGT.Value, 6);
    ASSERT_EQ(History().size(), 1u);
    EXPECT_EQ(History().back().ExpressionText, u"A = 2*3");
    EXPECT_EQ(FieldText(), u"A = 2*3");
    EXPECT_TRUE(IsWholeTextSelected());

    EXPECT_EQ(Enter(u"b = 1"), u"1"); // upper-cased before the name is taken
    EXPECT_TRUE(variables.ContainsKey(u"B"));
    EXPECT_EQ(Enter(u"C = B = 5"), u"1"); // only the first two parts count
    EXPECT_EQ(variables.GetValueItems(variables.GetNumberItems(u"C")), 1);
    EXPECT_EQ(Enter(u"A*B+C"), u"7");
}

TEST_F(CalculationFlow, MemoryAssignmentCountsAndZeroHidesTheButton) {
    Calc.MPlusActionExecute(); // field empty: Syntax error, then M + 0
    ASSERT_EQ(Registers().VarMCount, 1);
    EXPECT_EQ(Enter(u"M = 5"), u"5");
    EXPECT_EQ(Registers().VarM.Value, 5);
    EXPECT_EQ(Registers().VarMCount, 2);
    EXPECT_TRUE(Events.IsMemoryButtonVisible);
    EXPECT_EQ(Events.MemoryButtonCaption, u"M=5");
    Enter(u"M = 0");
    EXPECT_EQ(Registers().VarM.Value, 0);
    EXPECT_EQ(Registers().VarMCount, 0);
    EXPECT_FALSE(Events.IsMemoryButtonVisible);
    EXPECT_EQ(Events.MemoryButtonCaption, u"M");
}

TEST_F(CalculationFlow, RefusedAssignmentsStoreNothing) {
    Calc.VariableDictionary().AddOrSetValue(u"C0", 299792458, StrToBcd(u"299792458"), false);
    Enter(u"9");
    for (std::u16string_view text : {u"SIN = 1", u"DIV = 1", u"mod = 1", u"= 5", u"C0 = 1",
                                     u"ANS = 2", u"X2 = 1+", u"Y = (1°)"}) {
        const std::string label(text.begin(), text.end());
        EXPECT_EQ(Enter(text), u"Syntax error") << label;
        EXPECT_EQ(Registers().Ans.Value, 9) << label;
    }
    EXPECT_EQ(Calc.VariableDictionary().Count(), 1);
    EXPECT_EQ(Calc.VariableDictionary().GetValueItems(0), 299792458);
    EXPECT_EQ(History().size(), 1u);
}

TEST_F(CalculationFlow, AnAssignmentWithoutRightSideChangesNothing) {
    Enter(u"4");
    EXPECT_EQ(Enter(u"A ="), u"4");
    EXPECT_FALSE(Calc.VariableDictionary().ContainsKey(u"A"));
    EXPECT_EQ(History().size(), 1u);
}

TEST_F(CalculationFlow, AFailingRightSideShowsItsErrorAndStoresNothing) {
    EXPECT_EQ(Enter(u"A = 1/0"), u"Infinity error");
    EXPECT_FALSE(Calc.VariableDictionary().ContainsKey(u"A"));
    EXPECT_EQ(FieldText(), u"A = 1/0");
}

TEST_F(CalculationFlow, HistoryNeverGrowsBeyondItsLimit) {
    SetHistoryLimit(3);
    for (std::u16string_view text : {u"1", u"2", u"3", u"4"}) {
        Enter(text);
    }
    ASSERT_EQ(History().size(), 3u);
    EXPECT_EQ(History().front().ExpressionText, u"2");
    EXPECT_EQ(History().back().ExpressionText, u"4");
    EXPECT_EQ(Calc.ExpressionHistoryIndex(), 2);

    SetHistoryLimit(0);
    EXPECT_TRUE(History().empty());
    EXPECT_EQ(Enter(u"A = 5"), u"5"); // no newest entry to rename
    EXPECT_TRUE(History().empty());
}

TEST_F(CalculationFlow, MemoryAndGrandTotalAreSharedByBothModes) {
    Enter(u"M = 2");
    Calc.BigDecimalActionExecute();
    EXPECT_EQ(Enter(u"M*10"), u"20");
    EXPECT_EQ(Enter(u"1/3*3"), u"0.9999999999");
    EXPECT_EQ(BcdToStr(Registers().VarGT.BcdValue), u"22.9999999999");
    Calc.BigDecimalActionExecute();
    EXPECT_EQ(Enter(u"M"), u"2");
    EXPECT_EQ(Enter(u"GT"), u"25");
}

TEST_F(CalculationFlow, DecimalDigitsOfRegistersSurviveDoubleCalculations) {
    Calc.BigDecimalActionExecute();
    Enter(u"M = 12345678901234567890.5");
    Calc.BigDecimalActionExecute();
    Enter(u"1+1");
    Calc.BigDecimalActionExecute();
    EXPECT_EQ(BcdToStr(Registers().VarM.BcdValue), u"12345678901234567890.5");
}

} // namespace
} // namespace kalvio

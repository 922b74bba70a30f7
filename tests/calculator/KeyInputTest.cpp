#include "CalculatorFixture.h"

namespace kalvio {
namespace {

using KeyInput = CalculatorTest;

TEST_F(KeyInput, AfterAResultAnOperatorContinuesFromAnsAndAnythingElseReplaces) {
    Enter(u"1+2");
    Type(u"+");
    EXPECT_EQ(FieldText(), u"ANS+");
    EXPECT_EQ(Enter(u"1"), u"4");
    Type(u"5");
    EXPECT_EQ(FieldText(), u"5");
    EXPECT_EQ(Enter(), u"5");
    Calc.PushOperatorKey(ekMulti);
    EXPECT_EQ(FieldText(), u"ANS×");
    Calc.PushKey(ek3);
    EXPECT_EQ(Enter(), u"15");
    Calc.PushKey(ek7);
    EXPECT_EQ(FieldText(), u"7");
    // While editing, the operator is inserted like any key.
    Calc.PushOperatorKey(ekMinus);
    EXPECT_EQ(FieldText(), u"7-");
}

TEST_F(KeyInput, CaretKeysLeaveTheResultForEditing) {
    Enter(u"12");
    Press(vkLeft);
    EXPECT_FALSE(Calc.IsCalc());
    EXPECT_EQ(Session.Field.CaretPosition(), 2);
    EXPECT_EQ(Session.Field.SelectionLength(), 0);
    Type(u"3");
    EXPECT_EQ(FieldText(), u"123");
    Enter();
    Press(vkRight);
    EXPECT_EQ(Session.Field.CaretPosition(), 0);
    Type(u"-");
    EXPECT_EQ(FieldText(), u"-123");
}

TEST_F(KeyInput, KeypadKeysInsertTheirTextAtTheCaret) {
    Calc.PushKey(ekSin);
    EXPECT_EQ(FieldText(), u"sin(");
    Calc.AllClear();
    Calc.PushKey(ekSqrt);
    EXPECT_EQ(FieldText(), u"√");
    Calc.AllClear();
    Type(u"12+34");
    Session.Field.SetCaret(2);
    Calc.PushKey(ek5);
    EXPECT_EQ(FieldText(), u"125+34");
    EXPECT_EQ(Session.Field.CaretPosition(), 3);
    Calc.InsertVariableName(u"R");
    EXPECT_EQ(FieldText(), u"125R+34");
    EXPECT_EQ(Session.Field.CaretPosition(), 4);
}

TEST_F(KeyInput, DeleteRemovesOneCharacterOrTheSelection) {
    struct TCase {
        int SelectionStart;
        int SelectionLength;
        std::u16string_view Expected;
        int Caret;
    };
    const TCase cases[] = {
        {2, 0, u"12", 2}, // caret after "12": the character after it
        {3, 0, u"12", 2}, // caret at the end: the character before it
        {1, 2, u"1", 1},  // a selection goes as a whole
        {1, 1, u"13", 1}, // so does a single selected character
        {0, 0, u"23", 0},
    };
    for (const TCase& testCase : cases) {
        TCalculatorSession session;
        session.Type(u"123");
        session.Field.Select(testCase.SelectionStart, testCase.SelectionLength);
        session.Calculator.PushCommandKey(ckDel);
        EXPECT_EQ(session.Field.Text(), std::u16string(testCase.Expected));
        EXPECT_EQ(session.Field.CaretPosition(), testCase.Caret);
    }
    Calc.PushCommandKey(ckDel); // an empty field stays empty
    EXPECT_EQ(FieldText(), u"");
}

TEST_F(KeyInput, AllClearKeepsMemoryUnlessShifted) {
    for (bool isBigDecimal : {false, true}) {
        TCalculatorSession session;
        if (isBigDecimal) {
            session.Calculator.BigDecimalActionExecute();
        }
        session.Enter(u"M = 4");
        session.Enter(u"6");
        session.Calculator.PushCommandKey(ckAC);
        const TCalculatorRegisters& registers = session.Calculator.Registers();
        EXPECT_EQ(session.Field.Text(), u"");
        EXPECT_EQ(session.Display.ShownText(), u"0");
        EXPECT_EQ(registers.VarGT.Value, 0);
        EXPECT_EQ(registers.VarGTCount, 0);
        EXPECT_EQ(registers.VarM.Value, 4);
        EXPECT_EQ(registers.Ans.Value, 6);
        EXPECT_EQ(session.Enter(u"GT"), u"0");

        session.Calculator.PushCommandKey(ckShiftOn);
        EXPECT_TRUE(session.Events.IsShiftOn);
        session.Calculator.PushCommandKey(ckAC);
        EXPECT_EQ(registers.VarM.Value, 0);
        EXPECT_FALSE(session.Events.IsMemoryButtonVisible);
        EXPECT_TRUE(session.Calculator.IsPushShiftBtn()); // the latch stays on
    }
}

TEST_F(KeyInput, EscapeIsAllClear) {
    Enter(u"5");
    Press(vkEscape);
    EXPECT_EQ(FieldText(), u"");
    EXPECT_EQ(Registers().VarGT.Value, 0);
}

TEST_F(KeyInput, UpAndDownRecallAndRecalculate) {
    Enter(u"1+1");
    Enter(u"2+2");
    Enter(u"3+3");
    Press(vkUp);
    EXPECT_EQ(FieldText(), u"2+2");
    Press(vkUp);
    EXPECT_EQ(FieldText(), u"1+1");
    EXPECT_EQ(Shown(), u"2");
    EXPECT_EQ(Events.SelectedHistoryRow, 2);
    EXPECT_EQ(Registers().Ans.Value, 2);
    EXPECT_EQ(History().size(), 3u); // recalling records nothing
    Press(vkUp);                     // at the oldest entry: nothing happens
    EXPECT_EQ(FieldText(), u"1+1");
    EXPECT_EQ(Calc.ExpressionHistoryIndex(), 0);
    Press(vkDown);
    EXPECT_EQ(FieldText(), u"2+2");
    EXPECT_EQ(Shown(), u"4");
    Press(vkDown);
    Press(vkDown); // at the newest entry: nothing happens
    EXPECT_EQ(FieldText(), u"3+3");
    EXPECT_EQ(Calc.ExpressionHistoryIndex(), 2);
}

TEST_F(KeyInput, HistoryPanelRecallUsesTheEntrysDisplayMode) {
    Type(u"@FIX2");
    Enter();
    Enter(u"1/3");
    Type(u"@NORM");
    Enter();
    Enter(u"1/8");
    Calc.RecallHistoryEntry(0, {});
    EXPECT_EQ(FieldText(), u"1/3");
    EXPECT_EQ(Shown(), u"0.33");
    EXPECT_TRUE(IsWholeTextSelected());
    EXPECT_EQ(Events.ResultModeCaption, u"Norm");
    EXPECT_EQ(History().size(), 2u);

    Calc.RecallHistoryEntry(-1, u"2*3");
    EXPECT_EQ(Shown(), u"6.00");
    Calc.RecallHistoryEntry(-1, {});
    EXPECT_EQ(FieldText(), u"2*3");
}

TEST_F(KeyInput, ExpressionRecordGoesToTheFieldWithoutCalculating) {
    Calc.RecallExpressionRecord(u"Area;  3.14*R^2;note");
    EXPECT_EQ(FieldText(), u"3.14*R^2");
    EXPECT_TRUE(IsWholeTextSelected());
    EXPECT_EQ(Shown(), u"0");
    Calc.RecallExpressionRecord(u"Volume;4/3*π*R^3");
    EXPECT_EQ(FieldText(), u"4/3*π*R^3");
    Calc.RecallExpressionRecord(u"1+2");
    EXPECT_EQ(FieldText(), u"1+2");
}

} // namespace
} // namespace kalvio

#include "CalculatorFixture.h"

namespace kalvio {
namespace {

using CalcMode = CalculatorTest;

TEST_F(CalcMode, AsksForEachVariableThenEvaluatesAndStartsAgain) {
    Enter(u"5");
    Type(u"2*R^2");
    Calc.PushCommandKey(ckCalc);
    EXPECT_TRUE(Calc.IsVarCalcMode());
    EXPECT_TRUE(Events.IsCalcLabelVisible);
    EXPECT_EQ(FieldText(), u"R = ");
    // The questions leave the display and GT alone.
    EXPECT_EQ(Shown(), u"5");
    EXPECT_EQ(Enter(u"3"), u"18");
    EXPECT_EQ(FieldText(), u"2*R^2");
    EXPECT_EQ(Registers().Ans.Value, 18);
    EXPECT_EQ(Registers().PreAns.Value, 3); // the last value typed
    EXPECT_EQ(Registers().VarGT.Value, 23);
    ASSERT_EQ(History().size(), 3u);
    EXPECT_EQ(History()[1].ExpressionText, u"R = 3");
    EXPECT_EQ(History()[2].ExpressionText, u"2*R^2");

    // Typing is blocked until Enter starts the next cycle.
    Type(u"9");
    EXPECT_EQ(FieldText(), u"2*R^2");
    EXPECT_EQ(Enter(), u"18");
    EXPECT_EQ(FieldText(), u"R = ");
    EXPECT_EQ(Enter(u"-1"), u"2");
    EXPECT_EQ(Registers().VarGT.Value, 25);
}

TEST_F(CalcMode, AsksEachNameOnceInOrderAndSkipsBracketedNames) {
    Enter(u"@CALC:A*B+A");
    EXPECT_EQ(Calc.CalcModeVariableList(), (std::vector<std::u16string>{u"A", u"B"}));
    EXPECT_EQ(FieldText(), u"A = ");
    Enter(u"2");
    EXPECT_EQ(FieldText(), u"B = ");
    EXPECT_EQ(Enter(u"5"), u"12");

    Calc.AllClear();
    Enter(u"R = 10");
    Calc.AllClear();
    Type(u"[R]*H");
    Calc.PushCommandKey(ckCalc);
    EXPECT_EQ(FieldText(), u"H = ");
    EXPECT_EQ(Enter(u"3"), u"30");
    EXPECT_EQ(Calc.CalcModeExpressionText(), u"R*H");
}

TEST_F(CalcMode, AnExpressionWithoutVariablesLeavesTheModeOff) {
    Type(u"1+2");
    Calc.PushCommandKey(ckCalc);
    EXPECT_FALSE(Calc.IsVarCalcMode());
    EXPECT_FALSE(Events.IsCalcLabelVisible);
}

TEST_F(CalcMode, BadAnswersShowAnErrorAndTheNextQuestionFollows) {
    Enter(u"@CALC:A+B");
    EXPECT_EQ(Enter(u"2°"), u"Syntax error");
    EXPECT_EQ(FieldText(), u"B = ");
    // B = 1/0 fails too (its error word is replaced at once) and neither A nor B has a value, so
    // the expression cannot be converted.
    EXPECT_EQ(Enter(u"1/0"), u"Syntax error");
    EXPECT_EQ(FieldText(), u"A+B");
    EXPECT_FALSE(Calc.VariableDictionary().ContainsKey(u"B"));
    EXPECT_EQ(Enter(), u"Syntax error");
    EXPECT_EQ(Enter(), u"Syntax error"); // an empty answer
    EXPECT_EQ(FieldText(), u"B = ");
}

TEST_F(CalcMode, AllClearEndsTheMode) {
    Enter(u"@CALC:A*B");
    Calc.PushCommandKey(ckAC);
    EXPECT_FALSE(Calc.IsVarCalcMode());
    EXPECT_FALSE(Calc.VarCalcing());
    EXPECT_FALSE(Events.IsCalcLabelVisible);
    EXPECT_EQ(FieldText(), u"");
    EXPECT_EQ(Enter(u"2+2"), u"4");
}

TEST_F(CalcMode, KeysAppendAndUpRecallsNothing) {
    Enter(u"7");
    Enter(u"@CALC:X1+X2");
    Session.Field.SetCaret(0);
    Calc.PushKey(ek4);
    EXPECT_EQ(FieldText(), u"X1 = 4");
    Press(vkUp);
    EXPECT_EQ(FieldText(), u"X1 = 4");
    Calc.PushOperatorKey(ekMinus);
    EXPECT_EQ(FieldText(), u"X1 = 4-");
}

} // namespace
} // namespace kalvio

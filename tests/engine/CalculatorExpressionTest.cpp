#include "engine/CalculatorExpression.h"

#include "engine/EvaluationSupport.h"
#include "engine/KeyNotation.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kalvio {
namespace {

using testing::ConvertText;
using testing::Keys;

// A calculator evaluator loaded with distinct registers.
class CalculatorExpressionTest : public ::testing::Test {
protected:
    CalculatorExpressionTest() {
        Expression.SetLastValue(2);
        Expression.SetPreLastValue(3);
        Expression.SetVarM(5);
        Expression.SetVarGT(7);
        Expression.SetVarX(11);
        Expression.SetVarY(13);
        Expression.SetVarMCount(17);
        Expression.SetVarGTCount(19);
        Dictionary.AddOrSetValue(u"A", 2.5, TBcd{});
        Dictionary.AddOrSetValue(u"RATE", 0.25, TBcd{});
        Expression.SetVariableDictionary(Dictionary);
    }

    double Calc(const TExpressionKeyList& keys, TAngleType angleMode = atDeg) {
        Expression.SetKeyList(keys);
        Expression.SetAngleMode(angleMode);
        return Expression.Calc();
    }
    double Calc(std::u16string_view text) { return Calc(ConvertText(text, Dictionary)); }

    TVariableDictionary Dictionary;
    TCalculatorExpression Expression;
};

TEST_F(CalculatorExpressionTest, ReadsRegisters) {
    EXPECT_EQ(Calc(u"ANS+1"), 3);
    EXPECT_EQ(Calc(u"PREANS"), 3);
    EXPECT_EQ(Calc(u"M*GT"), 35);
    EXPECT_EQ(Calc(u"MCOUNT"), 17);
    EXPECT_EQ(Calc(u"GTCOUNT-1"), 18);
    EXPECT_EQ(Calc(Keys("X Y")), 143);
    EXPECT_EQ(Calc(u"2ANS"), 4);
    EXPECT_EQ(Calc(u"ANS(3)"), 6);
    EXPECT_EQ(Calc(u"-ANS"), -2);
    // An evaluation without Pol( or Rec( leaves X and Y as loaded.
    EXPECT_EQ(Expression.VarX(), 11);
    EXPECT_EQ(Expression.VarY(), 13);
}

TEST_F(CalculatorExpressionTest, ReadsVariablesByNumber) {
    EXPECT_EQ(Calc(u"A*2"), 5);
    EXPECT_EQ(Calc(u"2A"), 5);
    EXPECT_EQ(Calc(u"A(RATE)"), 0.625);
    EXPECT_EQ(Calc(u"-RATE^2"), 0.0625); // the sign binds tighter than ^
    EXPECT_EQ(Calc(u"sin A"), Calc(u"sin 2.5"));
}

TEST_F(CalculatorExpressionTest, VariableMissingFromDictionaryIsNotAnExpressionError) {
    const TExpressionKeyList keys = ConvertText(u"RATE+1", Dictionary);
    Dictionary.Remove(u"RATE");
    EXPECT_THROW(Calc(keys), EVariableNotFound);

    TCalculatorExpression withoutDictionary;
    withoutDictionary.SetKeyList(keys);
    EXPECT_THROW(withoutDictionary.Calc(), EVariableNotFound);
}

TEST_F(CalculatorExpressionTest, MalformedVariableReferenceIsSyntaxError) {
    for (const char* keys : {"var ( )", "var ( 1.5 )", "var ( 99999999999 )"}) {
        EXPECT_THROW(Calc(Keys(keys)), EExpressionError) << keys;
        EXPECT_EQ(Expression.ErrorNumber(), enSyntaxError) << keys;
    }
    EXPECT_EQ(Calc(Keys("var ( 1")), 0.25); // the closing parenthesis may be missing
}

TEST_F(CalculatorExpressionTest, PolarConversion) {
    EXPECT_EQ(Calc(Keys("Pol 1 , 1 )")), 1.4142135623730951);
    EXPECT_EQ(Expression.VarX(), 1.4142135623730951);
    EXPECT_EQ(Expression.VarY(), 45);

    // Without the closing parenthesis; the angle is rounded to 15 decimals where it can be.
    EXPECT_EQ(Calc(Keys("Pol 3 , 4")), 5);
    EXPECT_EQ(Expression.VarY(), 53.13010235415599);
    Calc(Keys("Pol 3 , 4 )"), atRad);
    EXPECT_EQ(Expression.VarY(), 0.9272952180016121);
    Calc(Keys("Pol 0 , 1 )"), atGrad);
    EXPECT_EQ(Expression.VarY(), 100);

    EXPECT_EQ(Calc(Keys("Pol 0 , 0 )")), 0);
    EXPECT_EQ(Expression.VarY(), 0);
    EXPECT_EQ(Calc(Keys("1 + Pol 3 , 4 )")), 6);
    EXPECT_EQ(Calc(Keys("Pol ( - 3 ) , 2 * 2 )")), 5);
    EXPECT_EQ(Expression.VarY(), 126.86989764584402);
}

TEST_F(CalculatorExpressionTest, RectangularConversion) {
    EXPECT_EQ(Calc(Keys("Rec 2 , 90 )")), 0); // X is within 1E-12 of zero
    EXPECT_EQ(Expression.VarX(), 1.2246467991473532E-16);
    EXPECT_EQ(Expression.VarY(), 2);
    EXPECT_EQ(Calc(Keys("Rec 2 , 100 )"), atGrad), 0);
    EXPECT_EQ(Expression.VarY(), 2);
    EXPECT_EQ(Calc(Keys("Rec 2 , 0 )"), atRad), 2);
    EXPECT_EQ(Expression.VarY(), 0);
    Calc(Keys("Rec ( - 2 ) , 0 )"));
    EXPECT_FALSE(std::signbit(Expression.VarY()));
}

TEST_F(CalculatorExpressionTest, ConversionsMustEndTheExpression) {
    for (const char* keys : {"Pol 3 , 4 ) + 1", "Rec 3 , 4 ) 2", "Pol 3 , 4 ) )"}) {
        EXPECT_THROW(Calc(Keys(keys)), EExpressionError) << keys;
        EXPECT_EQ(Expression.ErrorNumber(), enSyntaxError) << keys;
    }
    EXPECT_THROW(Calc(Keys("Pol 1 E 300 , 1 E 300 )")), EExpressionError);
    EXPECT_EQ(Expression.ErrorNumber(), enInfinityError);
}

TEST_F(CalculatorExpressionTest, StoreKeysHaveNoMeaning) {
    EXPECT_THROW(Calc(Keys("2 StoA")), EExpressionError);
    EXPECT_EQ(Expression.ErrorNumber(), enSyntaxError);
}

TEST_F(CalculatorExpressionTest, InheritsTheDoubleEvaluator) {
    EXPECT_EQ(Calc(u"2+3*4"), 14);
    EXPECT_EQ(Calc(u"7 DIV 2"), 3);
    EXPECT_THROW(Calc(u"ln 0"), EExpressionError);
    EXPECT_EQ(Expression.ErrorNumber(), enInfinityError);
}

} // namespace
} // namespace kalvio

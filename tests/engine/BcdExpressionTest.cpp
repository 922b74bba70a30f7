#include "engine/BcdExpression.h"

#include "engine/BcdCalculatorExpression.h"
#include "engine/EngineErrors.h"
#include "engine/EvaluationSupport.h"
#include "engine/KeyNotation.h"

#include <gtest/gtest.h>
#include <string>

namespace kalvio {
namespace {

using testing::ConvertText;
using testing::Keys;
using testing::Narrow;

// The decimal result as text, or the kind of failure, so that results and errors share a table.
std::string Outcome(TBcdExpression& expression, const TExpressionKeyList& keys) {
    try {
        expression.SetKeyList(keys);
        return Narrow(BcdToStr(expression.Calc()));
    } catch (const EExpressionError& error) {
        switch (error.ErrorNumber()) {
        case enSyntaxError:
            return "Syntax error";
        case enNanError:
            return "Domain error";
        case enInfinityError:
            return "Infinity error";
        default:
            return "Math error";
        }
    } catch (const EBcdOverflowException&) {
        return "decimal overflow";
    } catch (const EBcdException&) {
        return "decimal error";
    } catch (const EIntegerDivisionError&) {
        return "integer division error";
    } catch (const EConvertError&) {
        return "conversion error";
    }
}

std::string Evaluate(std::u16string_view text) {
    TBcdExpression expression;
    return Outcome(expression, ConvertText(text));
}

std::string EvaluateKeys(const std::string& notation) {
    TBcdExpression expression;
    return Outcome(expression, Keys(notation));
}

struct TCase {
    std::u16string Text;
    std::string Expected;
};

void ExpectOutcomes(std::initializer_list<TCase> cases) {
    for (const TCase& testCase : cases) {
        EXPECT_EQ(Evaluate(testCase.Text), testCase.Expected) << Narrow(testCase.Text);
    }
}

TEST(BcdExpression, ArithmeticIsDecimal) {
    ExpectOutcomes({
        {u"0.1+0.2", "0.3"},
        {u"0.1+0.2-0.3", "0"},
        {u"1/3", "0.3333333333"},
        {u"(1/3)*3", "0.9999999999"},
        {u"2/3", "0.6666666666"},
        {u"-2/3", "-0.6666666666"},
        {u"100/7", "14.2857142857"},
        {u"1E-13", "0.0000000000001"}, // no snapping to zero
        {u"2+3*4", "14"},
        {u"8-3-2", "3"},
        {u"12/4/3", "1"},
        {u"(2+3", "5"},
        {u"((2", "2"},
        {u"(2)3", "6"},
        {u"2PI", "6.28318530717958"},
        {u"\u03C0", "3.14159265358979"},
        {u"E5", "100000"},
        {u"-E5", "-100000"},
        {u"1E+5", "100000"},
        {u"123456789012345678901234567890*98765432109876543210",
         "12193263113702179522496570642237463801111263526900"},
    });
}

TEST(BcdExpression, Powers) {
    ExpectOutcomes({
        {u"2^100", "1267650600228229401496703205376"},
        {u"2^212", "6582018229284824168619876730229402019930943462534319453394436096"},
        {u"2^213", "decimal overflow"},
        {u"3^-2", "0.1111111111"},
        {u"2^-3", "0.125"},
        {u"(-2)^3", "-8"},
        {u"-2^2", "4"}, // the sign belongs to the literal
        {u"2^3^2", "64"},
        {u"2^0.5", "Domain error"},
        {u"2^2.0000000000000000001", "Domain error"}, // the double drops the fraction
        {u"0^5", "0"},
        {u"0^0", "Domain error"},
        {u"0^-1", "Domain error"},
        {u"5^0", "1"},
        {u"2^2147483648", "Domain error"},
        {u"1^2147483647", "1"},
        {u"(-1)^-2147483647", "-1"},
        {u"0.9999999999^-2147483647", "1.2147483647"},
        {u"0.5^-300", "decimal overflow"},
        {u"0.999999^-2147483647", "decimal error"}, // more steps than the power may take
        {u"3\u00B2", "9"},
        {u"1.5\u00B3", "3.375"},
        {u"1E40\u00B2", "decimal overflow"},
    });
    EXPECT_EQ(EvaluateKeys("4 ^-1"), "0.25");
    EXPECT_EQ(EvaluateKeys("1 ^-1"), "1");
    EXPECT_EQ(EvaluateKeys("3 ^-1"), "0.3333333333");
    EXPECT_EQ(EvaluateKeys("0 ^-1"), "decimal error");
}

TEST(BcdExpression, FactorialAndPercent) {
    ExpectOutcomes({
        {u"0!", "1"},
        {u"3!!", "720"},
        {u"49!", "608281864034267560872252163321295376887552831379210240000000000"},
        {u"50!", "decimal overflow"},
        {u"69!", "decimal overflow"},
        {u"70!", "Domain error"},
        {u"2.5!", "Domain error"},
        {u"(-1)!", "Domain error"},
        {u"-3!", "Domain error"}, // (-3)!
        {u"12.5%", "0.125"},
        {u"12.345678901234%", "0.123456789"},
        {u"50%%", "0.005"},
        {u"200*10%", "20"},
    });
}

TEST(BcdExpression, IntegerDivisionAndRemainder) {
    ExpectOutcomes({
        {u"7 DIV 2", "3"},
        {u"-7 DIV 2", "-3"},
        {u"-7 MOD 2", "-1"},
        {u"7 MOD -3", "1"},
        {u"7.9 MOD 2", "1"},
        {u"7.9 DIV 2.9", "3"},
        {u"-2147483648 DIV -1", "2147483648"},
        {u"-2147483648 MOD -1", "0"},
        {u"7 DIV 0", "integer division error"},
        {u"5 MOD 0.5", "integer division error"},
        {u"3E9 DIV 2", "conversion error"},
        {u"2 MOD -2147483649", "conversion error"},
    });
}

TEST(BcdExpression, DecimalLibraryErrorsPassThrough) {
    const std::u16string seventyDecimals = u"1." + std::u16string(70, u'3');
    ExpectOutcomes({
        {u"1/0", "decimal error"},
        {u"1/(0.5-0.5)", "decimal error"},
        {u"1.2.3", "decimal error"},
        {u"1E", "decimal error"},
        {std::u16string(65, u'1'), "decimal error"},
        {std::u16string(64, u'9') + u"+1", "decimal overflow"},
        {seventyDecimals, "1." + std::string(63, '3')},
        {u"0.0000000000" + std::u16string(60, u'7'),
         "0.0000000000" + std::string(53, '7')}, // leading zeros of the fraction are places too
    });
}

TEST(BcdExpression, UnknownKeysAreSyntaxErrors) {
    ExpectOutcomes({
        {u"SIN(30)", "Syntax error"},
        {u"2SQRT(4)", "Syntax error"},
        {u"LOG(100)", "Syntax error"},
        {u"HEX(FF)", "Syntax error"},
        {u"2\u221A9", "Syntax error"},
        {u"3+", "Syntax error"},
        {u"()", "Syntax error"},
        {u"2)", "Syntax error"},
        {u"1,2", "Syntax error"},
    });
    EXPECT_EQ(EvaluateKeys("12 deg 30"), "Syntax error");
    EXPECT_EQ(EvaluateKeys("deg 30"), "Syntax error");
    EXPECT_EQ(EvaluateKeys("Pol 3 , 4 )"), "Syntax error");

    TBcdExpression expression;
    expression.SetKeyList(Keys("2 )"));
    try {
        expression.Calc();
        ADD_FAILURE() << "2) evaluated";
    } catch (const EExpressionError& error) {
        EXPECT_EQ(error.ErrorIndex(), 1);
    }
    EXPECT_EQ(Narrow(BcdToStr(TBcdExpression().Calc())), "0"); // no key list
}

// Every power of one evaluation draws on one work budget, so many slow powers cannot add up to
// a long evaluation; each Calc starts with a full budget.
TEST(BcdExpression, PowersShareOneBudget) {
    const std::u16string slow =
        u"1.00001000000000000000000000000000000000000000000000000000000001^-2147483647";
    EXPECT_EQ(Evaluate(slow), "0");
    EXPECT_EQ(Evaluate(slow + u"+" + slow + u"+" + slow + u"+" + slow), "decimal error");

    TBcdExpression expression;
    EXPECT_EQ(Outcome(expression, ConvertText(slow)), "0");
    EXPECT_EQ(Outcome(expression, ConvertText(slow)), "0");
}

TEST(BcdExpression, DeepNestingIsRefused) {
    const std::u16string deep = std::u16string(1000, u'(') + u"1";
    EXPECT_EQ(Evaluate(deep), "Syntax error");
    const std::u16string fine = std::u16string(100, u'(') + u"1" + std::u16string(100, u')');
    EXPECT_EQ(Evaluate(fine), "1");
}

// A calculator evaluator loaded with distinct decimal registers.
class BcdCalculatorExpressionTest : public ::testing::Test {
protected:
    BcdCalculatorExpressionTest() {
        Expression.SetLastValue(StrToBcd(u"0.3333333333"));
        Expression.SetPreLastValue(StrToBcd(u"3"));
        Expression.SetVarM(StrToBcd(u"5"));
        Expression.SetVarGT(StrToBcd(u"0.1"));
        Expression.SetVarX(StrToBcd(u"11"));
        Expression.SetVarY(StrToBcd(u"13"));
        Expression.SetVarMCount(3);
        Expression.SetVarGTCount(-19);
        Dictionary.AddOrSetValue(u"NA", 6.02214076E23, StrToBcd(u"6.02214076E23"));
        Dictionary.AddOrSetValue(u"THIRD", 0.25, StrToBcd(u"0.3333333333333333333333333"));
        Expression.SetVariableDictionary(Dictionary);
    }

    std::string Calc(std::u16string_view text) {
        return Outcome(Expression, ConvertText(text, Dictionary));
    }
    std::string CalcKeys(const std::string& notation) {
        return Outcome(Expression, Keys(notation));
    }

    TVariableDictionary Dictionary;
    TBcdCalculatorExpression Expression;
};

TEST_F(BcdCalculatorExpressionTest, ReadsRegistersInDecimalForm) {
    EXPECT_EQ(Calc(u"ANS*3"), "0.9999999999");
    EXPECT_EQ(Calc(u"PREANS+M"), "8");
    EXPECT_EQ(Calc(u"GT+1"), "1.1");
    EXPECT_EQ(Calc(u"MCOUNT"), "3");
    EXPECT_EQ(Calc(u"GTCOUNT"), "-19");
    EXPECT_EQ(Calc(u"2ANS"), "0.6666666666");
    EXPECT_EQ(CalcKeys("X Y"), "143");
    EXPECT_EQ(CalcKeys("X @2 Y"), "143");
}

TEST_F(BcdCalculatorExpressionTest, ReadsVariablesInDecimalForm) {
    EXPECT_EQ(Calc(u"NA*2"), "1204428152000000000000000");
    EXPECT_EQ(Calc(u"THIRD*3"), "0.9999999999999999999999999");
    EXPECT_EQ(Calc(u"2THIRD"), "0.6666666666666666666666666");
}

TEST_F(BcdCalculatorExpressionTest, CoordinateConversionsAreSyntaxErrors) {
    EXPECT_EQ(CalcKeys("Pol 3 , 4 )"), "Syntax error");
    EXPECT_EQ(CalcKeys("Rec 2 , 3 0 )"), "Syntax error");
    EXPECT_EQ(Narrow(BcdToStr(Expression.VarX())), "11");
    EXPECT_EQ(Narrow(BcdToStr(Expression.VarY())), "13");
    EXPECT_EQ(Calc(u"SIN(ANS)"), "Syntax error");
}

TEST_F(BcdCalculatorExpressionTest, UnusableRegistersAndVariablesFail) {
    TBcd unusable;
    unusable.Precision = 0xFF;
    Expression.SetVarM(unusable);
    EXPECT_EQ(Calc(u"M"), "decimal error");
    EXPECT_EQ(Calc(u"ANS"), "0.3333333333"); // the others still work
    EXPECT_THROW(
        {
            Expression.SetKeyList(Keys("var ( 9 9 )"));
            Expression.Calc();
        },
        EVariableNotFound);
    TBcdCalculatorExpression withoutDictionary;
    withoutDictionary.SetKeyList(ConvertText(u"NA", Dictionary));
    EXPECT_THROW(withoutDictionary.Calc(), EVariableNotFound);
}

} // namespace
} // namespace kalvio

#include "engine/Expression.h"

#include "engine/EngineErrors.h"
#include "engine/EvaluationSupport.h"
#include "engine/KeyNotation.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gmpxx.h>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace kalvio {
namespace {

using testing::ConvertText;
using testing::Evaluate;
using testing::Keys;
using testing::Narrow;

struct TValueCase {
    std::u16string_view Text;
    double Expected;
    TAngleType AngleMode = atDeg;
};

void PrintTo(const TValueCase& valueCase, std::ostream* out) {
    *out << Narrow(valueCase.Text);
}

class ExpressionValue : public ::testing::TestWithParam<TValueCase> {};

// Results are compared bit for bit: the rounding of every step is part of the behaviour.
TEST_P(ExpressionValue, Evaluates) {
    EXPECT_EQ(Evaluate(GetParam().Text, GetParam().AngleMode), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ExpressionValue,
    ::testing::Values(TValueCase{u"2+3*4", 14}, TValueCase{u"8-3-2", 3}, TValueCase{u"12/4/3", 1},
                      TValueCase{u"2^3^2", 64}, TValueCase{u"-2^2", 4}, TValueCase{u"2^-3", 0.125},
                      TValueCase{u"2*-3", -6}, TValueCase{u"3*+2", 6}, TValueCase{u"+3", 3},
                      TValueCase{u"--3", 3}, TValueCase{u"-(-3)", 3}, TValueCase{u"3--2", 5},
                      TValueCase{u"(2+3", 5}, TValueCase{u"((2", 2}, TValueCase{u"2 3", 23},
                      TValueCase{u"(2)3", 6}, TValueCase{u"(1)(2)", 2}, TValueCase{u"2(3+1)", 8},
                      TValueCase{u"2\u00B23", 12}, TValueCase{u"5!2", 240},
                      TValueCase{u"10%5", 0.5}, TValueCase{u"\u03C02(3)", 6 * 3.141592653589793},
                      TValueCase{u"-\u03C0", -3.141592653589793},
                      TValueCase{u"2\u03C0", 2 * 3.141592653589793}, TValueCase{u"E5", 100000},
                      TValueCase{u"-E5", -100000}, TValueCase{u"1E+5", 100000},
                      TValueCase{u"1e-5", 1e-5}, TValueCase{u"2.5E3", 2500}, TValueCase{u".5", 0.5},
                      TValueCase{u"1.+2", 3}, TValueCase{u"1E-400", 0},
                      TValueCase{u"0.000001E-330+1", 1}, TValueCase{u"sin 30+1", 1.5},
                      TValueCase{u"sin(30)^2", 0}, TValueCase{u"2sin(30)", 0.9999999999999999},
                      TValueCase{u"LOGXY(2,8)", 3}, TValueCase{u"ROUNDOFF(3.14159,-2)", 3.14},
                      TValueCase{u"1E-12", 0}, TValueCase{u"1E-13", 0}, TValueCase{u"2E-12", 2E-12},
                      TValueCase{u"0.1+0.2-0.3", 0}));

INSTANTIATE_TEST_SUITE_P(Operators, ExpressionValue,
                         ::testing::Values(TValueCase{u"3!!", 720}, TValueCase{u"3!\u00B2", 36},
                                           TValueCase{u"2^3!", 64}, TValueCase{u"0!", 1},
                                           TValueCase{u"69!", 1.711224524281413E98},
                                           TValueCase{u"50%", 0.5}, TValueCase{u"200*10%", 20},
                                           TValueCase{u"50%%", 0.005}, TValueCase{u"0^0.5", 0},
                                           TValueCase{u"(-2)^3", -8}, TValueCase{u"2^10", 1024},
                                           TValueCase{u"2^0.5", std::exp(0.5 * std::log(2))},
                                           TValueCase{u"3\u00B3", 27}, TValueCase{u"4^(-1)", 0.25},
                                           TValueCase{u"10^-2", 0.01}, TValueCase{u"1/4", 0.25}));

INSTANTIATE_TEST_SUITE_P(
    Trigonometry, ExpressionValue,
    ::testing::Values(TValueCase{u"sin 30", 0.49999999999999994}, TValueCase{u"sin 180", 0},
                      TValueCase{u"sin 360", 0}, TValueCase{u"sin 900", 0},
                      TValueCase{u"cos 90", 0}, TValueCase{u"cos 270", 0}, TValueCase{u"cos 0", 1},
                      TValueCase{u"tan 45", std::tan(0.7853981633974483)},
                      TValueCase{u"arcsin 1", 90}, TValueCase{u"arccos -1", 180},
                      TValueCase{u"arctan 1", 45}, TValueCase{u"arctan 1", 50, atGrad},
                      TValueCase{u"arctan 1", 0.7853981633974483, atRad},
                      TValueCase{u"sin 200", 0, atGrad}, TValueCase{u"sin \u03C0", 0, atRad},
                      TValueCase{u"sin 1.9E8", std::sin(1.9E8), atRad},
                      TValueCase{u"sinh 1E-15", 0}, TValueCase{u"tanh 1E-15", 0},
                      TValueCase{u"cosh 0", 1}, TValueCase{u"sinh 1", std::sinh(1)},
                      TValueCase{u"arccosh 1", 0}, TValueCase{u"arctanh 0.5", 0.5493061443340549},
                      TValueCase{u"arcsinh 0", 0}, TValueCase{u"arcsinh 1E-10", 1E-10}));

INSTANTIATE_TEST_SUITE_P(
    Functions, ExpressionValue,
    ::testing::Values(
        TValueCase{u"\u221A9", 3}, TValueCase{u"\u221A9\u00B2", 9}, TValueCase{u"log 1000", 3},
        TValueCase{u"log 1E15", 14.999999999999998}, TValueCase{u"ln 1", 0},
        TValueCase{u"LOGE(8)", std::log(8)}, TValueCase{u"exp 0", 1},
        TValueCase{u"exp 1", std::exp(1)}, TValueCase{u"LOGXY(2,1)", 0}, TValueCase{u"abs(-3)", 3},
        TValueCase{u"int -2.5", -2}, TValueCase{u"frac -2.5", -0.5}, TValueCase{u"ceil -2.5", -2},
        TValueCase{u"floor -2.5", -3}, TValueCase{u"ceil 2.5", 3}, TValueCase{u"floor 2.5", 2},
        // True ceiling and floor beyond 32 bits
        TValueCase{u"ceil 3000000000", 3000000000},
        TValueCase{u"floor(-3000000000.5)", -3000000001}, TValueCase{u"ceil 1E300", 1E300},
        TValueCase{u"ROUNDOFF(2.5,0)", 3}, TValueCase{u"ROUNDOFF(-2.5,0)", -3},
        TValueCase{u"ROUNDOFF(1234.5,2)", 1200}, TValueCase{u"ROUNDOFF(1234.5,2.9)", 1200},
        // The digit count is not cut to eight bits (256 would read as 0).
        TValueCase{u"ROUNDOFF(123456,256)", 0}, TValueCase{u"ROUNDOFF(1,-1)", 1},
        TValueCase{u"HEX(FF)", 255}, TValueCase{u"HEX(1F)+1", 32}, TValueCase{u"HEX(FFFFFFFF)", -1},
        TValueCase{u"HEX(80000000)", -2147483648.0}, TValueCase{u"HEX(00000000FF)", 255},
        TValueCase{u"HEX FF", 255}, TValueCase{u"2HEX(A)", 20}, TValueCase{u"BIN(1011)", 11},
        TValueCase{u"BIN(11111111111111111111111111111111)", -1},
        TValueCase{u"BIN(0000000000000000000000000000000000000001)", 1}));

INSTANTIATE_TEST_SUITE_P(
    IntegerDivision, ExpressionValue,
    ::testing::Values(
        TValueCase{u"7 DIV 2", 3}, TValueCase{u"-7 DIV 2", -3}, TValueCase{u"7.9 DIV 2.9", 3},
        TValueCase{u"8DIV(3)", 2}, TValueCase{u"7 MOD 3", 1}, TValueCase{u"-7 MOD 3", -1},
        TValueCase{u"7 MOD -3", 1}, TValueCase{u"-2.5 MOD 2", 0}, TValueCase{u"2+7 DIV 2*3", 11},
        // Beyond 64 bits: the true result, never a wrapped one
        TValueCase{u"1E20 DIV 3", 33333333333333333333.0},
        TValueCase{u"-1E20 DIV 3", -33333333333333333333.0}, TValueCase{u"1E20 MOD 3", 1},
        TValueCase{u"-1E20 MOD 7", -2}, TValueCase{u"1E20 DIV 1E20", 1},
        TValueCase{u"5 DIV 1E20", 0}, TValueCase{u"5 MOD 1E20", 5},
        TValueCase{u"9223372036854775807 DIV -1", -9223372036854775808.0},
        TValueCase{u"1E300 DIV 1E300", 1}));

struct TErrorCase {
    std::u16string_view Text;
    TExpressionErrorNumber Error;
    int Index = -1; // -1: not checked
    TAngleType AngleMode = atDeg;
};

void PrintTo(const TErrorCase& errorCase, std::ostream* out) {
    *out << Narrow(errorCase.Text);
}

class ExpressionError : public ::testing::TestWithParam<TErrorCase> {};

TEST_P(ExpressionError, Raises) {
    try {
        const double value = Evaluate(GetParam().Text, GetParam().AngleMode);
        FAIL() << "evaluated to " << value;
    } catch (const EExpressionError& error) {
        EXPECT_EQ(error.ErrorNumber(), GetParam().Error);
        if (GetParam().Index >= 0) {
            EXPECT_EQ(error.ErrorIndex(), GetParam().Index);
        }
        EXPECT_STREQ(error.what(), "Error");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, ExpressionError,
    ::testing::Values(TErrorCase{u"2)", enSyntaxError, 1}, TErrorCase{u"()", enSyntaxError, 1},
                      TErrorCase{u"3+", enSyntaxError, 1}, TErrorCase{u"3*", enSyntaxError, 1},
                      TErrorCase{u"12+34*", enSyntaxError, 5}, TErrorCase{u"1,2", enSyntaxError, 1},
                      TErrorCase{u"(1+2))", enSyntaxError, 5},
                      TErrorCase{u"-(2))", enSyntaxError, 8}, TErrorCase{u"3-", enSyntaxError},
                      TErrorCase{u"3*-", enSyntaxError}, TErrorCase{u"-", enSyntaxError},
                      TErrorCase{u"1E+(2)", enSyntaxError}, TErrorCase{u"1E--5", enSyntaxError},
                      TErrorCase{u"1..2", enSyntaxError}, TErrorCase{u"1.2.3", enSyntaxError},
                      TErrorCase{u".", enSyntaxError}, TErrorCase{u"1E", enSyntaxError},
                      TErrorCase{u"LOGXY(2,(8))", enSyntaxError},
                      TErrorCase{u"HEX(100000000)", enSyntaxError},
                      TErrorCase{u"HEX(1.5)", enSyntaxError}, TErrorCase{u"BIN(12)", enSyntaxError},
                      // A set bit beyond the 32 bits BIN reads is refused like HEX's, not dropped.
                      TErrorCase{u"BIN(100000000000000000000000000000000)", enSyntaxError},
                      TErrorCase{u"2+*3", enSyntaxError}, TErrorCase{u"sin", enSyntaxError}));

INSTANTIATE_TEST_SUITE_P(
    Domain, ExpressionError,
    ::testing::Values(TErrorCase{u"0/0", enNanError}, TErrorCase{u"1/0*0", enNanError},
                      TErrorCase{u"0^0", enNanError}, TErrorCase{u"1E-13^1E-13", enNanError},
                      TErrorCase{u"(-8)^(1/3)", enNanError}, TErrorCase{u"(-1)!", enNanError},
                      TErrorCase{u"2.5!", enNanError}, TErrorCase{u"70!", enNanError},
                      TErrorCase{u"-3!", enNanError}, TErrorCase{u"sin 3E8", enNanError, -1, atRad},
                      TErrorCase{u"cos 2E10", enNanError}, TErrorCase{u"arcsin 2", enNanError},
                      TErrorCase{u"arccos 2", enNanError}, TErrorCase{u"arccosh 0.5", enNanError},
                      TErrorCase{u"arctanh 2", enNanError}, TErrorCase{u"ln -1", enNanError},
                      TErrorCase{u"\u221A-1", enNanError}, TErrorCase{u"LOGXY(1,1)", enNanError},
                      TErrorCase{u"ROUNDOFF(1,-400)", enNanError}));

INSTANTIATE_TEST_SUITE_P(
    Infinity, ExpressionError,
    ::testing::Values(
        TErrorCase{u"1/0", enInfinityError}, TErrorCase{u"1E308*10", enInfinityError},
        TErrorCase{u"1E308+1E308", enInfinityError}, TErrorCase{u"(1E308+1E308)", enInfinityError},
        TErrorCase{u"0^-1", enInfinityError}, TErrorCase{u"tan 90", enInfinityError},
        TErrorCase{u"tan -90", enInfinityError}, TErrorCase{u"tan 270", enInfinityError},
        TErrorCase{u"arctanh 1", enInfinityError}, TErrorCase{u"arctanh -1", enInfinityError},
        TErrorCase{u"sinh 710", enInfinityError}, TErrorCase{u"exp 710", enInfinityError},
        TErrorCase{u"ln 0", enInfinityError}, TErrorCase{u"log 0", enInfinityError},
        TErrorCase{u"LOGXY(1,5)", enInfinityError}, TErrorCase{u"1E400", enInfinityError},
        TErrorCase{u"0.00001E400", enInfinityError}, TErrorCase{u"10^400", enInfinityError},
        TErrorCase{u"1E308*10 DIV 3", enInfinityError}));

// ln(x + sqrt(x^2 + 1)) would cancel to ln 0 for large negative x and overflow for huge x.
TEST(Expression, ArcSinhKeepsItsDigits) {
    EXPECT_NEAR(Evaluate(u"arcsinh(-1E9)"), -21.416413017506358, 1E-14);
    EXPECT_NEAR(Evaluate(u"arcsinh 1E9"), 21.416413017506358, 1E-14);
    EXPECT_NEAR(Evaluate(u"arcsinh 1"), 0.881373587019543, 1E-15);
    EXPECT_NEAR(Evaluate(u"arcsinh 1E200"), 461.2101657793691, 1E-12);
    EXPECT_NEAR(Evaluate(u"arcsinh(-3E-8)") / -3E-8, 1, 1E-15);
}

TEST(Expression, WithoutKeyListIsZeroAndEmptyListIsSyntaxError) {
    TExpression expression;
    EXPECT_EQ(expression.Calc(), 0);
    expression.SetKeyList({});
    EXPECT_THROW(expression.Calc(), EExpressionError);
    EXPECT_EQ(expression.ErrorNumber(), enSyntaxError);
    EXPECT_EQ(expression.ErrorIndex(), 1);
}

TEST(Expression, KeepsCallersListAndCanRunAgain) {
    const TExpressionKeyList keys = ConvertText(u"-(2+3)");
    TExpression expression;
    expression.SetKeyList(keys);
    EXPECT_EQ(expression.KeyList(), keys);
    EXPECT_EQ(expression.NormalizedKeyList().size(), keys.size() + 5);
    EXPECT_EQ(expression.Calc(), -5);
    EXPECT_EQ(expression.Calc(), -5);

    expression.SetKeyList(ConvertText(u"1/0"));
    EXPECT_THROW(expression.Calc(), EExpressionError);
    EXPECT_EQ(expression.ErrorNumber(), enInfinityError);
    expression.SetKeyList(keys);
    EXPECT_EQ(expression.Calc(), -5);
    EXPECT_EQ(expression.ErrorNumber(), enNotError);
    EXPECT_EQ(expression.ErrorIndex(), 0);
}

TEST(Expression, IntegerDivisionWithoutResultIsNotAnExpressionError) {
    for (std::u16string_view text :
         {u"7 DIV 0", u"7 MOD 0", u"5 MOD 0.5", u"1E20 DIV 0.9", u"-9223372036854775808 DIV -1",
          u"-9223372036854775808 MOD -1"}) {
        EXPECT_THROW(Evaluate(text), EIntegerDivisionError) << Narrow(text);
    }
}

// The double nearest to an exact integer (ties to even).
double NearestDouble(const mpz_class& exact) {
    const double truncated = exact.get_d();
    const double away = std::nextafter(truncated, exact < 0 ? -INFINITY : INFINITY);
    const mpz_class belowError = abs(exact - mpz_class(truncated));
    const mpz_class aboveError = abs(mpz_class(away) - exact);
    if (belowError != aboveError) {
        return belowError < aboveError ? truncated : away;
    }
    int exponent = 0;
    const double mantissa = std::ldexp(std::frexp(truncated, &exponent), 53);
    return std::fmod(mantissa, 2) == 0 ? truncated : away;
}

std::u16string NumberText(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return std::u16string(buffer, buffer + std::char_traits<char>::length(buffer));
}

TEST(Expression, WideIntegerDivisionIsExact) {
    const double dividends[] = {1E20,
                                -1E20,
                                9223372036854775808.0,
                                1.2345678901234567E25,
                                std::ldexp(1, 200) + std::ldexp(1, 148),
                                -9.87654321E307,
                                3.4028236692093846E38};
    const double divisors[] = {
        3,    -7, 1E10 + 1, 123456789012345, 9007199254740991, 1E19, -1.5E30, 4.611686018427388E18,
        12345};
    for (double x : dividends) {
        for (double y : divisors) {
            const mpz_class exactX(x);
            const mpz_class exactY(y);
            mpz_class quotient;
            mpz_tdiv_q(quotient.get_mpz_t(), exactX.get_mpz_t(), exactY.get_mpz_t());
            const mpz_class remainder = exactX - quotient * exactY;
            const std::u16string operands = u"(" + NumberText(x) + u")";
            const std::u16string divisor = u"(" + NumberText(y) + u")";
            EXPECT_EQ(Evaluate(operands + u" DIV " + divisor), NearestDouble(quotient))
                << x << " DIV " << y;
            EXPECT_EQ(Evaluate(operands + u" MOD " + divisor), remainder.get_d())
                << x << " MOD " << y;
        }
    }
}

TEST(Expression, KeyListsNoTextProduces) {
    struct TKeyCase {
        const char* Keys;
        double Expected;
    };
    const TKeyCase cases[] = {
        // Sexagesimal numbers
        {"12 deg 30", 12.5},
        {"12 deg 30 deg 45", 12.5125},
        {"12 deg deg 30", 12 + 30.0 / 3600},
        {"12 deg", 12},
        {"deg 30", 0.5},
        {"1 deg 2 deg 3 deg 4", 1 + 2.0 / 60 + 3.0 / 3600},
        {"- 12 deg 30", -11.5},
        {"1.5 deg 30 + 1", 3},
        // The root operator: index, then radicand
        {"2 root 16", std::exp(0.5 * std::log(16))},
        {"3 root 8 + 1", Evaluate(u"8^(1/3)") + 1},
        // Logarithm to a base with a separator
        {"logn 2 , 8", 3},
        // Hexadecimal letters that only HEX reads
        {"hex ( A B C D hexE F )", 0xABCDEF},
        {"hex", 0},
        {"hex ( )", 0},
    };
    for (const TKeyCase& keyCase : cases) {
        EXPECT_EQ(Evaluate(Keys(keyCase.Keys)), keyCase.Expected) << keyCase.Keys;
    }
    for (const char* invalid : {"1 A", "1.2.3 deg 4", "1 deg 2..3", "StoA", "Pol 3 , 4 )"}) {
        EXPECT_THROW(Evaluate(Keys(invalid)), EExpressionError) << invalid;
    }
}

// Literals read to the nearest double, whichever way the reader takes: short ones by one exact
// division, long ones and exponents through the general conversion.
TEST(Expression, LiteralsReadToTheNearestDouble) {
    std::mt19937_64 random(20261211);
    for (int i = 0; i < 20000; ++i) {
        std::string literal = std::to_string(random() % 10'000'000'000'000'000'000ULL);
        literal.resize(1 + random() % literal.size());
        const std::size_t point = random() % (literal.size() + 1);
        if (i % 4 == 0) {
            literal.insert(0, "0.000000");
        } else if (point < literal.size()) {
            literal.insert(point, ".");
        }
        if (i % 5 == 0) {
            literal += "E" + std::to_string(static_cast<int>(random() % 40) - 20);
        }
        const double expected = std::strtod(literal.c_str(), nullptr);
        if (std::fabs(expected) <= 1e-12) {
            continue; // results this close to zero come out as zero
        }
        const std::u16string text(literal.begin(), literal.end());
        ASSERT_EQ(Evaluate(text), expected) << literal;
    }
}

TEST(Expression, HypFlagIsOnlyStored) {
    TExpression expression;
    expression.SetIsHyp(true);
    expression.SetKeyList(ConvertText(u"sin 30"));
    EXPECT_TRUE(expression.IsHyp());
    EXPECT_EQ(expression.Calc(), 0.49999999999999994);
}

} // namespace
} // namespace kalvio

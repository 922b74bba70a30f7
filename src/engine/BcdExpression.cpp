#include "engine/BcdExpression.h"

#include "engine/EngineErrors.h"

#include <array>
#include <cmath>

namespace kalvio {

namespace {

const TBcd& Zero() {
    static const TBcd zero;
    return zero;
}

const TBcd& One() {
    static const TBcd one = IntegerToBcd(1);
    return one;
}

// Pi as the calculator's double, through its text with 15 significant digits: 3.14159265358979.
const TBcd& Pi() {
    static const TBcd pi = DoubleToBcd(3.141592653589793);
    return pi;
}

// DIV and MOD on the operands truncated toward zero to 32-bit integers, in 64-bit arithmetic so
// that -2147483648 DIV -1 gives its true quotient; the remainder has the sign of the dividend.
TBcd IntegerDivision(const TBcd& left, const TBcd& right, bool remainder) {
    const std::int64_t dividend = BcdToInteger(left, true);
    const std::int64_t divisor = BcdToInteger(right, true);
    if (divisor == 0) {
        throw EIntegerDivisionError("Integer division by zero");
    }
    return IntegerToBcd(remainder ? dividend % divisor : dividend / divisor);
}

} // namespace

TBcd TBcdExpression::Calc() {
    if (!HasFormula()) {
        return Zero();
    }
    StartScan();
    FPowerBudget = TBcdPowerBudget();
    NextToken();
    const TBcd result = EvalSum();
    if (Token != ekNewLine) {
        RaiseError(enSyntaxError);
    }
    return result;
}

// An invalid text raises the decimal library's error, not a syntax error.
void TBcdExpression::ReadNumber() {
    Value = StrToBcd(CollectNumberText());
}

// The shared classification: the root operator and degree input have no class of their own
// here and become ekOthers, which no level accepts.
void TBcdExpression::NextToken() {
    NextCommonToken();
}

TBcd TBcdExpression::EvalSum() {
    TBcd value = EvalProduct();
    while (Token == ekOperator1) {
        const TExpressionKey op = Oprt;
        NextToken();
        const TBcd right = EvalProduct();
        value = op == ekAdd ? BcdAdd(value, right) : BcdSubtract(value, right);
    }
    return value;
}

TBcd TBcdExpression::EvalProduct() {
    TBcd value = EvalImplicitProduct();
    while (Token == ekOperator2) {
        const TExpressionKey op = Oprt;
        NextToken();
        const TBcd right = EvalImplicitProduct();
        switch (op) {
        case ekMulti:
            value = BcdMultiply(value, right);
            break;
        case ekDiv:
            value = BcdDivide(value, right);
            break;
        default:
            value = IntegerDivision(value, right, op == ekMod);
            break;
        }
    }
    return value;
}

TBcd TBcdExpression::EvalImplicitProduct() {
    EnterNestingLevel();
    TBcd value = EvalPower();
    for (;;) {
        if (Token == ekOperator3) {
            NextToken();
        } else if (Token <= ekOmissionMulop) {
            break;
        }
        value = BcdMultiply(value, EvalPower());
    }
    LeaveNestingLevel();
    return value;
}

TBcd TBcdExpression::EvalPower() {
    TBcd value = EvalPostfix();
    while (Token == ekOperator4) {
        NextToken();
        value = Power(value, EvalPostfix());
    }
    return value;
}

TBcd TBcdExpression::EvalPostfix() {
    TBcd value = EvalTightProduct();
    while (Token == ekOperator5) {
        const TExpressionKey op = Oprt;
        NextToken();
        switch (op) {
        case ekSquare:
            value = BcdMultiply(value, value);
            break;
        case ekCube:
            value = BcdMultiply(BcdMultiply(value, value), value);
            break;
        case ekReciprocal:
            value = BcdDivide(One(), value);
            break;
        case ekFactorial:
            value = Factorial(value);
            break;
        default: // ekPercent
            value = BcdDivide(value, IntegerToBcd(100));
            break;
        }
    }
    return value;
}

TBcd TBcdExpression::EvalTightProduct() {
    TBcd value = Factor();
    while (Token == ekOperator6) {
        NextToken();
        value = BcdMultiply(value, Factor());
    }
    return value;
}

TBcd TBcdExpression::Factor() {
    TBcd value;
    switch (Token) {
    case ekNumber:
        value = Value;
        NextToken();
        break;
    case ekLParen:
        NextToken();
        value = EvalSum();
        CloseParenthesis();
        break;
    case ekPi:
        value = Pi();
        NextToken();
        break;
    default:
        RaiseError(enSyntaxError);
    }
    return value;
}

// x^y for a whole-number y, by the step-by-step definition (BcdPower). A power that cannot be
// computed (0^0, a fraction or a 32-bit overflow in the exponent, 0 to a negative power) is a
// domain error; a result beyond 64 digits keeps the decimal overflow error.
TBcd TBcdExpression::Power(const TBcd& x, const TBcd& y) {
    const bool xIsZero = BcdIsZero(x);
    if (BcdIsZero(y)) {
        if (xIsZero) {
            RaiseError(enNanError);
        }
        return One();
    }
    const bool yIsPositive = BcdCompare(y, Zero()) > 0;
    if (xIsZero && yIsPositive) {
        return Zero();
    }
    const double exponent = BcdToDouble(y);
    if (std::trunc(exponent) != exponent || xIsZero) {
        RaiseError(enNanError);
    }
    std::int32_t n = 0;
    try {
        n = BcdToInteger(y, false);
    } catch (const EConvertError&) {
        RaiseError(enNanError);
    }
    return BcdPower(x, n, FPowerBudget);
}

// n! = n x (n-1)! for 0 < n <= 69 and 0! = 1, on the decimal value. Beyond 69 fails at once; a
// negative or non-integral n recurses below zero and fails there before any product is formed.
// For an integer the products are 1!, 2!, ..., n!, exact up to 49! (63 digits) and beyond 64
// digits from 50! on, so the results are a table and 50! to 69! the decimal overflow error.
TBcd TBcdExpression::Factorial(const TBcd& x) {
    constexpr int Largest = 69;
    constexpr int LargestHeld = 49;
    static const std::array<TBcd, LargestHeld + 1> factorials = [] {
        std::array<TBcd, LargestHeld + 1> table{};
        table[0] = One();
        for (std::size_t n = 1; n < table.size(); ++n) {
            table[n] = BcdMultiply(IntegerToBcd(static_cast<std::int64_t>(n)), table[n - 1]);
        }
        return table;
    }();
    if (BcdCompare(x, IntegerToBcd(Largest)) > 0) {
        RaiseError(enNanError);
    }
    std::int32_t n = -1;
    try {
        n = BcdToInteger(x, false);
    } catch (const EConvertError&) {
        RaiseError(enNanError);
    }
    if (n < 0) {
        RaiseError(enNanError);
    }
    if (n > LargestHeld) {
        throw EBcdOverflowException("decimal overflow");
    }
    return factorials[static_cast<std::size_t>(n)];
}

} // namespace kalvio

#pragma once

#include "engine/BaseExpression.h"
#include "engine/Bcd.h"
#include "engine/BcdPower.h"

namespace kalvio {

// Evaluates a key list in 64-digit decimal arithmetic with the grammar of TExpression (same
// levels, tokens and implicit multiplication) but far fewer operations: numbers, + - x /, DIV
// and MOD on 32-bit integers, whole-number powers, the postfix square, cube, reciprocal,
// factorial and percent, parentheses and pi. Every function key, the root operator, degree input
// and the coordinate conversions are syntax errors. Quotients keep 10 decimals, cut (BcdDivide).
//
// Failures: EExpressionError for the grammar and the domain errors; the decimal library's
// EBcdException (an invalid number text, a division by zero, negative powers beyond the work
// budget of one evaluation) and EBcdOverflowException (a result beyond 64 digits) pass through
// unchanged; DIV and MOD raise EIntegerDivisionError for a zero divisor and EConvertError for an
// operand outside the 32-bit range.
class TBcdExpression : public TBaseExpression {
public:
    // The value of the key list; 0 when none was set.
    TBcd Calc();

protected:
    void ReadNumber() override;
    void NextToken() override;
    virtual TBcd Factor();

    TBcd EvalSum();
    TBcd EvalProduct();
    TBcd EvalImplicitProduct();
    TBcd EvalPower();
    TBcd EvalPostfix();
    TBcd EvalTightProduct();

    // The number read last by ReadNumber.
    TBcd Value;

private:
    TBcd Power(const TBcd& x, const TBcd& y);
    TBcd Factorial(const TBcd& x);

    // Shared by the powers of one Calc.
    TBcdPowerBudget FPowerBudget;
};

} // namespace kalvio

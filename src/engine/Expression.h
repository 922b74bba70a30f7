#pragma once

#include "engine/AngleType.h"
#include "engine/BaseExpression.h"

#include <string>

namespace kalvio {

// Evaluates a key list in IEEE double arithmetic. Infinities and NaNs are allowed to arise and
// are turned into enInfinityError / enNanError at the end of every grammar level and of every
// primary; an integer quotient or remainder by zero throws EIntegerDivisionError.
//
// Grammar, loosest first (all binary levels left-associative):
//   EvalSum             EvalProduct { (+|-) EvalProduct }
//   EvalProduct         EvalImplicitProduct { (x|/|DIV|MOD) EvalImplicitProduct }
//   EvalImplicitProduct EvalPower { [ekMultiPriority1] EvalPower }  (juxtaposition before "(",
//                       a function, a variable or a register)
//   EvalPower           EvalPostfix { ^ EvalPostfix }
//   EvalPostfix         EvalTightProduct { postfix | root EvalTightProduct }
//   EvalTightProduct    Factor { ekMultiPriority2 Factor }
// A function takes one EvalImplicitProduct as its argument, so sin 30+1 is sin(30)+1 and
// sin(30)^2 is sin(900).
class TExpression : public TBaseExpression {
public:
    TAngleType AngleMode() const { return FAngleMode; }
    void SetAngleMode(TAngleType AAngleMode) { FAngleMode = AAngleMode; }
    // Kept for the keypad's hyp latch; evaluation does not read it.
    bool IsHyp() const { return FIsHyp; }
    void SetIsHyp(bool AIsHyp) { FIsHyp = AIsHyp; }

    // The value of the key list; 0 when none was set. Magnitudes up to 1E-12 come out as 0.
    // Throws EExpressionError, or EIntegerDivisionError for DIV/MOD without a valid result.
    double Calc();

protected:
    void ReadNumber() override;
    void NextToken() override;
    virtual double Factor();

    double EvalSum();
    double EvalProduct();
    double EvalImplicitProduct();
    double EvalPower();
    double EvalPostfix();
    double EvalTightProduct();

    // Raises enNanError for a NaN and enInfinityError for an infinity; returns the value.
    double CheckValue(double value);

    // The number read last by ReadNumber.
    double Value = 0;

private:
    double ReadDms(const std::u16string& First);
    double ReadHexOrBinNumber(bool isHex);
    double FunctionValue(TExpressionKey function);
    double EvalTrig(TExpressionKey function, double x);
    double TextToNumber(const std::u16string& text);
    double Factorial(double x);

    TAngleType FAngleMode = atDeg;
    bool FIsHyp = false;
};

} // namespace kalvio

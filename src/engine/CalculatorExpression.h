#pragma once

#include "engine/Expression.h"
#include "engine/VariableDictionary.h"

#include <cstdint>

namespace kalvio {

// The double evaluator the calculator uses: TExpression plus the registers (Ans, PreAns, M, GT,
// X, Y, the two counters), named variables and the coordinate conversions "Pol(" and "Rec(".
// The registers are loaded before Calc and read back after it; only Pol( and Rec( change them
// (X and Y) during an evaluation.
class TCalculatorExpression : public TExpression {
public:
    double LastValue() const { return FLastValue; }
    void SetLastValue(double AValue) { FLastValue = AValue; }
    double PreLastValue() const { return FPreLastValue; }
    void SetPreLastValue(double AValue) { FPreLastValue = AValue; }
    double VarM() const { return FVarM; }
    void SetVarM(double AValue) { FVarM = AValue; }
    double VarGT() const { return FVarGT; }
    void SetVarGT(double AValue) { FVarGT = AValue; }
    std::int32_t VarMCount() const { return FVarMCount; }
    void SetVarMCount(std::int32_t AValue) { FVarMCount = AValue; }
    std::int32_t VarGTCount() const { return FVarGTCount; }
    void SetVarGTCount(std::int32_t AValue) { FVarGTCount = AValue; }
    double VarX() const { return FVarX; }
    void SetVarX(double AValue) { FVarX = AValue; }
    double VarY() const { return FVarY; }
    void SetVarY(double AValue) { FVarY = AValue; }

    // Needed whenever the key list may refer to a variable; not owned. A reference to a number
    // the dictionary does not hold (or without a dictionary) throws EVariableNotFound.
    void SetVariableDictionary(const TVariableDictionary& ADictionary) {
        FVariableDictionary = &ADictionary;
    }

protected:
    void NextToken() override;
    double Factor() override;

private:
    double ReadVariable();
    // "Pol(" x, y [")"] or "Rec(" r, theta [")"]; the conversion must end the expression.
    double ReadCoordinateConversion(TExpressionKey conversion);

    double FLastValue = 0;
    double FVarM = 0;
    double FVarGT = 0;
    double FPreLastValue = 0;
    std::int32_t FVarMCount = 0;
    std::int32_t FVarGTCount = 0;
    double FVarX = 0;
    double FVarY = 0;
    const TVariableDictionary* FVariableDictionary = nullptr;
};

} // namespace kalvio

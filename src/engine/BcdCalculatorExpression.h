#pragma once

#include "engine/BcdExpression.h"
#include "engine/VariableDictionary.h"

#include <cstdint>

namespace kalvio {

// The decimal evaluator the calculator uses in BigDecimal mode: TBcdExpression plus the
// registers (Ans, PreAns, M, GT, X, Y, the two counters) and the named variables, all in decimal
// form. There are no coordinate conversions: "Pol(" and "Rec(" are syntax errors, so an
// evaluation never changes a register. A register or variable holding a value that cannot be
// read (BcdIsValid false) fails with EBcdException when it is used.
class TBcdCalculatorExpression : public TBcdExpression {
public:
    const TBcd& LastValue() const { return FLastValue; }
    void SetLastValue(const TBcd& AValue) { FLastValue = AValue; }
    const TBcd& VarM() const { return FVarM; }
    void SetVarM(const TBcd& AValue) { FVarM = AValue; }
    const TBcd& VarGT() const { return FVarGT; }
    void SetVarGT(const TBcd& AValue) { FVarGT = AValue; }
    const TBcd& PreLastValue() const { return FPreLastValue; }
    void SetPreLastValue(const TBcd& AValue) { FPreLastValue = AValue; }
    std::int32_t VarMCount() const { return FVarMCount; }
    void SetVarMCount(std::int32_t AValue) { FVarMCount = AValue; }
    std::int32_t VarGTCount() const { return FVarGTCount; }
    void SetVarGTCount(std::int32_t AValue) { FVarGTCount = AValue; }
    const TBcd& VarX() const { return FVarX; }
    void SetVarX(const TBcd& AValue) { FVarX = AValue; }
    const TBcd& VarY() const { return FVarY; }
    void SetVarY(const TBcd& AValue) { FVarY = AValue; }

    // Needed whenever the key list may refer to a variable; not owned. A reference to a number
    // the dictionary does not hold (or without a dictionary) throws EVariableNotFound. The
    // variable's decimal value is used, never its double.
    void SetVariableDictionary(const TVariableDictionary& ADictionary) {
        FVariableDictionary = &ADictionary;
    }

protected:
    void NextToken() override;
    TBcd Factor() override;

private:
    TBcd ReadVariable();

    TBcd FLastValue;
    TBcd FVarM;
    TBcd FVarGT;
    TBcd FPreLastValue;
    std::int32_t FVarMCount = 0;
    std::int32_t FVarGTCount = 0;
    TBcd FVarX;
    TBcd FVarY;
    const TVariableDictionary* FVariableDictionary = nullptr;
};

} // namespace kalvio

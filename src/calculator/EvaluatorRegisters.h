#pragma once

#include "calculator/CalculatorRegisters.h"
#include "engine/AngleType.h"
#include "engine/ExpressionKey.h"
#include "engine/VariableDictionary.h"

#include <stdexcept>

namespace kalvio {

class TCalculatorExpression;
class TBcdCalculatorExpression;

// A decimal evaluation was to use a register or variable whose decimal form could not be held.
class EInvalidBcdOperand : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Loads the registers into a fresh evaluator. The decimal one first checks that every register
// and variable the key list reads has a decimal form (EInvalidBcdOperand otherwise).
void LoadRegisters(TCalculatorExpression& evaluator, const TCalculatorRegisters& registers,
                   TAngleType angleMode);
void LoadRegisters(TBcdCalculatorExpression& evaluator, const TCalculatorRegisters& registers,
                   const TExpressionKeyList& keyList, const TVariableDictionary& variables);

// The registers as the evaluator left them: Ans is its LastValue (the answer before this
// evaluation), then M, GT, the mode's X and Y and the counters. A value handed back unchanged
// keeps the pair it came from, so no digits of its other form are lost.
TCalculatorRegisters ReadRegisters(const TCalculatorExpression& evaluator,
                                   const TCalculatorRegisters& loaded);
TCalculatorRegisters ReadRegisters(const TBcdCalculatorExpression& evaluator,
                                   const TCalculatorRegisters& loaded);

} // namespace kalvio

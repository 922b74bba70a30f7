#include "calculator/EvaluatorRegisters.h"

#include "engine/BcdCalculatorExpression.h"
#include "engine/CalculatorExpression.h"

#include <cstddef>
#include <cstdint>

namespace kalvio {
namespace {

bool IsDigitKey(TExpressionKey key) {
    return key >= ek0 && key <= ek9;
}

// The number of the variable whose reference starts at `index` (ekVariable "(" digits ")").
std::int32_t VariableNumberAt(const TExpressionKeyList& keyList, std::size_t index) {
    std::int64_t number = 0;
    for (std::size_t i = index + 2; i < keyList.size() && IsDigitKey(keyList[i]); ++i) {
        number = number * 10 + (keyList[i] - ek0);
        if (number > INT32_MAX) {
            return -1;
        }
    }
    return static_cast<std::int32_t>(number);
}

bool HasBcdForm(TExpressionKey key, const TCalculatorRegisters& registers) {
    switch (key) {
    case ekAns:
        return registers.Ans.IsBcdValid;
    case ekPreAns:
        return registers.PreAns.IsBcdValid;
    case ekVarM:
        return registers.VarM.IsBcdValid;
    case ekVarGT:
        return registers.VarGT.IsBcdValid;
    default:
        return true;
    }
}

void CheckBcdOperands(const TExpressionKeyList& keyList, const TCalculatorRegisters& registers,
                      const TVariableDictionary& variables) {
    for (std::size_t i = 0; i < keyList.size(); ++i) {
        bool isValid = HasBcdForm(keyList[i], registers);
        if (keyList[i] == ekVariable) {
            const std::int32_t number = VariableNumberAt(keyList, i);
            // A number the dictionary does not hold fails in the evaluator itself.
            try {
                isValid = IsStoredBcdValid(variables.GetValueItems(number),
                                           variables.GetBcdValueItems(number));
            } catch (const EVariableNotFound&) {
            }
        }
        if (!isValid) {
            throw EInvalidBcdOperand("a value without a decimal form");
        }
    }
}

} // namespace

void LoadRegisters(TCalculatorExpression& evaluator, const TCalculatorRegisters& registers,
                   TAngleType angleMode) {
    evaluator.SetVarM(registers.VarM.Value);
    evaluator.SetVarX(registers.VarX);
    evaluator.SetVarY(registers.VarY);
    evaluator.SetVarGT(registers.VarGT.Value);
    evaluator.SetVarMCount(registers.VarMCount);
    evaluator.SetVarGTCount(registers.VarGTCount);
    evaluator.SetLastValue(registers.Ans.Value);
    evaluator.SetPreLastValue(registers.PreAns.Value);
    evaluator.SetAngleMode(angleMode);
}

void LoadRegisters(TBcdCalculatorExpression& evaluator, const TCalculatorRegisters& registers,
                   const TExpressionKeyList& keyList, const TVariableDictionary& variables) {
    CheckBcdOperands(keyList, registers, variables);
    evaluator.SetVarM(registers.VarM.BcdValue);
    evaluator.SetVarX(registers.BcdVarX);
    evaluator.SetVarY(registers.BcdVarY);
    evaluator.SetVarGT(registers.VarGT.BcdValue);
    evaluator.SetVarMCount(registers.VarMCount);
    evaluator.SetVarGTCount(registers.VarGTCount);
    evaluator.SetLastValue(registers.Ans.BcdValue);
    evaluator.SetPreLastValue(registers.PreAns.BcdValue);
}

TCalculatorRegisters ReadRegisters(const TCalculatorExpression& evaluator,
                                   const TCalculatorRegisters& loaded) {
    TCalculatorRegisters state = loaded;
    state.Ans = KeepOrFromDouble(loaded.Ans, evaluator.LastValue());
    state.VarM = KeepOrFromDouble(loaded.VarM, evaluator.VarM());
    state.VarGT = KeepOrFromDouble(loaded.VarGT, evaluator.VarGT());
    state.VarX = evaluator.VarX();
    state.VarY = evaluator.VarY();
    state.VarMCount = evaluator.VarMCount();
    state.VarGTCount = evaluator.VarGTCount();
    return state;
}

TCalculatorRegisters ReadRegisters(const TBcdCalculatorExpression& evaluator,
                                   const TCalculatorRegisters& loaded) {
    TCalculatorRegisters state = loaded;
    state.Ans = KeepOrFromBcd(loaded.Ans, evaluator.LastValue());
    state.VarM = KeepOrFromBcd(loaded.VarM, evaluator.VarM());
    state.VarGT = KeepOrFromBcd(loaded.VarGT, evaluator.VarGT());
    state.BcdVarX = evaluator.VarX();
    state.BcdVarY = evaluator.VarY();
    state.VarMCount = evaluator.VarMCount();
    state.VarGTCount = evaluator.VarGTCount();
    return state;
}

} // namespace kalvio

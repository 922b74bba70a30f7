#include "calculator/RealTimeCalculation.h"

#include "calculator/EvaluatorRegisters.h"
#include "engine/BcdCalculatorExpression.h"
#include "engine/CalculatorExpression.h"
#include "engine/ExpressionTextConvert.h"
#include "engine/MojiConvert.h"

#include <exception>
#include <utility>

namespace kalvio {
namespace {

// The variables the converter can reach from this text: a name it looks up is a part of the
// normalised text, so every other variable can be left out of the copy.
TVariableDictionary ReachableVariables(std::u16string_view text,
                                       const TVariableDictionary& variables) {
    TVariableDictionary reachable;
    if (variables.Count() == 0) {
        return reachable;
    }
    const std::u16string normalised =
        ToHalfWidthUpper(NormalizeOperatorChars(std::u16string(text)));
    for (const std::u16string& name : variables.NameList()) {
        if (normalised.find(name) == std::u16string::npos) {
            continue;
        }
        const std::int32_t number = variables.GetNumberItems(name);
        reachable.AddOrSetValue(name, variables.GetValueItems(number),
                                variables.GetBcdValueItems(number));
    }
    return reachable;
}

TDualValue Evaluate(const TRealTimeSnapshot& snapshot, const TExpressionKeyList& keyList) {
    if (snapshot.IsBigDecimal) {
        TBcdCalculatorExpression evaluator;
        evaluator.SetKeyList(keyList);
        evaluator.SetVariableDictionary(snapshot.Variables);
        LoadRegisters(evaluator, snapshot.Registers, keyList, snapshot.Variables);
        return TDualValue::FromBcd(evaluator.Calc());
    }
    TCalculatorExpression evaluator;
    evaluator.SetKeyList(keyList);
    evaluator.SetVariableDictionary(snapshot.Variables);
    LoadRegisters(evaluator, snapshot.Registers, snapshot.AngleMode);
    return TDualValue::FromDouble(evaluator.Calc());
}

} // namespace

TRealTimeSnapshot MakeRealTimeSnapshot(std::u16string text, const TCalculatorRegisters& registers,
                                       TAngleType angleMode, bool isBigDecimal,
                                       const TVariableDictionary& variables) {
    TRealTimeSnapshot snapshot;
    snapshot.Variables = ReachableVariables(text, variables);
    snapshot.Text = std::move(text);
    snapshot.Registers = registers;
    snapshot.AngleMode = angleMode;
    snapshot.IsBigDecimal = isBigDecimal;
    return snapshot;
}

std::optional<TDualValue> EvaluateRealTime(const TRealTimeSnapshot& snapshot) {
    if (snapshot.Text.empty()) {
        return TDualValue{};
    }
    TExpressionTextConvert converter(snapshot.Variables);
    if (!converter.Convert(snapshot.Text)) {
        return std::nullopt;
    }
    try {
        return Evaluate(snapshot, converter.KeyList());
    } catch (const std::exception&) {
        // A failing text leaves the display as it is.
        return std::nullopt;
    }
}

TRealTimeCalculation::TRealTimeCalculation(TTaskExecutor& executor, TShowValue showValue)
    : FExecutor(executor), FShowValue(std::move(showValue)),
      FAliveToken(std::make_shared<TRealTimeCalculation*>(this)) {}

void TRealTimeCalculation::Request(TRealTimeSnapshot snapshot) {
    const std::uint64_t request = ++FLatestRequest;
    std::weak_ptr<TRealTimeCalculation*> token = FAliveToken;
    TTaskExecutor& executor = FExecutor;
    FExecutor.RunInBackground(
        [snapshot = std::move(snapshot), request, token = std::move(token), &executor] {
            std::optional<TDualValue> value = EvaluateRealTime(snapshot);
            executor.PostToOwner([value = std::move(value), request, token] {
                if (const auto alive = token.lock()) {
                    (*alive)->Deliver(request, value);
                }
            });
        });
}

void TRealTimeCalculation::CancelPending() {
    FCancelledUpTo = FLatestRequest;
}

void TRealTimeCalculation::Deliver(std::uint64_t request, const std::optional<TDualValue>& value) {
    if (request != FLatestRequest || request <= FCancelledUpTo || !value) {
        return;
    }
    FShowValue(*value);
}

} // namespace kalvio

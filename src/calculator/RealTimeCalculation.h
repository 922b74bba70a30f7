#pragma once

#include "calculator/CalculatorRegisters.h"
#include "calculator/DualValue.h"
#include "calculator/TaskExecutor.h"
#include "engine/AngleType.h"
#include "engine/VariableDictionary.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kalvio {

// Everything one real-time evaluation reads, copied on the owner thread: the field text, the
// registers, the modes and the variables whose names occur in the text.
struct TRealTimeSnapshot {
    std::u16string Text;
    TCalculatorRegisters Registers;
    TAngleType AngleMode = atDeg;
    bool IsBigDecimal = false;
    TVariableDictionary Variables;
};

TRealTimeSnapshot MakeRealTimeSnapshot(std::u16string text, const TCalculatorRegisters& registers,
                                       TAngleType angleMode, bool isBigDecimal,
                                       const TVariableDictionary& variables);

// The value to show for a snapshot: 0 for an empty text, nothing when the text does not convert
// or its evaluation fails.
std::optional<TDualValue> EvaluateRealTime(const TRealTimeSnapshot& snapshot);

// Runs real-time evaluations on the executor and shows only the value of the newest request, and
// none of the requests made before the last CancelPending (Enter).
class TRealTimeCalculation {
public:
    using TShowValue = std::function<void(const TDualValue&)>;

    TRealTimeCalculation(TTaskExecutor& executor, TShowValue showValue);
    TRealTimeCalculation(const TRealTimeCalculation&) = delete;
    TRealTimeCalculation& operator=(const TRealTimeCalculation&) = delete;

    void Request(TRealTimeSnapshot snapshot);
    void CancelPending();
    std::uint64_t LatestRequest() const { return FLatestRequest; }

private:
    void Deliver(std::uint64_t request, const std::optional<TDualValue>& value);

    TTaskExecutor& FExecutor;
    TShowValue FShowValue;
    std::uint64_t FLatestRequest = 0;
    std::uint64_t FCancelledUpTo = 0;
    // Deliveries still queued when this object is gone find the token expired.
    std::shared_ptr<TRealTimeCalculation*> FAliveToken;
};

} // namespace kalvio

#pragma once

#include "display/ResultViewType.h"
#include "engine/AngleType.h"
#include "engine/Bcd.h"

#include <cstdint>
#include <string>

namespace kalvio {

// One calculation of the history: the text, its result and registers in both number forms, and
// the modes in force, so the result can be shown again exactly as it was and a recalled entry
// brings its modes back. The double and decimal forms are independent: whoever fills an entry
// fills both.
struct TExpressionHistory {
    double Ans = 0; // the previous answer, as the evaluator saw it
    double PreAns = 0;
    double Value = 0;
    double VarM = 0;
    double VarGT = 0; // before this result was added to GT
    TBcd BcdAns{};
    TBcd BcdPreAns{};
    TBcd BcdValue{};
    TBcd BcdVarM{};
    TBcd BcdVarGT{};
    TAngleType AngleMode = atDeg;
    TResultViewType ViewMode = vtNormal;
    std::int32_t DigitNumber = 0;
    bool IsGroupingSeparator = false;
    std::u16string ExpressionText;

    // Resets every field to the state of a new entry; the entry stays in its list.
    void Clear();
};

} // namespace kalvio

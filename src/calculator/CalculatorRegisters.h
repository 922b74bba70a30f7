#pragma once

#include "calculator/DualValue.h"
#include "engine/Bcd.h"

#include <cstdint>

namespace kalvio {

// The calculator registers. Ans, PreAns, M and GT are kept in both number forms; X and Y exist
// once per arithmetic mode, each changed only by evaluations in its own mode. The counters are
// shared.
struct TCalculatorRegisters {
    TDualValue Ans;
    TDualValue PreAns;
    TDualValue VarM;
    TDualValue VarGT;
    double VarX = 0;
    double VarY = 0;
    TBcd BcdVarX{};
    TBcd BcdVarY{};
    std::int32_t VarMCount = 0;
    std::int32_t VarGTCount = 0;
};

} // namespace kalvio

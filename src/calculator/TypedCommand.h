#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kalvio {

enum TTypedCommandKind : std::uint8_t {
    tcRefused,
    tcNoEffect, // an unknown text of seven or more characters
    tcNormal,
    tcDms,
    tcHex,
    tcBin,
    tcDeg,
    tcRad,
    tcGrad,
    tcMemoryClear,
    tcMemoryPlus,
    tcMemoryMinus,
    tcGrouping,
    tcTopMost,
    tcHistoryClear,
    tcVariableClear,
    tcCalc,
    tcFix,
    tcSci,
    tcEng,
};

// A typed command read from the field: its kind, the digit count of Fix and Sci, the exponent
// shift of Eng, the expression of "@CALC:".
struct TTypedCommand {
    TTypedCommandKind Kind = tcRefused;
    int Number = 0;
    std::u16string CalcExpression;
};

// Reads a field text that starts with "@", already normalised (half-width, upper case).
TTypedCommand ParseTypedCommand(std::u16string_view text);

} // namespace kalvio

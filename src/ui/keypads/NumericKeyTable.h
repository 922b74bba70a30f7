#pragma once

#include "engine/ExpressionKey.h"

#include <cstdint>
#include <span>

namespace kalvio {

// What a numeric key sends to the calculator.
enum TNumericKeyPress : std::uint8_t {
    npKey,      // PushKey(Key)
    npOperator, // PushOperatorKey(Key): continues from the last answer
    npCommand,  // PushCommandKey(Command)
    npAns,      // PushKey(ekAns), or ekPreAns while the shift latch is on
};

struct TNumericKeyEntry {
    const char* Name;
    const char16_t* Caption;
    int Row;
    int Column;
    int ColumnSpan;
    const char* StyleName;
    int FontSize;
    TNumericKeyPress Press;
    TExpressionKey Key;
    TCommandKey Command;
};

// The nineteen keys of the numeric keypad, in their declared order.
std::span<const TNumericKeyEntry> NumericKeyTable();

} // namespace kalvio

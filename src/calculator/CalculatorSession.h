#pragma once

#include "calculator/Calculator.h"
#include "calculator/MemoryCalculatorEvents.h"
#include "calculator/MemoryExpressionField.h"
#include "calculator/MemoryResultDisplay.h"
#include "calculator/ThreadTaskExecutor.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kalvio {

// A calculator with in-memory field, display and window, driven like the window: typed characters
// pass the field's key handler before the field applies them, other keys go to the field's and
// then to the window's handler. Serves the command line and the tests.
class TCalculatorSession {
public:
    TCalculatorSession();
    TCalculatorSession(const TCalculatorSession&) = delete;
    TCalculatorSession& operator=(const TCalculatorSession&) = delete;

    // Types every character of `text` (a character outside the BMP as one key).
    void Type(std::u16string_view text);
    // A key without a character (Enter, Escape, the arrows, Home, End, Backspace, Delete).
    void PressKey(std::uint16_t key);
    // Types `text`, presses Enter and returns what the result display shows then.
    std::u16string Enter(std::u16string_view text = {});

    TMemoryExpressionField Field;
    TMemoryResultDisplay Display;
    TMemoryCalculatorEvents Events;
    TThreadTaskExecutor Executor;
    TCalculator Calculator;
};

} // namespace kalvio

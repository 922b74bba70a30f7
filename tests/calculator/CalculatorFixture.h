#pragma once

#include "calculator/CalculatorSession.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace kalvio {

// A calculator driven as the window drives it, with what the window would show.
class CalculatorTest : public ::testing::Test {
protected:
    std::u16string Enter(std::u16string_view text = {}) { return Session.Enter(text); }
    void Type(std::u16string_view text) { Session.Type(text); }
    void Press(std::uint16_t key) { Session.PressKey(key); }
    std::u16string Shown() { return Session.Display.ShownText(); }
    std::u16string FieldText() const { return Session.Field.Text(); }
    const TCalculatorRegisters& Registers() const { return Calc.Registers(); }
    const std::deque<TExpressionHistory>& History() { return Calc.ExpressionHistorys(); }
    bool IsWholeTextSelected() const {
        return Session.Field.SelectionStart() == 0 &&
               Session.Field.SelectionLength() == static_cast<int>(FieldText().size());
    }
    void SetHistoryLimit(int count) {
        Calc.AppData().HistoryCount = count;
        Calc.ApplyHistoryLimit();
    }

    TCalculatorSession Session;
    TCalculator& Calc = Session.Calculator;
    TMemoryCalculatorEvents& Events = Session.Events;
};

} // namespace kalvio

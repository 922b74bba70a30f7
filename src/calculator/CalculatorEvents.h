#pragma once

#include <string>

namespace kalvio {

// What the calculator tells the window to draw. Every notification has a do-nothing default, so
// a front end implements only what it shows.
class TCalculatorEvents {
public:
    virtual ~TCalculatorEvents() = default;

    // The memory button: shown from the first memory operation on, captioned "M=" and the value;
    // hidden and captioned "M" again after a memory clear.
    virtual void MemoryButtonChanged(bool /*isVisible*/, const std::u16string& /*caption*/) {}
    // "Deg", "Rad" or "Grad".
    virtual void AngleButtonChanged(const std::u16string& /*caption*/) {}
    // "Norm", "Fix3", "Sci5", "Eng-3", "Dms", "Hex" or "Bin".
    virtual void ResultModeButtonChanged(const std::u16string& /*caption*/) {}
    // The "CALC" label.
    virtual void CalcLabelChanged(bool /*isVisible*/) {}
    // Decimal mode switched: the "BCD" label, the check mark of its action, both panels.
    virtual void BigDecimalModeChanged(bool /*isBigDecimal*/) {}
    // The check mark of the digit grouping entry.
    virtual void DigitGroupingChanged(bool /*isOn*/) {}
    // The stay-on-top style is to toggle (typed command "@TOPMOST").
    virtual void TopMostToggleRequested() {}
    // The history list changed: the history panel rebuilds its rows.
    virtual void HistoryChanged() {}
    // The history panel shows this row (0 = the newest entry) as its only selected row.
    virtual void HistoryRowSelected(int /*row*/) {}
    // Registers or variables changed: the variable panel rebuilds its rows.
    virtual void VariablesChanged() {}
    // The shift latch: the numeric keypad's Ans key and the function keypad's captions.
    virtual void ShiftChanged(bool /*isOn*/) {}
    // The function keypad redraws its captions (its hyp latch changed).
    virtual void FunctionKeysRefreshRequested() {}
    // The saved expressions changed; `show` asks for their window to be shown.
    virtual void ExpressionRecordsChanged(bool /*show*/) {}
    // The display digit counts changed (settings): the panels reformat their values.
    virtual void SignificantDigitsChanged() {}
};

} // namespace kalvio

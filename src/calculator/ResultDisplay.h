#pragma once

#include "display/CalcResultViewer.h"
#include "display/ResultViewType.h"
#include "engine/Bcd.h"

#include <string>

namespace kalvio {

// The result display as the calculator drives it: the value formatter with its settings, and
// showing a value, an error word or a free text. Showing something and switching decimal mode
// redraw; after changing other settings the calculator calls Repaint. A display differs only in
// how it redraws.
class TResultDisplay {
public:
    virtual ~TResultDisplay() = default;

    // Redraws what the formatter gives now.
    virtual void Repaint() = 0;

    // Shows the value (both forms; decimal mode formats bcdValue).
    void ShowValue(double value, const TBcd& bcdValue) {
        FViewer.SetBcdValue(bcdValue);
        FViewer.SetValue(value);
        Repaint();
    }
    void ShowError(const std::u16string& message) {
        FViewer.Error(message);
        Repaint();
    }
    void ShowText(const std::u16string& text) {
        FViewer.SetText(text);
        Repaint();
    }
    void SetIsBigDecimal(bool isBigDecimal) {
        FViewer.SetIsBigDecimal(isBigDecimal);
        Repaint();
    }
    // The value formatted as shown in the value state, also while an error is on show.
    std::u16string ValueText() { return FViewer.ValueText(); }

    TResultViewType ViewMode() const { return FViewer.ViewMode(); }
    void SetViewMode(TResultViewType viewMode) { FViewer.SetViewMode(viewMode); }
    int DigitNumber() const { return FViewer.DigitNumber(); }
    void SetDigitNumber(int digitNumber) { FViewer.SetDigitNumber(digitNumber); }
    bool IsGroupingSeparator() const { return FViewer.IsGroupingSeparator(); }
    void SetIsGroupingSeparator(bool isGrouping) { FViewer.SetIsGroupingSeparator(isGrouping); }
    int Eng() const { return FViewer.Eng(); }
    void SetEng(int eng) { FViewer.SetEng(eng); }
    int SignificantDigits() const { return FViewer.SignificantDigits(); }
    void SetSignificantDigits(int digits) { FViewer.SetSignificantDigits(digits); }
    void SetBcdSignificantDigits(int digits) { FViewer.SetBcdSignificantDigits(digits); }

    TCalcResultViewer& Viewer() { return FViewer; }
    const TCalcResultViewer& Viewer() const { return FViewer; }

private:
    TCalcResultViewer FViewer;
};

} // namespace kalvio

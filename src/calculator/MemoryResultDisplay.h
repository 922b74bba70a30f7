#pragma once

#include "calculator/ResultDisplay.h"
#include "display/CalcResultViewer.h"

#include <string>

namespace kalvio {

// The result display without a window: the value formatter itself, for the command line and the
// tests. ShownText is what a window would draw.
class TMemoryResultDisplay : public TResultDisplay {
public:
    void ShowValue(double value, const TBcd& bcdValue) override {
        FViewer.SetBcdValue(bcdValue);
        FViewer.SetValue(value);
    }
    void ShowError(const std::u16string& message) override { FViewer.Error(message); }
    void ShowText(const std::u16string& text) override { FViewer.SetText(text); }
    std::u16string ValueText() override { return FViewer.ValueText(); }
    void Repaint() override {}

    TResultViewType ViewMode() const override { return FViewer.ViewMode(); }
    void SetViewMode(TResultViewType viewMode) override { FViewer.SetViewMode(viewMode); }
    int DigitNumber() const override { return FViewer.DigitNumber(); }
    void SetDigitNumber(int digitNumber) override { FViewer.SetDigitNumber(digitNumber); }
    bool IsGroupingSeparator() const override { return FViewer.IsGroupingSeparator(); }
    void SetIsGroupingSeparator(bool isGrouping) override {
        FViewer.SetIsGroupingSeparator(isGrouping);
    }
    int Eng() const override { return FViewer.Eng(); }
    void SetEng(int eng) override { FViewer.SetEng(eng); }
    void SetIsBigDecimal(bool isBigDecimal) override { FViewer.SetIsBigDecimal(isBigDecimal); }
    int SignificantDigits() const override { return FViewer.SignificantDigits(); }
    void SetSignificantDigits(int digits) override { FViewer.SetSignificantDigits(digits); }
    void SetBcdSignificantDigits(int digits) override { FViewer.SetBcdSignificantDigits(digits); }

    // The value text, the error message or the free text, as the display is drawn.
    std::u16string ShownText() { return FViewer.DisplayText(); }
    TCalcResultViewer& Viewer() { return FViewer; }

private:
    TCalcResultViewer FViewer;
};

} // namespace kalvio

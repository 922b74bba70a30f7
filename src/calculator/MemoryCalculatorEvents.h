#pragma once

#include "calculator/CalculatorEvents.h"

#include <string>

namespace kalvio {

// Keeps what a window would show, for the tests and the command line.
class TMemoryCalculatorEvents : public TCalculatorEvents {
public:
    void MemoryButtonChanged(bool isVisible, const std::u16string& caption) override {
        IsMemoryButtonVisible = isVisible;
        MemoryButtonCaption = caption;
    }
    void AngleButtonChanged(const std::u16string& caption) override { AngleCaption = caption; }
    void ResultModeButtonChanged(const std::u16string& caption) override {
        ResultModeCaption = caption;
    }
    void CalcLabelChanged(bool isVisible) override { IsCalcLabelVisible = isVisible; }
    void BigDecimalModeChanged(bool isBigDecimal) override { IsBcdLabelVisible = isBigDecimal; }
    void DigitGroupingChanged(bool isOn) override { IsDigitGroupingChecked = isOn; }
    void TopMostToggleRequested() override { IsTopMost = !IsTopMost; }
    void HistoryChanged() override { ++HistoryRefreshCount; }
    void HistoryRowSelected(int row) override { SelectedHistoryRow = row; }
    void VariablesChanged() override { ++VariableRefreshCount; }
    void ShiftChanged(bool isOn) override { IsShiftOn = isOn; }
    void FunctionKeysRefreshRequested() override { ++FunctionKeysRefreshCount; }
    void ExpressionRecordsChanged(bool show) override {
        ++ExpressionRecordRefreshCount;
        IsExpressionRecordWindowShown = IsExpressionRecordWindowShown || show;
    }
    void SignificantDigitsChanged() override { ++SignificantDigitsChangeCount; }

    bool IsMemoryButtonVisible = false;
    std::u16string MemoryButtonCaption = u"M";
    std::u16string AngleCaption = u"Deg";
    std::u16string ResultModeCaption = u"Norm";
    bool IsCalcLabelVisible = false;
    bool IsBcdLabelVisible = false;
    bool IsDigitGroupingChecked = false;
    bool IsTopMost = false;
    bool IsShiftOn = false;
    bool IsExpressionRecordWindowShown = false;
    int SelectedHistoryRow = -1;
    int HistoryRefreshCount = 0;
    int VariableRefreshCount = 0;
    int FunctionKeysRefreshCount = 0;
    int ExpressionRecordRefreshCount = 0;
    int SignificantDigitsChangeCount = 0;
};

} // namespace kalvio

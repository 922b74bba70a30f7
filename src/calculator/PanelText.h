#pragma once

#include "engine/Bcd.h"
#include "state/ExpressionHistory.h"

#include <string>
#include <string_view>
#include <vector>

namespace kalvio {

// How the list panels format values: the arithmetic mode and the display digits of both modes.
struct TPanelNumberFormat {
    bool IsBigDecimal = false;
    int SignificantDigits = 10;
    int BcdSignificantDigits = 15;

    bool operator==(const TPanelNumberFormat&) const = default;
};

// A history row's result: the entry's value with the entry's own display mode, in the panel's
// arithmetic mode; empty for an entry without text (one blanked by clearing the history).
std::u16string HistoryResultText(const TExpressionHistory& Entry, const TPanelNumberFormat& Format);
// What Copy takes from a history row: its value text as the row formats it, blank entries too.
std::u16string HistoryValueText(const TExpressionHistory& Entry, const TPanelNumberFormat& Format);

// "3 + 2.5 + 10" from the values in the order given, each in the 15-digit form of the settings
// file; empty for no values.
std::u16string HistorySumText(const std::vector<double>& Values);
// "(3 + 2.5 + 10) / 3"; empty for no values.
std::u16string HistoryAverageText(const std::vector<double>& Values);

// A variable's value as the variable panel shows and copies it (normal mode, no grouping).
std::u16string VariableValueText(double Value, const TBcd& BcdValue,
                                 const TPanelNumberFormat& Format);
// "NAME = value", then " [comment]" when there is a comment.
std::u16string VariableRowText(std::u16string_view Name, std::u16string_view ValueText,
                               std::u16string_view Comment);

} // namespace kalvio

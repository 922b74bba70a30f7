#include "calculator/PanelText.h"

#include "calculator/DualValue.h"
#include "display/CalcResultViewer.h"
#include "engine/DoubleText.h"

#include <string>

namespace kalvio {
namespace {

// A value pair whose decimal form could not be held keeps showing its double in decimal mode,
// as the result display does, instead of a wrong zero.
void SetValue(TCalcResultViewer& Viewer, double Value, const TBcd& BcdValue,
              const TPanelNumberFormat& Format) {
    Viewer.SetIsBigDecimal(Format.IsBigDecimal && IsStoredBcdValid(Value, BcdValue));
    Viewer.SetSignificantDigits(Format.SignificantDigits);
    Viewer.SetBcdSignificantDigits(Format.BcdSignificantDigits);
    Viewer.SetBcdValue(BcdValue);
    Viewer.SetValue(Value);
}

TCalcResultViewer HistoryViewer(const TExpressionHistory& Entry, const TPanelNumberFormat& Format) {
    TCalcResultViewer viewer;
    viewer.SetIsGroupingSeparator(Entry.IsGroupingSeparator);
    viewer.SetViewMode(Entry.ViewMode);
    viewer.SetDigitNumber(Entry.DigitNumber);
    SetValue(viewer, Entry.Value, Entry.BcdValue, Format);
    return viewer;
}

std::u16string JoinedSum(const std::vector<double>& Values) {
    std::u16string text;
    for (const double value : Values) {
        if (!text.empty()) {
            text += u" + ";
        }
        text += FloatToGeneralText(value, 15);
    }
    return text;
}

} // namespace

std::u16string HistoryResultText(const TExpressionHistory& Entry,
                                 const TPanelNumberFormat& Format) {
    if (Entry.ExpressionText.empty()) {
        return {};
    }
    return HistoryViewer(Entry, Format).DisplayText();
}

std::u16string HistoryValueText(const TExpressionHistory& Entry, const TPanelNumberFormat& Format) {
    return HistoryViewer(Entry, Format).ValueText();
}

std::u16string HistorySumText(const std::vector<double>& Values) {
    return JoinedSum(Values);
}

std::u16string HistoryAverageText(const std::vector<double>& Values) {
    if (Values.empty()) {
        return {};
    }
    const std::string count = std::to_string(Values.size());
    return u"(" + JoinedSum(Values) + u") / " + std::u16string(count.begin(), count.end());
}

std::u16string VariableValueText(double Value, const TBcd& BcdValue,
                                 const TPanelNumberFormat& Format) {
    TCalcResultViewer viewer;
    SetValue(viewer, Value, BcdValue, Format);
    return viewer.ValueText();
}

std::u16string VariableRowText(std::u16string_view Name, std::u16string_view ValueText,
                               std::u16string_view Comment) {
    std::u16string text(Name);
    text += u" = ";
    text += ValueText;
    if (!Comment.empty()) {
        text += u" [";
        text += Comment;
        text += u"]";
    }
    return text;
}

} // namespace kalvio

#pragma once

#include "display/ResultViewType.h"
#include "engine/Bcd.h"

#include <string>

namespace kalvio {

// The state of the result display and the formatter of every value the calculator shows: one
// value in two forms (a double and its decimal twin) with its display settings, or instead an
// error message or a free text. The text is computed on each request, so that changing a
// setting needs no recomputation by the owner. Windows wrap it to draw DisplayText().
class TCalcResultViewer {
public:
    // The value text, by ViewMode. Has side effects: it becomes the text vtEng falls back to,
    // a failed vtEng sets EngError, and a vtDms value too large for its degrees switches
    // ViewMode to vtNormal.
    std::u16string ValueText();
    // What the display draws: ErrorMessage, Text or ValueText by state, "Error" if that fails.
    std::u16string DisplayText();

    double Value() const { return FValue; }
    // Returns to the value state.
    void SetValue(double value);
    const TBcd& BcdValue() const { return FBcdValue; }
    // Owners write it together with Value; vtNormal reads it when IsBigDecimal is set.
    void SetBcdValue(const TBcd& value) { FBcdValue = value; }
    bool IsBigDecimal() const { return FIsBigDecimal; }
    void SetIsBigDecimal(bool isBigDecimal) { FIsBigDecimal = isBigDecimal; }

    TResultViewType ViewMode() const { return FViewMode; }
    void SetViewMode(TResultViewType viewMode) { FViewMode = viewMode; }
    // Decimals for vtFix, significant digits for vtSci; negative when none was given.
    int DigitNumber() const { return FDigitNumber; }
    void SetDigitNumber(int digitNumber) { FDigitNumber = digitNumber; }
    TRoundSelector RoundSelector() const { return FRoundSelector; }
    void SetRoundSelector(TRoundSelector roundSelector) { FRoundSelector = roundSelector; }
    bool IsGroupingSeparator() const { return FIsGroupingSeparator; }
    void SetIsGroupingSeparator(bool isGrouping) { FIsGroupingSeparator = isGrouping; }
    bool IsPercent() const { return FIsPercent; }
    void SetIsPercent(bool isPercent) { FIsPercent = isPercent; }
    // The exponent asked for in vtEng; writing it clears EngError.
    int Eng() const { return FEng; }
    void SetEng(int eng);
    // True once a vtEng value could not be shown, until Eng is written.
    bool EngError() const { return FEngError; }
    int SignificantDigits() const { return FSignificantDigits; }
    void SetSignificantDigits(int digits) { FSignificantDigits = digits; }
    int BcdSignificantDigits() const { return FBcdSignificantDigits; }
    void SetBcdSignificantDigits(int digits) { FBcdSignificantDigits = digits; }

    const std::u16string& Text() const { return FText; }
    // Enters the text state.
    void SetText(const std::u16string& text);
    bool IsText() const { return FIsText; }
    // Enters the error state with the caller's message.
    void Error(const std::u16string& message);
    bool IsError() const { return FIsError; }
    const std::u16string& ErrorMessage() const { return FErrorMessage; }

private:
    std::u16string FormatValue();
    double ShownValue() const;
    std::u16string NormalText(double value, bool isGrouped) const;
    std::u16string DecimalNormalText(bool isGrouped) const;
    std::u16string FixText(double value) const;
    std::u16string SciText(double value) const;
    std::u16string EngText(double value);
    std::u16string DmsText(double value);
    std::u16string IntegerText(double value, int base) const;
    std::u16string WithPercent(std::u16string text) const;
    std::u16string EngFailure();

    TResultViewType FViewMode = vtNormal;
    int FDigitNumber = -1;
    double FValue = 0;
    TRoundSelector FRoundSelector = rs54;
    bool FIsGroupingSeparator = false;
    bool FIsPercent = false;
    int FEng = 0;
    std::u16string FDigitText;
    int FSignificantDigits = 10;
    bool FEngError = false;
    std::u16string FText;
    bool FIsError = false;
    bool FIsText = false;
    std::u16string FErrorMessage;
    TBcd FBcdValue{};
    bool FIsBigDecimal = false;
    int FBcdSignificantDigits = 15;
};

} // namespace kalvio

#pragma once

#include "display/ResultViewType.h"
#include "engine/Bcd.h"

#include <string>

namespace kalvio {

// The result display as the calculator drives it: the value formatter's settings, and showing a
// value, an error word or a free text. Setting a value, an error or a text redraws; after
// changing settings the calculator calls Repaint.
class TResultDisplay {
public:
    virtual ~TResultDisplay() = default;

    // Shows the value (both forms; decimal mode formats BcdValue).
    virtual void ShowValue(double value, const TBcd& bcdValue) = 0;
    virtual void ShowError(const std::u16string& message) = 0;
    virtual void ShowText(const std::u16string& text) = 0;
    // The value formatted as shown in the value state, also while an error is on show.
    virtual std::u16string ValueText() = 0;
    virtual void Repaint() = 0;

    virtual TResultViewType ViewMode() const = 0;
    virtual void SetViewMode(TResultViewType viewMode) = 0;
    virtual int DigitNumber() const = 0;
    virtual void SetDigitNumber(int digitNumber) = 0;
    virtual bool IsGroupingSeparator() const = 0;
    virtual void SetIsGroupingSeparator(bool isGroupingSeparator) = 0;
    virtual int Eng() const = 0;
    virtual void SetEng(int eng) = 0;
    virtual void SetIsBigDecimal(bool isBigDecimal) = 0;
    virtual int SignificantDigits() const = 0;
    virtual void SetSignificantDigits(int digits) = 0;
    virtual void SetBcdSignificantDigits(int digits) = 0;
};

} // namespace kalvio

#pragma once

#include "engine/Bcd.h"

namespace kalvio {

// A calculator value in both number forms. A double whose decimal form cannot be held (1E64 and
// beyond, digits below the last decimal place) keeps a zero BcdValue with IsBcdValid false, so
// that decimal arithmetic can refuse it instead of using a wrong number.
struct TDualValue {
    double Value = 0;
    TBcd BcdValue{};
    bool IsBcdValid = true;

    // A double result: its decimal form is the decimal conversion.
    static TDualValue FromDouble(double value);
    // A decimal result: its double form is the double conversion.
    static TDualValue FromBcd(const TBcd& bcdValue);
    // A pair as stored by an earlier run (settings file, variable store), where an invalid decimal
    // form shows as zero beside a non-zero double.
    static TDualValue FromStored(double value, const TBcd& bcdValue);
};

// The same pair if `value` is the double it already holds (its decimal form may hold more
// digits than the conversion would give), else FromDouble(value).
TDualValue KeepOrFromDouble(const TDualValue& held, double value);
// The same pair if `bcdValue` is the decimal form it already holds, else FromBcd(bcdValue).
TDualValue KeepOrFromBcd(const TDualValue& held, const TBcd& bcdValue);

// Sums and differences in both forms; the decimal form is invalid if an operand's is or if the
// decimal result overflows.
TDualValue AddDual(const TDualValue& left, const TDualValue& right);
TDualValue SubtractDual(const TDualValue& left, const TDualValue& right);

// Whether a stored pair's decimal form can be used (see FromStored).
bool IsStoredBcdValid(double value, const TBcd& bcdValue);

} // namespace kalvio

#include "calculator/DualValue.h"

#include <cstring>

namespace kalvio {
namespace {

bool IsSameBcd(const TBcd& left, const TBcd& right) {
    return left.Precision == right.Precision && left.SignSpecialPlaces == right.SignSpecialPlaces &&
           left.Fraction == right.Fraction;
}

template <typename TOperation>
TDualValue CombineDual(const TDualValue& left, const TDualValue& right, double value,
                       TOperation operation) {
    TDualValue result;
    result.Value = value;
    if (!left.IsBcdValid || !right.IsBcdValid) {
        result.IsBcdValid = false;
        return result;
    }
    try {
        // Through a local: a failing operation may have written part of its result already.
        const TBcd bcdValue = operation(left.BcdValue, right.BcdValue);
        result.BcdValue = bcdValue;
    } catch (const EBcdException&) {
        result.IsBcdValid = false;
    }
    return result;
}

} // namespace

TDualValue TDualValue::FromDouble(double value) {
    TDualValue result;
    result.Value = value;
    try {
        // Through a local: a failing conversion may have written part of its result already.
        const TBcd bcdValue = DoubleToBcd(value);
        result.BcdValue = bcdValue;
    } catch (const EBcdException&) {
        result.IsBcdValid = false;
    }
    return result;
}

TDualValue TDualValue::FromBcd(const TBcd& bcdValue) {
    TDualValue result;
    result.Value = BcdToDouble(bcdValue);
    result.BcdValue = bcdValue;
    return result;
}

TDualValue TDualValue::FromStored(double value, const TBcd& bcdValue) {
    TDualValue result;
    result.Value = value;
    result.IsBcdValid = IsStoredBcdValid(value, bcdValue);
    if (result.IsBcdValid) {
        result.BcdValue = bcdValue;
    }
    return result;
}

bool IsStoredBcdValid(double value, const TBcd& bcdValue) {
    return value == 0 || !BcdIsZero(bcdValue);
}

TDualValue KeepOrFromDouble(const TDualValue& held, double value) {
    // Bitwise, so that -0 and 0 are told apart as the evaluator handed them back.
    if (std::memcmp(&held.Value, &value, sizeof value) == 0) {
        return held;
    }
    return TDualValue::FromDouble(value);
}

TDualValue KeepOrFromBcd(const TDualValue& held, const TBcd& bcdValue) {
    // An invalid decimal form goes out as its zero stand-in and comes back unchanged.
    if (IsSameBcd(held.BcdValue, bcdValue)) {
        return held;
    }
    return TDualValue::FromBcd(bcdValue);
}

TDualValue AddDual(const TDualValue& left, const TDualValue& right) {
    return CombineDual(left, right, left.Value + right.Value, BcdAdd);
}

TDualValue SubtractDual(const TDualValue& left, const TDualValue& right) {
    return CombineDual(left, right, left.Value - right.Value, BcdSubtract);
}

} // namespace kalvio

#pragma once

#include "engine/Bcd.h"
#include "engine/BcdInteger.h"
#include "engine/PackedDigits.h"

#include <algorithm>

namespace kalvio {

// A TBcd unpacked for arithmetic: Coefficient / 10^Places, with the sign.
struct TBcdDecimal {
    TBcdInteger Coefficient;
    int Places = 0;
    bool Negative = false;

    int IntegerDigits() const { return std::max(0, Coefficient.DigitCount() - Places); }
};

// The places a value with this many integer digits may have: 64 digits in all, at most 63 of
// them decimals (the places field has six bits).
inline int MaxBcdPlaces(int integerDigits) {
    return TBcd::MaxDigits - std::max(integerDigits, 1);
}

inline bool FitsBcd(const TBcdDecimal& value) {
    const int integerDigits = value.IntegerDigits();
    return integerDigits <= TBcd::MaxDigits && value.Places <= MaxBcdPlaces(integerDigits);
}

void StripTrailingZeros(TBcdDecimal& value);
// Truncates (toward zero) or extends the value to exactly `places` decimals.
void AlignPlaces(TBcdDecimal& value, int places);

// Validates (EBcdException for a Precision above 64 or a digit above 9) and strips trailing
// decimal zeros.
TBcdDecimal UnpackBcd(const TBcd& value);
// Canonical packing of a value that fits; strips its trailing decimal zeros in place.
TBcd PackBcd(TBcdDecimal& value);
// As PackBcd, raising EBcdOverflowException for a value that needs more than 64 digits.
TBcd PackBcdOrOverflow(TBcdDecimal& value);

[[noreturn]] void RaiseBcdInvalid();
[[noreturn]] void RaiseBcdOverflow();

// A TBcd on its packed digits, for the operations that only align and add; inline so that the
// digit words stay in registers.
struct TPackedBcd {
    TPackedDigits Digits;
    int Places = 0;
    bool Negative = false;

    int IntegerDigits() const { return std::max(0, Digits.DigitCount() - Places); }

    void StripTrailingZeros() {
        if (Digits.IsZero()) {
            Places = 0;
            Negative = false;
            return;
        }
        const int zeros = std::min(Digits.TrailingZeros(), Places);
        Digits.ShiftRightDigits(zeros);
        Places -= zeros;
    }
};

inline TPackedBcd LoadPackedBcd(const TBcd& value) {
    if (value.Precision > TBcd::MaxDigits) {
        RaiseBcdInvalid();
    }
    TPackedBcd result;
    result.Digits = TPackedDigits::FromFraction(value.Fraction, value.Precision);
    result.Places = value.Places();
    result.Negative = value.IsNegative();
    result.StripTrailingZeros();
    return result;
}

// Canonical form: no trailing decimal zeros, Precision = max(digits, places), zero as all-zero
// bytes.
inline TBcd StorePackedBcd(TPackedBcd value) {
    value.StripTrailingZeros();
    TBcd result;
    if (value.Digits.IsZero()) {
        return result;
    }
    const int precision = std::max(value.Digits.DigitCount(), value.Places);
    value.Digits.ToFraction(result.Fraction, precision);
    result.Precision = static_cast<std::uint8_t>(precision);
    result.SignSpecialPlaces = static_cast<std::uint8_t>((value.Negative ? TBcd::SignBit : 0) |
                                                         (value.Places & TBcd::PlacesMask));
    return result;
}

} // namespace kalvio

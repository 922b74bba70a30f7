#include "engine/BcdDecimal.h"

namespace kalvio {

void RaiseBcdInvalid() {
    throw EBcdException("invalid decimal value");
}

void RaiseBcdOverflow() {
    throw EBcdOverflowException("decimal overflow");
}

void StripTrailingZeros(TBcdDecimal& value) {
    if (value.Coefficient.IsZero()) {
        value.Places = 0;
        value.Negative = false;
        return;
    }
    const int zeros = std::min(value.Coefficient.TrailingZeros(), value.Places);
    value.Coefficient.DividePow10(zeros);
    value.Places -= zeros;
}

void AlignPlaces(TBcdDecimal& value, int places) {
    if (value.Places > places) {
        value.Coefficient.DividePow10(value.Places - places);
    } else {
        value.Coefficient.MultiplyPow10(places - value.Places);
    }
    value.Places = places;
}

TBcdDecimal UnpackBcd(const TBcd& value) {
    const TPackedBcd packed = LoadPackedBcd(value);
    TBcdDecimal result;
    result.Coefficient = packed.Digits.ToInteger();
    result.Places = packed.Places;
    result.Negative = packed.Negative;
    return result;
}

TBcd PackBcd(TBcdDecimal& value) {
    StripTrailingZeros(value);
    if (value.Coefficient.DigitCount() > TBcd::MaxDigits) {
        RaiseBcdOverflow();
    }
    TPackedBcd packed;
    packed.Digits = TPackedDigits::FromInteger(value.Coefficient);
    packed.Places = value.Places;
    packed.Negative = value.Negative;
    return StorePackedBcd(packed);
}

TBcd PackBcdOrOverflow(TBcdDecimal& value) {
    StripTrailingZeros(value);
    if (!FitsBcd(value)) {
        RaiseBcdOverflow();
    }
    return PackBcd(value);
}

} // namespace kalvio

#include "engine/BcdReciprocalDivisor.h"

namespace kalvio {

TBcdReciprocalDivisor::TBcdReciprocalDivisor(const TBcdInteger& divisor, int shift)
    : FDivisor(divisor), FShift(shift) {
    const int scale = QuotientDigits + GuardDigits + shift;
    const int reciprocalDigits = scale - (divisor.DigitCount() - 1);
    if (!divisor.IsZero() && scale < TBcdInteger::MaxDigits &&
        reciprocalDigits <= TBcdInteger::MaxDigits - QuotientDigits) {
        FReciprocal = TBcdInteger::Pow10(scale) / divisor;
    }
}

TBcdInteger TBcdReciprocalDivisor::Divide(const TBcdInteger& dividend) const {
    if (!IsFast()) {
        return LongDivide(dividend);
    }
    TBcdInteger estimate = dividend * FReciprocal;
    constexpr int GuardLimb = QuotientDigits / TBcdInteger::LimbDigits;
    if (estimate.LimbCount() > GuardLimb && estimate.Limb(GuardLimb) == TBcdInteger::LimbBase - 1) {
        return LongDivide(dividend);
    }
    estimate.DividePow10(QuotientDigits + GuardDigits);
    return estimate;
}

TBcdInteger TBcdReciprocalDivisor::LongDivide(const TBcdInteger& dividend) const {
    TBcdInteger scaled = dividend;
    scaled.MultiplyPow10(FShift);
    return scaled / FDivisor;
}

} // namespace kalvio

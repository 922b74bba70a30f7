#pragma once

#include "engine/BcdInteger.h"

namespace kalvio {

// floor(Q * 10^shift / X) for many Q below 10^64 and one X, by a multiplication with the
// reciprocal Z = floor(10^(72+shift) / X) instead of a long division: Q * Z / 10^72 is at most
// the quotient and less than 10^-8 below it, so its floor is the quotient unless the eight
// digits below the cut are all nines, and only then is the long division needed.
class TBcdReciprocalDivisor {
public:
    TBcdReciprocalDivisor(const TBcdInteger& divisor, int shift);

    // False when the reciprocal is too long for Q * Z to fit a TBcdInteger (X far below
    // 10^shift); Divide then takes the long division every time.
    bool IsFast() const { return !FReciprocal.IsZero(); }
    // Requires dividend < 10^64.
    TBcdInteger Divide(const TBcdInteger& dividend) const;

private:
    static constexpr int GuardDigits = TBcdInteger::LimbDigits;
    static constexpr int QuotientDigits = 64;

    TBcdInteger LongDivide(const TBcdInteger& dividend) const;

    TBcdInteger FDivisor;
    int FShift;
    TBcdInteger FReciprocal;
};

} // namespace kalvio

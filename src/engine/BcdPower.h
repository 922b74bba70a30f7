#pragma once

#include "engine/Bcd.h"

#include <cstdint>

namespace kalvio {

// Rounds of work after which BcdPower gives up on a negative power of a base below 1 in
// magnitude (see BcdPower); a round takes up to about 0.3 microseconds.
inline constexpr std::int64_t MaxBcdPowerRounds = 100'000;

// x^n by its step-by-step definition: 1 multiplied by x n times, or 1 divided by x |n| times
// with every quotient cut as BcdDivide cuts it (so 3^-2 is 0.1111111111). The result is always
// that of the definition, but long runs are not stepped through: a base of magnitude 1 only
// alternates the sign, a quotient that reached zero or stopped changing stays, and as long as
// the quotient grows or shrinks by the same amount at every step, a whole stretch of steps is
// taken at once. Positive powers overflow within 213 steps unless the base is 0 or of magnitude
// 1.
//
// Raises EBcdOverflowException when a step needs more than 64 digits, EBcdException for 0 to a
// negative power, and EBcdException when a negative power of a base below 1 in magnitude needs
// more than MaxBcdPowerRounds rounds. Such quotients grow at every step and would need far more
// steps than that before they overflow: bases from about 1 - 10^-4 to 1 - 10^-9 with exponents
// beyond a million or so (0.9999^-1000000, 0.999999^-2147483647, 0.99999999^-2147483647), and
// bases with many digits a little further from 1. Bases above 1 in magnitude always finish:
// their quotients shrink to 0 within about 110000 rounds.
TBcd BcdPower(const TBcd& base, std::int32_t exponent);

} // namespace kalvio

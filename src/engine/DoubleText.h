#pragma once

#include <string>

namespace kalvio {

// The general form of a double with p significant digits (p clamped to 2..17, halves away from
// zero): positional for 0.0001 <= |v| < 10^p, otherwise "d.dddE-x". Used by the decimal
// conversion of doubles and by the result display.
std::u16string FloatToGeneralText(double value, int significantDigits);

} // namespace kalvio

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kalvio {

// Number-to-text conversions of the result display. The separators are fixed: "." for the
// decimal point and "," for grouping, so that a shown result can be typed back. Rounding is
// halves away from zero, decided on the exact binary value. NaN and the infinities give "NAN",
// "INF" and "-INF"; a value that rounds to zero is written without a sign.

// Exactly `decimals` (0..18) digits after ".", no "." for 0 decimals. A value of 1E17 or more
// is written in the general form with 17 digits.
std::u16string FloatToFixedText(double value, int decimals);

// The fixed form with "," after every third integer digit counted from the right.
std::u16string FloatToNumberText(double value, int decimals);

// One digit, ".", digits-1 more (digits clamped to 2..17, trailing zeros kept), "E", the
// exponent's sign and at least three exponent digits: 1.23E+004.
std::u16string FloatToExponentText(double value, int digits);

// The pattern "0." followed by maxDecimals (0..20) "#": at most maxDecimals decimals, trailing
// zeros and a bare "." dropped. A value of 1E17 or more is written in the general form with 15
// digits.
std::u16string FloatToPatternText(double value, int maxDecimals);

// The pattern ",0." followed by maxDecimals "#": FloatToPatternText with grouped integer digits.
std::u16string FloatToGroupedPatternText(double value, int maxDecimals);

// The pattern "#." followed by maxDecimals (0..16) "#" and "E+": one integer digit, at most
// maxDecimals decimals, "E", the exponent's sign and its digits without leading zeros:
// 1.2345E+4, 1.23E-4. Zero gives "0E+0".
std::u16string FloatToScientificPatternText(double value, int maxDecimals);

// The nearest 64-bit integer, ties to even; nothing for NaN and values outside the range.
std::optional<std::int64_t> RoundToInt64(double value);

// Strict reading: optional blanks, optional sign, digits with an optional "." (at least one
// digit), an optional "E" or "e" with an optional sign and digits, optional blanks. Anything
// else, a "," for example, and a value too large for a double give nothing; a value too small
// gives zero.
std::optional<double> TextToFloat(std::u16string_view text);

} // namespace kalvio

#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kalvio {

// A non-negative decimal number: its significant digits without leading or trailing zeros
// (none for zero) and the decimal exponent of the first of them, so 0.0125 is "125" with
// exponent -2.
struct TDecimalDigits {
    static constexpr int Capacity = 40;

    std::array<char, Capacity> Digits{};
    int Count = 0;
    int Exponent = 0;

    bool IsZero() const { return Count == 0; }
    std::string_view Text() const { return {Digits.data(), static_cast<std::size_t>(Count)}; }
    // The digit at decimal position `exponent` (0 for the units), '0' outside the digits.
    char DigitAt(int exponent) const;
};

// |value| rounded to `digits` (1..17) significant digits, halves away from zero, decided on the
// exact binary value. `value` must be finite; std::invalid_argument otherwise.
TDecimalDigits RoundToSignificantDigits(double value, int digits);

// |value| rounded to `places` (0..20) decimal places, halves away from zero. `value` must be
// finite and below 1E17 in magnitude; std::invalid_argument otherwise.
TDecimalDigits RoundToDecimalPlaces(double value, int places);

// The general form of a double with p significant digits (p clamped to 2..17, halves away from
// zero): positional for 0.0001 <= |v| < 10^p, otherwise "d.dddE-x". Used by the decimal
// conversion of doubles and by the result display. Zero of either sign gives "0"; NaN gives
// "NAN" and the infinities "INF" and "-INF".
std::u16string FloatToGeneralText(double value, int significantDigits);

} // namespace kalvio

#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kalvio {

// The 64-digit packed decimal value, copied by value. The value is the first Precision digits of
// Fraction read as an integer, divided by 10^places, with the sign. A zero-initialised TBcd
// (Precision 0) is zero.
struct TBcd {
    static constexpr int MaxDigits = 64;
    static constexpr std::uint8_t SignBit = 0x80;
    static constexpr std::uint8_t PlacesMask = 0x3F;

    std::uint8_t Precision = 0;              // number of digits held, up to 64
    std::uint8_t SignSpecialPlaces = 0;      // bit 7: negative; bits 0-5: decimal places
    std::array<std::uint8_t, 32> Fraction{}; // two digits per byte, the first in the high half

    bool IsNegative() const { return (SignSpecialPlaces & SignBit) != 0; }
    int Places() const { return SignSpecialPlaces & PlacesMask; }
};

static_assert(sizeof(TBcd) == 34);

// The decimal library's error, raised for invalid texts, division by zero and values that
// cannot be held.
class EBcdException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A result that needs more than 64 digits.
class EBcdOverflowException : public EBcdException {
public:
    using EBcdException::EBcdException;
};

// Text to decimal; raises EBcdException for an invalid text.
TBcd StrToBcd(std::u16string_view text);
bool TryStrToBcd(std::u16string_view text, TBcd& value);
// Plain positional text: no exponent, no trailing fractional zeros, "0" for zero.
std::u16string BcdToStr(const TBcd& value);
// The double nearest to the exact value.
double BcdToDouble(const TBcd& value);
// Through the double's general text with 15 significant digits; EBcdException if it cannot be
// held (magnitude 1E64 or more, digits below the 64th place).
TBcd DoubleToBcd(double value);
TBcd IntegerToBcd(std::int64_t value);
// Decimal to 32-bit integer; truncate drops the fraction, otherwise a fraction is refused.
// Raises EConvertError (engine/EngineErrors.h) when the value does not convert.
std::int32_t BcdToInteger(const TBcd& value, bool truncate);

TBcd BcdAdd(const TBcd& left, const TBcd& right);
TBcd BcdSubtract(const TBcd& left, const TBcd& right);
TBcd BcdMultiply(const TBcd& left, const TBcd& right);
// Quotient truncated after the 10th decimal place.
TBcd BcdDivide(const TBcd& left, const TBcd& right);
// -1, 0 or 1 by the sign of left - right.
int BcdCompare(const TBcd& left, const TBcd& right);
bool BcdIsZero(const TBcd& value);
// Whether the value can be read: Precision at most 64 and every digit within it 0-9. Every other
// operation raises EBcdException for a value that cannot be read, so a caller may use such a
// value (e.g. Precision 0xFF) to mark "no decimal value".
bool BcdIsValid(const TBcd& value);

// The decimal general form with p significant digits (halves to even, scientific rewrite).
std::u16string BcdToGeneralText(const TBcd& value, int significantDigits);
// The decimal pattern form ",0." followed by `decimals` "#": grouped, halves to even.
std::u16string BcdToPatternText(const TBcd& value, int decimals);

} // namespace kalvio

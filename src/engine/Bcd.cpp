#include "engine/Bcd.h"

#include "engine/BcdDecimal.h"
#include "engine/BcdInteger.h"
#include "engine/DoubleText.h"
#include "engine/EngineErrors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace kalvio {

namespace {

constexpr int MaxDigits = TBcd::MaxDigits;
constexpr int DivisionPlaces = 10;
// Above this many integer digits a quotient keeps fewer than DivisionPlaces decimals.
constexpr int DivisionFullPlacesLimit = MaxDigits - DivisionPlaces;

// The digits of the coefficient, most significant first, padded with leading zeros to `width`.
std::string CoefficientDigits(const TBcdInteger& coefficient, int width) {
    std::string digits(static_cast<std::size_t>(std::max(width, coefficient.DigitCount())), '0');
    auto position = digits.size();
    for (int limb = 0; limb < coefficient.LimbCount(); ++limb) {
        std::uint32_t limbValue = coefficient.Limb(limb);
        for (int index = 0; index < TBcdInteger::LimbDigits && position > 0; ++index) {
            digits[--position] = static_cast<char>('0' + limbValue % 10);
            limbValue /= 10;
        }
    }
    return digits;
}

// Positional text of a value without trailing decimal zeros.
std::string PlainText(const TBcdDecimal& value) {
    if (value.Coefficient.IsZero()) {
        return "0";
    }
    std::string digits = CoefficientDigits(value.Coefficient, value.Places + 1);
    if (value.Places > 0) {
        digits.insert(digits.size() - static_cast<std::size_t>(value.Places), 1, '.');
    }
    return value.Negative ? "-" + digits : digits;
}

std::u16string ToU16(const std::string& text) {
    return {text.begin(), text.end()};
}

// Rounds to `places` decimals (negative: to tens, hundreds...) with halves to even.
void RoundHalfEven(TBcdDecimal& value, int places) {
    if (value.Places <= places) {
        return;
    }
    const int dropped = value.Places - places;
    if (dropped > value.Coefficient.DigitCount()) {
        value = TBcdDecimal{};
        return;
    }
    const TBcdInteger rest = value.Coefficient.ModPow10(dropped);
    value.Coefficient.DividePow10(dropped);
    const TBcdInteger doubled = rest + rest;
    const auto order = doubled <=> TBcdInteger::Pow10(dropped);
    if (order > 0 || (order == 0 && value.Coefficient.IsOdd())) {
        value.Coefficient = value.Coefficient + TBcdInteger(1);
    }
    if (places < 0) {
        value.Coefficient.MultiplyPow10(-places);
        value.Places = 0;
    } else {
        value.Places = places;
    }
    StripTrailingZeros(value);
}

bool IsBlank(char16_t character) {
    return character == u' ' || character == u'\t';
}

bool IsDigit(char16_t character) {
    return character >= u'0' && character <= u'9';
}

class TDecimalTextReader {
public:
    explicit TDecimalTextReader(std::u16string_view text) : FText(text) {}

    bool Read(TBcdDecimal& value);

private:
    bool ReadMantissa(TBcdDecimal& value);
    bool ReadExponent(int& exponent);
    void SkipBlanks() {
        while (FPosition < FText.size() && IsBlank(FText[FPosition])) {
            ++FPosition;
        }
    }
    bool At(char16_t character) const {
        return FPosition < FText.size() && FText[FPosition] == character;
    }

    std::u16string_view FText;
    std::size_t FPosition = 0;
};

bool TDecimalTextReader::Read(TBcdDecimal& value) {
    SkipBlanks();
    bool negative = false;
    if (At(u'+') || At(u'-')) {
        negative = At(u'-');
        ++FPosition;
    }
    if (!ReadMantissa(value)) {
        return false;
    }
    int exponent = 0;
    const bool hasExponent = At(u'E') || At(u'e');
    if (hasExponent) {
        ++FPosition;
        if (!ReadExponent(exponent)) {
            return false;
        }
    }
    SkipBlanks();
    if (FPosition != FText.size()) {
        return false;
    }
    value.Negative = negative;
    StripTrailingZeros(value);
    if (value.Coefficient.IsZero() || exponent == 0) {
        return true;
    }
    // The exponent moves the decimal point; the result must be held without losing a digit.
    if (exponent > 0) {
        const int shift = exponent - std::min(exponent, value.Places);
        if (value.Coefficient.DigitCount() - value.Places + exponent > MaxDigits) {
            return false;
        }
        value.Places -= exponent - shift;
        value.Coefficient.MultiplyPow10(shift);
    } else {
        if (-exponent > MaxDigits) {
            return false;
        }
        value.Places -= exponent;
    }
    return FitsBcd(value);
}

// Digits with at most one point; leading zeros are skipped, decimals beyond what 64 digits can
// hold are dropped, and more than 64 integer digits are refused.
bool TDecimalTextReader::ReadMantissa(TBcdDecimal& value) {
    std::array<std::uint32_t, 8> limbs{};
    std::string digits;
    digits.reserve(MaxDigits);
    int integerDigits = 0;
    int places = 0;
    bool anyDigit = false;
    while (FPosition < FText.size() && IsDigit(FText[FPosition])) {
        anyDigit = true;
        const char digit = static_cast<char>(FText[FPosition++]);
        if (digit == '0' && digits.empty()) {
            continue;
        }
        if (++integerDigits > MaxDigits) {
            return false;
        }
        digits.push_back(digit);
    }
    if (At(u'.')) {
        ++FPosition;
        const int maxPlaces = MaxBcdPlaces(integerDigits);
        while (FPosition < FText.size() && IsDigit(FText[FPosition])) {
            anyDigit = true;
            const char digit = static_cast<char>(FText[FPosition++]);
            if (places < maxPlaces) {
                digits.push_back(digit);
                ++places;
            }
        }
    }
    if (!anyDigit) {
        return false;
    }
    // Digits to limbs from the units end.
    int limbCount = 0;
    for (auto end = digits.size(); end > 0; ++limbCount) {
        const auto begin = end >= TBcdInteger::LimbDigits ? end - TBcdInteger::LimbDigits : 0;
        std::uint32_t limbValue = 0;
        for (auto index = begin; index < end; ++index) {
            limbValue = limbValue * 10 + static_cast<std::uint32_t>(digits[index] - '0');
        }
        limbs[static_cast<std::size_t>(limbCount)] = limbValue;
        end = begin;
    }
    value.Coefficient.AssignLimbs(limbs.data(), limbCount);
    value.Places = places;
    return true;
}

bool TDecimalTextReader::ReadExponent(int& exponent) {
    bool negative = false;
    if (At(u'+') || At(u'-')) {
        negative = At(u'-');
        ++FPosition;
    }
    if (FPosition >= FText.size() || !IsDigit(FText[FPosition])) {
        return false;
    }
    // Saturates far beyond any exponent a held value can have.
    constexpr int Saturation = 1'000'000;
    int magnitude = 0;
    while (FPosition < FText.size() && IsDigit(FText[FPosition])) {
        magnitude = std::min(Saturation, magnitude * 10 + (FText[FPosition++] - u'0'));
    }
    exponent = negative ? -magnitude : magnitude;
    return true;
}

} // namespace

bool TryStrToBcd(std::u16string_view text, TBcd& value) {
    TBcdDecimal decimal;
    if (!TDecimalTextReader(text).Read(decimal)) {
        return false;
    }
    value = PackBcd(decimal);
    return true;
}

TBcd StrToBcd(std::u16string_view text) {
    TBcd value;
    if (!TryStrToBcd(text, value)) {
        throw EBcdException("invalid decimal text");
    }
    return value;
}

std::u16string BcdToStr(const TBcd& value) {
    return ToU16(PlainText(UnpackBcd(value)));
}

double BcdToDouble(const TBcd& value) {
    const std::string text = PlainText(UnpackBcd(value));
    double result = 0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

TBcd DoubleToBcd(double value) {
    if (!std::isfinite(value)) {
        throw EBcdException("the value cannot be held as a decimal");
    }
    // The value of its 15-significant-digit text, built from the digits without the text.
    const TDecimalDigits digits = RoundToSignificantDigits(value, 15);
    TPackedBcd packed;
    packed.Digits = TPackedDigits::FromShortDigitText(digits.Text());
    packed.Negative = value < 0;
    const int lastDigitExponent = digits.Exponent - digits.Count + 1;
    if (digits.IsZero()) {
        return StorePackedBcd(packed);
    }
    if (lastDigitExponent >= 0) {
        if (digits.Exponent + 1 > MaxDigits) {
            throw EBcdException("the value cannot be held as a decimal");
        }
        packed.Digits.ShiftLeftDigits(lastDigitExponent);
    } else {
        packed.Places = -lastDigitExponent;
        if (packed.Places > MaxBcdPlaces(packed.IntegerDigits())) {
            throw EBcdException("the value cannot be held as a decimal");
        }
    }
    return StorePackedBcd(packed);
}

TBcd IntegerToBcd(std::int64_t value) {
    TBcdDecimal decimal;
    const auto magnitude = value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                                     : static_cast<std::uint64_t>(value);
    decimal.Coefficient = TBcdInteger(magnitude);
    decimal.Negative = value < 0;
    return PackBcd(decimal);
}

std::int32_t BcdToInteger(const TBcd& value, bool truncate) {
    TBcdDecimal decimal = UnpackBcd(value);
    if (decimal.Places > 0) {
        if (!truncate) {
            throw EConvertError("the decimal value is not an integer");
        }
        AlignPlaces(decimal, 0);
    }
    std::uint64_t magnitude = 0;
    const std::uint64_t limit = decimal.Negative ? std::uint64_t{1} << 31 : (1U << 31) - 1;
    if (!decimal.Coefficient.TryToUInt64(magnitude) || magnitude > limit) {
        throw EConvertError("the decimal value is out of the 32-bit range");
    }
    return static_cast<std::int32_t>(decimal.Negative ? -static_cast<std::int64_t>(magnitude)
                                                      : static_cast<std::int64_t>(magnitude));
}

// Both operands are cut to the same places, as many as 64 digits leave beside the longer integer
// part; the aligned sum is exact, and a carry beyond 64 digits costs one more decimal.
TBcd BcdAdd(const TBcd& left, const TBcd& right) {
    TPackedBcd a = LoadPackedBcd(left);
    TPackedBcd b = LoadPackedBcd(right);
    const int places = std::min(std::max(a.Places, b.Places),
                                MaxBcdPlaces(std::max(a.IntegerDigits(), b.IntegerDigits())));
    for (TPackedBcd* operand : {&a, &b}) {
        if (operand->Places > places) {
            operand->Digits.ShiftRightDigits(operand->Places - places);
        } else {
            operand->Digits.ShiftLeftDigits(places - operand->Places);
        }
        operand->Places = places;
    }
    if (a.Negative != b.Negative && a.Digits < b.Digits) {
        std::swap(a, b);
    }
    if (a.Negative != b.Negative) {
        a.Digits.Subtract(b.Digits);
    } else if (a.Digits.Add(b.Digits)) {
        if (places == 0) {
            RaiseBcdOverflow();
        }
        a.Digits.ShiftRightDigits(1);
        a.Digits.SetTopDigitOne();
        --a.Places;
    }
    return StorePackedBcd(a);
}

TBcd BcdSubtract(const TBcd& left, const TBcd& right) {
    TBcd negated = right;
    negated.SignSpecialPlaces ^= TBcd::SignBit;
    return BcdAdd(left, negated);
}

TBcd BcdMultiply(const TBcd& left, const TBcd& right) {
    const TBcdDecimal a = UnpackBcd(left);
    const TBcdDecimal b = UnpackBcd(right);
    TBcdDecimal product;
    product.Coefficient = a.Coefficient * b.Coefficient;
    product.Places = a.Places + b.Places;
    product.Negative = a.Negative != b.Negative;
    return PackBcdOrOverflow(product);
}

// The quotient of the magnitudes cut after the 10th decimal, or after the 64th digit when it
// has more than 54 integer digits.
TBcd BcdDivide(const TBcd& left, const TBcd& right) {
    const TBcdDecimal a = UnpackBcd(left);
    const TBcdDecimal b = UnpackBcd(right);
    if (b.Coefficient.IsZero()) {
        throw EBcdException("decimal division by zero");
    }
    TBcdDecimal quotient;
    if (a.Coefficient.IsZero()) {
        return PackBcd(quotient);
    }
    // quotient * 10^10 = a.Coefficient * 10^(b.Places - a.Places + 10) / b.Coefficient
    const int shift = b.Places - a.Places + DivisionPlaces;
    TBcdInteger dividend = a.Coefficient;
    TBcdInteger divisor = b.Coefficient;
    if (shift >= 0) {
        dividend.MultiplyPow10(shift);
    } else {
        divisor.MultiplyPow10(-shift);
    }
    quotient.Coefficient = dividend / divisor;
    quotient.Places = DivisionPlaces;
    quotient.Negative = a.Negative != b.Negative;
    const int integerDigits = quotient.IntegerDigits();
    if (integerDigits > MaxDigits) {
        RaiseBcdOverflow();
    }
    if (integerDigits > DivisionFullPlacesLimit) {
        AlignPlaces(quotient, MaxDigits - integerDigits);
    }
    return PackBcd(quotient);
}

// Exact; agrees with the sign of BcdSubtract wherever that difference can be held.
int BcdCompare(const TBcd& left, const TBcd& right) {
    TBcdDecimal a = UnpackBcd(left);
    TBcdDecimal b = UnpackBcd(right);
    const bool aZero = a.Coefficient.IsZero();
    const bool bZero = b.Coefficient.IsZero();
    const int aSign = aZero ? 0 : (a.Negative ? -1 : 1);
    const int bSign = bZero ? 0 : (b.Negative ? -1 : 1);
    if (aSign != bSign || aSign == 0) {
        return aSign < bSign ? -1 : (aSign > bSign ? 1 : 0);
    }
    const int places = std::max(a.Places, b.Places);
    AlignPlaces(a, places);
    AlignPlaces(b, places);
    const auto order = a.Coefficient <=> b.Coefficient;
    const int magnitudeOrder = order < 0 ? -1 : (order > 0 ? 1 : 0);
    return aSign * magnitudeOrder;
}

bool BcdIsValid(const TBcd& value) {
    try {
        LoadPackedBcd(value);
        return true;
    } catch (const EBcdException&) {
        return false;
    }
}

bool BcdIsZero(const TBcd& value) {
    return UnpackBcd(value).Coefficient.IsZero();
}

std::u16string BcdToGeneralText(const TBcd& value, int significantDigits) {
    const int digits = std::clamp(significantDigits, 1, MaxDigits);
    TBcdDecimal decimal = UnpackBcd(value);
    if (decimal.Coefficient.IsZero()) {
        return u"0";
    }
    // Keep `digits` significant digits: as many places as remain after the leading digit.
    const int leadingExponent = decimal.Coefficient.DigitCount() - 1 - decimal.Places;
    RoundHalfEven(decimal, digits - 1 - leadingExponent);
    std::string text = PlainText(decimal);
    const auto point = text.find('.');
    const auto integerLength = point == std::string::npos ? text.size() : point;
    if (integerLength <= static_cast<std::size_t>(digits)) {
        return ToU16(text);
    }
    // Scientific: the significant digits padded or cut to `digits`, the exponent of the first.
    const int exponent = decimal.Coefficient.DigitCount() - 1 - decimal.Places;
    std::string mantissa = CoefficientDigits(decimal.Coefficient, 0);
    mantissa.resize(static_cast<std::size_t>(digits), '0');
    if (digits > 1) {
        mantissa.insert(1, 1, '.');
    }
    return ToU16((decimal.Negative ? "-" : "") + mantissa + "E" + std::to_string(exponent));
}

std::u16string BcdToPatternText(const TBcd& value, int decimals) {
    TBcdDecimal decimal = UnpackBcd(value);
    RoundHalfEven(decimal, std::clamp(decimals, 0, MaxDigits));
    const std::string text = PlainText(decimal);
    const auto integerBegin = decimal.Negative ? std::size_t{1} : std::size_t{0};
    const auto point = text.find('.');
    const auto integerEnd = point == std::string::npos ? text.size() : point;
    std::string grouped = text.substr(0, integerBegin);
    for (auto index = integerBegin; index < integerEnd; ++index) {
        const auto remaining = integerEnd - index;
        if (index > integerBegin && remaining % 3 == 0) {
            grouped.push_back(',');
        }
        grouped.push_back(text[index]);
    }
    grouped.append(text, integerEnd, std::string::npos);
    return ToU16(grouped);
}

} // namespace kalvio

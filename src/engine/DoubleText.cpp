#include "engine/DoubleText.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>

namespace kalvio {

namespace {

// |value| as T x 10^Q with T not divisible by 10, when T fits in 64 bits. Only such values can
// lie exactly halfway between two roundings of at most 18 digits.
struct TExactDecimal {
    std::uint64_t T = 0;
    int Q = 0;
};

std::uint64_t PowerOfFive(int exponent) {
    std::uint64_t result = 1;
    for (int i = 0; i < exponent; ++i) {
        result *= 5;
    }
    return result;
}

// A positive double as m x 2^e with m odd.
struct TOddBinary {
    std::uint64_t Mantissa = 0;
    int Exponent = 0;
};

TOddBinary OddBinary(double magnitude) {
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    TOddBinary binary{static_cast<std::uint64_t>(std::ldexp(fraction, 53)), binaryExponent - 53};
    const int zeroBits = std::countr_zero(binary.Mantissa);
    binary.Mantissa >>= zeroBits;
    binary.Exponent += zeroBits;
    return binary;
}

std::optional<TExactDecimal> ExactDecimal(double magnitude) {
    // The largest power of five in 64 bits.
    constexpr int MaxFiveExponent = 27;
    const auto [mantissa, exponent] = OddBinary(magnitude);
    // m x 2^e = (m / 5^e) x 10^e, or (m x 5^-e) x 10^e for negative e.
    if (exponent >= 0) {
        if (exponent > MaxFiveExponent || mantissa % PowerOfFive(exponent) != 0) {
            return std::nullopt;
        }
        return TExactDecimal{mantissa / PowerOfFive(exponent), exponent};
    }
    if (-exponent > MaxFiveExponent) {
        return std::nullopt;
    }
    std::uint64_t digits = 0;
    if (__builtin_mul_overflow(mantissa, PowerOfFive(-exponent), &digits)) {
        return std::nullopt;
    }
    return TExactDecimal{digits, exponent};
}

// Adds one unit in the last place of a digit text with an optional "."; a carry out of the
// first digit widens the text. Returns the new length.
std::size_t IncrementLastDigit(std::array<char, 48>& buffer, std::size_t length) {
    for (std::size_t i = length; i-- > 0;) {
        if (buffer[i] == '.') {
            continue;
        }
        if (buffer[i] != '9') {
            ++buffer[i];
            return length;
        }
        buffer[i] = '0';
    }
    std::copy_backward(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length),
                       buffer.begin() + static_cast<std::ptrdiff_t>(length) + 1);
    buffer[0] = '1';
    return length + 1;
}

int DigitCount(std::uint64_t value) {
    int count = 1;
    while (value >= 10) {
        value /= 10;
        ++count;
    }
    return count;
}

void StripTrailingZeros(TDecimalDigits& digits) {
    while (digits.Count > 0 && digits.Digits[digits.Count - 1] == '0') {
        --digits.Count;
    }
}

// Appends digit characters, skipping leading zeros; `exponent` is the decimal exponent of
// the first character.
void AppendDigits(TDecimalDigits& result, std::string_view text, int exponent) {
    for (const char digit : text) {
        if (result.Count == 0 && digit == '0') {
            --exponent;
            continue;
        }
        if (result.Count == 0) {
            result.Exponent = exponent;
        }
        if (result.Count == TDecimalDigits::Capacity) {
            throw std::length_error("too many decimal digits");
        }
        result.Digits[result.Count++] = digit;
    }
}

// The exact halfway value T x 10^Q (T ending in 5) rounded away from zero at its last digit.
TDecimalDigits RoundHalfAway(const TExactDecimal& tie) {
    const std::uint64_t rounded = tie.T / 10 + 1;
    std::array<char, 24> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded).ptr;
    const int length = static_cast<int>(end - buffer.data());
    TDecimalDigits result;
    AppendDigits(result, {buffer.data(), static_cast<std::size_t>(length)}, length + tie.Q);
    StripTrailingZeros(result);
    return result;
}

void RequireFinite(double value) {
    if (!std::isfinite(value)) {
        throw std::invalid_argument("value is not finite");
    }
}

// The digits and exponent of a scientific text "d.ddde±x" (the point optional).
TDecimalDigits ScientificTextDigits(std::string_view text) {
    const auto e = text.find('e');
    int exponent = 0;
    const char* exponentText = text.data() + e + 1;
    const bool isNegative = *exponentText == '-';
    exponentText += *exponentText == '+' || isNegative ? 1 : 0;
    std::from_chars(exponentText, text.data() + text.size(), exponent);
    exponent = isNegative ? -exponent : exponent;
    TDecimalDigits result;
    result.Exponent = exponent;
    result.Digits[0] = text[0];
    result.Count = 1;
    for (std::size_t i = 2; i < e; ++i) {
        result.Digits[static_cast<std::size_t>(result.Count++)] = text[i];
    }
    StripTrailingZeros(result);
    return result;
}

// Rounds a digit text at `digits` digits; the text must be exact, so that halves away from zero
// are the first dropped digit being 5 or more.
TDecimalDigits RoundExactDigits(TDecimalDigits exact, int digits) {
    if (exact.Count <= digits) {
        return exact;
    }
    const char firstDropped = exact.Digits[static_cast<std::size_t>(digits)];
    exact.Count = digits;
    if (firstDropped >= '5') {
        int i = digits - 1;
        while (i >= 0 && exact.Digits[static_cast<std::size_t>(i)] == '9') {
            --i;
        }
        if (i < 0) {
            exact.Digits[0] = '1';
            exact.Count = 1;
            ++exact.Exponent;
            return exact;
        }
        ++exact.Digits[static_cast<std::size_t>(i)];
        exact.Count = i + 1;
    }
    StripTrailingZeros(exact);
    return exact;
}

// Whole numbers below 2^53, the everyday results, have their exact digits at hand.
std::optional<TDecimalDigits> RoundWholeNumber(double magnitude, int digits) {
    constexpr double ExactIntegerLimit = 9007199254740992.0; // 2^53
    if (magnitude >= ExactIntegerLimit || magnitude != std::floor(magnitude)) {
        return std::nullopt;
    }
    TDecimalDigits exact;
    const auto end = std::to_chars(exact.Digits.data(), exact.Digits.data() + exact.Digits.size(),
                                   static_cast<std::uint64_t>(magnitude))
                         .ptr;
    exact.Count = static_cast<int>(end - exact.Digits.data());
    exact.Exponent = exact.Count - 1;
    StripTrailingZeros(exact);
    return RoundExactDigits(exact, digits);
}

// Rounding the shortest text that reads back as the value gives the rounding of the exact value
// whenever no rounding boundary lies between the two; with at most 15 digits kept, such a
// boundary would itself be a shorter text that reads back, unless the shortest text is the
// boundary. Returns nothing in that case, for more than 15 digits, and for subnormal values,
// whose shortest text can be far from the value (5E-324 for 4.94065645841247E-324).
std::optional<TDecimalDigits> RoundShortestText(double magnitude, int digits) {
    constexpr int MaxShortcutDigits = 15;
    if (digits > MaxShortcutDigits || magnitude < std::numeric_limits<double>::min()) {
        return std::nullopt;
    }
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                   std::chars_format::scientific)
                         .ptr;
    TDecimalDigits result =
        ScientificTextDigits({buffer.data(), static_cast<std::size_t>(end - buffer.data())});
    // The shortest text on a boundary: which side the value lies on is not in the text.
    if (result.Count == digits + 1 && result.Digits[static_cast<std::size_t>(digits)] == '5') {
        return std::nullopt;
    }
    // Elsewhere the text rounds as the exact value would, as if it were exact.
    return RoundExactDigits(result, digits);
}

} // namespace

char TDecimalDigits::DigitAt(int exponent) const {
    const int index = Exponent - exponent;
    return index >= 0 && index < Count ? Digits[index] : '0';
}

TDecimalDigits RoundToSignificantDigits(double value, int digits) {
    RequireFinite(value);
    if (digits < 1 || digits > 17) {
        throw std::invalid_argument("significant digits out of range");
    }
    const double magnitude = std::fabs(value);
    if (magnitude == 0) {
        return {};
    }
    if (const auto whole = RoundWholeNumber(magnitude, digits)) {
        return *whole;
    }
    if (const auto shortcut = RoundShortestText(magnitude, digits)) {
        return *shortcut;
    }
    // to_chars rounds halves to even; only an exact tie needs the other direction.
    if (const auto exact = ExactDecimal(magnitude);
        exact && exact->T % 10 == 5 && DigitCount(exact->T) == digits + 1) {
        return RoundHalfAway(*exact);
    }
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                   std::chars_format::scientific, digits - 1)
                         .ptr;
    return ScientificTextDigits({buffer.data(), static_cast<std::size_t>(end - buffer.data())});
}

TDecimalDigits RoundToDecimalPlaces(double value, int places) {
    RequireFinite(value);
    const double magnitude = std::fabs(value);
    if (places < 0 || places > 20 || magnitude >= 1e17) {
        throw std::invalid_argument("decimal places or value out of range");
    }
    if (magnitude == 0) {
        return {};
    }
    std::array<char, 48> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                   std::chars_format::fixed, places)
                         .ptr;
    auto length = static_cast<std::size_t>(end - buffer.data());
    // m x 2^e lies halfway between two multiples of 10^-places exactly when e = -(places + 1).
    // to_chars then takes the even neighbour, the lower one when (m x 5^places - 1) / 2 is
    // even, that is when m = 1 modulo 4.
    if (const auto binary = OddBinary(magnitude);
        binary.Exponent == -(places + 1) && binary.Mantissa % 4 == 1) {
        length = IncrementLastDigit(buffer, length);
    }
    const std::string_view text(buffer.data(), length);
    const auto point = std::min(text.find('.'), text.size());
    const int integerDigits = static_cast<int>(point);
    TDecimalDigits result;
    AppendDigits(result, text.substr(0, point), integerDigits - 1);
    if (point < text.size()) {
        AppendDigits(result, text.substr(point + 1), -1);
    }
    StripTrailingZeros(result);
    return result;
}

std::u16string FloatToGeneralText(double value, int significantDigits) {
    if (std::isnan(value)) {
        return u"NAN";
    }
    if (std::isinf(value)) {
        return value > 0 ? u"INF" : u"-INF";
    }
    if (value == 0) {
        return u"0";
    }
    const int precision = std::clamp(significantDigits, 2, 17);
    const TDecimalDigits digits = RoundToSignificantDigits(value, precision);
    // Built in place: at most a sign, 17 digits, a point and four zeros, or an exponent.
    std::array<char16_t, 32> text{};
    std::size_t length = 0;
    const auto put = [&](char16_t ch) { text[length++] = ch; };
    if (value < 0) {
        put(u'-');
    }
    const int exponent = digits.Exponent;
    if (exponent >= -4 && exponent < precision) {
        for (int position = std::max(exponent, 0); position >= 0; --position) {
            put(static_cast<char16_t>(digits.DigitAt(position)));
        }
        const int lastPosition = exponent - digits.Count + 1;
        if (lastPosition < 0) {
            put(u'.');
            for (int position = -1; position >= lastPosition; --position) {
                put(static_cast<char16_t>(digits.DigitAt(position)));
            }
        }
        return {text.data(), length};
    }
    put(static_cast<char16_t>(digits.Digits[0]));
    if (digits.Count > 1) {
        put(u'.');
        for (int i = 1; i < digits.Count; ++i) {
            put(static_cast<char16_t>(digits.Digits[static_cast<std::size_t>(i)]));
        }
    }
    put(u'E');
    if (exponent < 0) {
        put(u'-');
    }
    std::array<char, 8> buffer{};
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::abs(exponent)).ptr;
    for (const char* digit = buffer.data(); digit != end; ++digit) {
        put(static_cast<char16_t>(*digit));
    }
    return {text.data(), length};
}

} // namespace kalvio

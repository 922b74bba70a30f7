#include "display/NumberFormat.h"

#include "engine/DoubleText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace kalvio {

namespace {

// Values from here on have more integer digits than a positional form shows.
constexpr double PositionalLimit = 1e17;

bool AppendNonFinite(std::u16string& text, double value) {
    if (std::isnan(value)) {
        text += u"NAN";
    } else if (std::isinf(value)) {
        text += value > 0 ? u"INF" : u"-INF";
    } else {
        return false;
    }
    return true;
}

void AppendNumber(std::u16string& text, int number) {
    std::array<char, 12> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number).ptr;
    text.append(buffer.data(), end);
}

// The integer digits (at least "0"), then "." and `decimals` digits when decimals > 0.
void AppendPositional(std::u16string& text, const TDecimalDigits& digits, int decimals,
                      bool isGrouped) {
    for (int position = std::max(digits.Exponent, 0); position >= 0; --position) {
        text += static_cast<char16_t>(digits.DigitAt(position));
        if (isGrouped && position > 0 && position % 3 == 0) {
            text += u',';
        }
    }
    if (decimals > 0) {
        text += u'.';
        for (int position = -1; position >= -decimals; --position) {
            text += static_cast<char16_t>(digits.DigitAt(position));
        }
    }
}

int DecimalsShown(const TDecimalDigits& digits) {
    return digits.IsZero() ? 0 : std::max(0, digits.Count - 1 - digits.Exponent);
}

std::u16string FixedText(double value, int decimals, bool isGrouped) {
    std::u16string text;
    if (AppendNonFinite(text, value)) {
        return text;
    }
    if (std::fabs(value) >= PositionalLimit) {
        return FloatToGeneralText(value, 17);
    }
    const int places = std::clamp(decimals, 0, 18);
    const TDecimalDigits digits = RoundToDecimalPlaces(value, places);
    if (value < 0 && !digits.IsZero()) {
        text += u'-';
    }
    AppendPositional(text, digits, places, isGrouped);
    return text;
}

std::u16string PatternText(double value, int maxDecimals, bool isGrouped) {
    std::u16string text;
    if (AppendNonFinite(text, value)) {
        return text;
    }
    if (std::fabs(value) >= PositionalLimit) {
        return FloatToGeneralText(value, 15);
    }
    const TDecimalDigits digits = RoundToDecimalPlaces(value, std::clamp(maxDecimals, 0, 20));
    if (value < 0 && !digits.IsZero()) {
        text += u'-';
    }
    AppendPositional(text, digits, DecimalsShown(digits), isGrouped);
    return text;
}

void AppendMantissa(std::u16string& text, const TDecimalDigits& digits, int length) {
    text += static_cast<char16_t>(digits.DigitAt(digits.Exponent));
    if (length > 1) {
        text += u'.';
        for (int i = 1; i < length; ++i) {
            text += static_cast<char16_t>(digits.DigitAt(digits.Exponent - i));
        }
    }
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

// The decimal exponent of the first significant digit of a valid unsigned number text with
// at least one such digit; tells an overflow from an underflow.
long long DecimalScale(std::string_view number) {
    const auto mantissaEnd = std::min(number.find_first_of("Ee"), number.size());
    const auto point = std::min(number.find('.'), mantissaEnd);
    const auto first = number.find_first_of("123456789");
    long long scale = first < point ? static_cast<long long>(point - first) - 1
                                    : static_cast<long long>(point) - static_cast<long long>(first);
    if (mantissaEnd < number.size()) {
        auto exponentText = number.substr(mantissaEnd + 1);
        const bool isNegative = exponentText.front() == '-';
        if (exponentText.front() == '-' || exponentText.front() == '+') {
            exponentText.remove_prefix(1);
        }
        // Saturates: an exponent this large overflows or underflows whatever the digits.
        long long exponent = 0;
        for (std::size_t k = 0; k < exponentText.size() && exponent < 100000000; ++k) {
            exponent = exponent * 10 + (exponentText[k] - '0');
        }
        scale += isNegative ? -exponent : exponent;
    }
    return scale;
}

} // namespace

std::u16string FloatToFixedText(double value, int decimals) {
    return FixedText(value, decimals, false);
}

std::u16string FloatToNumberText(double value, int decimals) {
    return FixedText(value, decimals, true);
}

std::u16string FloatToExponentText(double value, int digits) {
    std::u16string text;
    if (AppendNonFinite(text, value)) {
        return text;
    }
    const int length = std::clamp(digits, 2, 17);
    const TDecimalDigits rounded = RoundToSignificantDigits(value, length);
    if (value < 0) {
        text += u'-';
    }
    AppendMantissa(text, rounded, length);
    const int exponent = rounded.IsZero() ? 0 : rounded.Exponent;
    text += exponent < 0 ? u"E-" : u"E+";
    const int magnitude = std::abs(exponent);
    text.append(magnitude < 100 ? (magnitude < 10 ? 2 : 1) : 0, u'0');
    AppendNumber(text, magnitude);
    return text;
}

std::u16string FloatToPatternText(double value, int maxDecimals) {
    return PatternText(value, maxDecimals, false);
}

std::u16string FloatToGroupedPatternText(double value, int maxDecimals) {
    return PatternText(value, maxDecimals, true);
}

std::u16string FloatToScientificPatternText(double value, int maxDecimals) {
    std::u16string text;
    if (AppendNonFinite(text, value)) {
        return text;
    }
    const TDecimalDigits rounded =
        RoundToSignificantDigits(value, std::clamp(maxDecimals, 0, 16) + 1);
    if (rounded.IsZero()) {
        return u"0E+0";
    }
    if (value < 0) {
        text += u'-';
    }
    AppendMantissa(text, rounded, rounded.Count);
    text += rounded.Exponent < 0 ? u"E-" : u"E+";
    AppendNumber(text, std::abs(rounded.Exponent));
    return text;
}

std::optional<std::int64_t> RoundToInt64(double value) {
    // 2^63, the first integer past the range.
    constexpr double Limit = 9223372036854775808.0;
    if (std::isnan(value)) {
        return std::nullopt;
    }
    double rounded = std::trunc(value);
    const double rest = std::fabs(value - rounded);
    const double away = value < 0 ? -1.0 : 1.0;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(rounded, 2.0) != 0)) {
        rounded += away;
    }
    if (rounded < -Limit || rounded >= Limit) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(rounded);
}

std::optional<double> TextToFloat(std::u16string_view text) {
    std::size_t i = 0;
    const auto skipDigits = [&] {
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
        }
        return i - start;
    };
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    const bool isNegative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        ++i;
    }
    const std::size_t digitsStart = i;
    std::size_t mantissaDigits = skipDigits();
    if (i < text.size() && text[i] == u'.') {
        ++i;
        mantissaDigits += skipDigits();
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
            ++i;
        }
        if (skipDigits() == 0) {
            return std::nullopt;
        }
    }
    const std::size_t numberEnd = i;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    // Only ASCII is left between digitsStart and numberEnd.
    std::string ascii;
    for (std::size_t k = digitsStart; k < numberEnd; ++k) {
        ascii += static_cast<char>(text[k]);
    }
    double magnitude = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
        if (DecimalScale(ascii) > 0) {
            return std::nullopt;
        }
        magnitude = 0;
    } else if (error != std::errc() || end != ascii.data() + ascii.size()) {
        return std::nullopt;
    }
    return isNegative ? -magnitude : magnitude;
}

} // namespace kalvio

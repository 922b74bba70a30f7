#include "display/CalcResultViewer.h"

#include "display/NumberFormat.h"
#include "display/PreRounding.h"
#include "engine/DoubleText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <exception>
#include <limits>
#include <optional>
#include <string_view>

namespace kalvio {

namespace {

// mantissa x 10^exponent, with exact powers of ten where a double holds them.
double ScaleByPowerOfTen(double mantissa, long long exponent) {
    static const std::array<double, 23> Powers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (exponent >= 0 && exponent < 23) {
        return mantissa * Powers[static_cast<std::size_t>(exponent)];
    }
    if (exponent < 0 && exponent > -23) {
        return mantissa / Powers[static_cast<std::size_t>(-exponent)];
    }
    return mantissa * std::pow(10.0, static_cast<double>(std::clamp(exponent, -800LL, 800LL)));
}

std::optional<int> TextToInteger(std::u16string_view text) {
    std::string ascii;
    for (const char16_t c : text) {
        if (c > 0x7F) {
            return std::nullopt;
        }
        ascii += static_cast<char>(c);
    }
    const char* begin = ascii.data() + (ascii.starts_with('+') ? 1 : 0);
    const char* end = ascii.data() + ascii.size();
    int value = 0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec != std::errc() || result.ptr != end) {
        return std::nullopt;
    }
    return value;
}

struct TMantissaExponent {
    double Mantissa = 0;
    long long Exponent = 0;
};

// A number text split at its "E", both halves read back.
std::optional<TMantissaExponent> SplitAtExponent(std::u16string_view text) {
    const auto mark = text.find(u'E');
    const auto mantissa = TextToFloat(text.substr(0, mark));
    if (!mantissa) {
        return std::nullopt;
    }
    if (mark == std::u16string_view::npos) {
        return TMantissaExponent{*mantissa, 0};
    }
    const auto exponent = TextToInteger(text.substr(mark + 1));
    if (!exponent) {
        return std::nullopt;
    }
    return TMantissaExponent{*mantissa, *exponent};
}

long long TruncateToMultipleOfThree(long long exponent) {
    return exponent / 3 * 3;
}

// "#." + decimals "#" + "E+", written without the "+" of positive exponents.
std::u16string ScientificText(double value, int decimals) {
    std::u16string text = FloatToScientificPatternText(value, decimals);
    if (const auto plus = text.find(u"E+"); plus != std::u16string::npos) {
        text.erase(plus + 1, 1);
    }
    return text;
}

void AppendInteger(std::u16string& text, long long number) {
    std::array<char, 24> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number).ptr;
    text.append(buffer.data(), end);
}

std::u16string Digits(std::uint64_t number, unsigned base) {
    static const std::u16string_view Symbols = u"0123456789ABCDEF";
    std::u16string text;
    do {
        text += Symbols[number % base];
        number /= base;
    } while (number != 0);
    std::reverse(text.begin(), text.end());
    return text;
}

// Seconds rounded to two decimals, halves away from zero.
double RoundHundredths(double seconds) {
    const double half = seconds < 0 ? -0.5 : 0.5;
    return std::trunc(seconds / 0.01 + half) * 0.01;
}

} // namespace

std::u16string TCalcResultViewer::ValueText() {
    FDigitText = FormatValue();
    return FDigitText;
}

std::u16string TCalcResultViewer::DisplayText() {
    if (FIsError) {
        return FErrorMessage;
    }
    if (FIsText) {
        return FText;
    }
    try {
        return ValueText();
    } catch (const std::exception&) {
        return u"Error";
    }
}

void TCalcResultViewer::SetValue(double value) {
    FIsError = false;
    FIsText = false;
    FValue = value;
}

void TCalcResultViewer::SetEng(int eng) {
    FEng = eng;
    FEngError = false;
}

void TCalcResultViewer::SetText(const std::u16string& text) {
    FIsError = false;
    FText = text;
    FIsText = true;
}

void TCalcResultViewer::Error(const std::u16string& message) {
    FIsError = true;
    FIsText = false;
    FErrorMessage = message;
}

std::u16string TCalcResultViewer::FormatValue() {
    const double value = ShownValue();
    switch (FViewMode) {
    case vtNormal:
        return WithPercent(NormalText(value, FIsGroupingSeparator));
    case vtFix:
        return WithPercent(FixText(PreRoundValue(value, FDigitNumber, FRoundSelector)));
    case vtSci:
        return WithPercent(SciText(PreRoundValue(value, FDigitNumber, FRoundSelector)));
    case vtEng:
        return EngText(value);
    case vtDms:
        return DmsText(value);
    case vtHex:
        return IntegerText(value, 16);
    case vtBin:
        return IntegerText(value, 2);
    case vtNotView:
        break;
    }
    return {};
}

// The percentage scales the shown value only; the stored value stays as it is.
double TCalcResultViewer::ShownValue() const {
    return FIsPercent ? FValue * 100 : FValue;
}

std::u16string TCalcResultViewer::WithPercent(std::u16string text) const {
    if (FIsPercent) {
        text += u'%';
    }
    return text;
}

std::u16string TCalcResultViewer::NormalText(double value, bool isGrouped) const {
    if (FIsBigDecimal) {
        return DecimalNormalText(isGrouped);
    }
    if (isGrouped) {
        const std::u16string integerText = FloatToGroupedPatternText(value, 0);
        const auto separators =
            static_cast<int>(std::count(integerText.begin(), integerText.end(), u','));
        const int length = static_cast<int>(integerText.size()) - separators;
        // Grouping only when the integer digits fit; the decimals fill up to one more digit
        // than N, as the established display does.
        if (separators > 0 && length <= FSignificantDigits) {
            return FloatToGroupedPatternText(value, FSignificantDigits - length + 1);
        }
    }
    return FloatToGeneralText(value, FSignificantDigits);
}

std::u16string TCalcResultViewer::DecimalNormalText(bool isGrouped) const {
    try {
        // Scaled like the double, so that a percentage never shows the unscaled decimal.
        const TBcd value = FIsPercent ? BcdMultiply(FBcdValue, IntegerToBcd(100)) : FBcdValue;
        if (isGrouped) {
            const std::u16string integerText = BcdToPatternText(value, 0);
            const auto separators =
                static_cast<int>(std::count(integerText.begin(), integerText.end(), u','));
            const int length = static_cast<int>(integerText.size()) - separators;
            if (separators > 0 && length <= FBcdSignificantDigits) {
                return BcdToPatternText(value, FBcdSignificantDigits - length + 1);
            }
        }
        return BcdToGeneralText(value, FBcdSignificantDigits);
    } catch (const EBcdException&) {
        return u"Error";
    }
}

std::u16string TCalcResultViewer::FixText(double value) const {
    const int decimals = FDigitNumber >= 0 ? FDigitNumber : 2;
    return FIsGroupingSeparator ? FloatToNumberText(value, decimals)
                                : FloatToFixedText(value, decimals);
}

std::u16string TCalcResultViewer::SciText(double value) const {
    if (FDigitNumber >= 0) {
        return FloatToExponentText(value, FDigitNumber);
    }
    if (value == 0) {
        return u"0";
    }
    return ScientificText(value, std::max(FSignificantDigits - 1, 0));
}

// The value with an exponent that is a multiple of three, moved from Eng toward zero by the
// value's own exponent. Falls back to the last text when the mantissa would not fit in N + 1
// characters or vanishes.
std::u16string TCalcResultViewer::EngText(double value) {
    const int decimals = std::max(FSignificantDigits - 1, 0);
    const auto parts = SplitAtExponent(NormalText(value, false));
    if (!parts) {
        return EngFailure();
    }
    if (parts->Mantissa == 0) {
        return u"0";
    }
    long long exponent = TruncateToMultipleOfThree(parts->Exponent + FEng);
    std::u16string mantissaText;
    if (exponent > 0) {
        mantissaText = FloatToPatternText(
            ScaleByPowerOfTen(parts->Mantissa, parts->Exponent - exponent), decimals);
    } else {
        mantissaText = FloatToGeneralText(
            ScaleByPowerOfTen(parts->Mantissa, parts->Exponent - exponent), FSignificantDigits);
        if (mantissaText.find(u'E') != std::u16string::npos) {
            // Too far from positional notation: start again from the value's own exponent.
            const auto own = SplitAtExponent(ScientificText(value, decimals));
            if (!own) {
                return EngFailure();
            }
            exponent = TruncateToMultipleOfThree(exponent + own->Exponent);
            mantissaText = FloatToPatternText(
                ScaleByPowerOfTen(own->Mantissa, own->Exponent - exponent), decimals);
        }
    }
    if (static_cast<int>(mantissaText.size()) > FSignificantDigits + 1) {
        return EngFailure();
    }
    std::u16string text = mantissaText + u'E';
    AppendInteger(text, exponent);
    const auto readBack = TextToFloat(text);
    if (!readBack || *readBack == 0) {
        return EngFailure();
    }
    return text;
}

std::u16string TCalcResultViewer::EngFailure() {
    FEngError = true;
    return FDigitText;
}

std::u16string TCalcResultViewer::DmsText(double value) {
    if (!std::isfinite(value)) {
        return u"Error";
    }
    const double magnitude = std::fabs(value);
    double degrees = std::trunc(magnitude);
    double minutes = std::trunc((magnitude - degrees) * 60);
    if (minutes >= 60) {
        degrees += 1;
        minutes -= 60;
    }
    double seconds = RoundHundredths((magnitude - degrees - minutes / 60) * 3600);
    if (seconds >= 60) {
        minutes += 1;
        if (minutes >= 60) {
            degrees += 1;
            minutes -= 60;
        }
        seconds -= 60;
    }
    const std::u16string degreesText = FloatToGeneralText(degrees, FSignificantDigits);
    if (degreesText.find(u'E') != std::u16string::npos) {
        FViewMode = vtNormal;
        return ValueText();
    }
    std::u16string text = value < 0 ? u"-" : u"";
    text += degreesText + u"\u00B0" + FloatToGeneralText(minutes, 15) + u"\u2032" +
            FloatToGeneralText(seconds, 15) + u"\u2033";
    return text;
}

// A value outside the 64-bit range has no integer digits to show: it is written as vtNormal
// would write it instead of as a wrong number.
std::u16string TCalcResultViewer::IntegerText(double value, int base) const {
    const auto integer = RoundToInt64(value);
    if (!integer) {
        return WithPercent(NormalText(value, FIsGroupingSeparator));
    }
    const std::u16string prefix = base == 16 ? u"0x" : u"0b";
    return prefix + Digits(static_cast<std::uint64_t>(*integer), static_cast<unsigned>(base));
}

} // namespace kalvio

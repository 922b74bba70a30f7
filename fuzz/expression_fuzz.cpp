// Any typed text through the whole calculation: conversion (with its normalisation), key-list
// normalisation, the double and the decimal calculator evaluators, and the result display in
// every mode. Each stage must succeed or fail with one of its own errors, and every result must
// be shown as a text that reads back as the value. A mode bit feeds the units to the evaluators
// as raw keys instead, to reach what no text converts to.
#include "FuzzSupport.h"
#include "display/CalcResultViewer.h"
#include "display/NumberFormat.h"
#include "engine/BcdCalculatorExpression.h"
#include "engine/CalculatorExpression.h"
#include "engine/EngineErrors.h"
#include "engine/ExpressionTextConvert.h"
#include "engine/KeyListNormalizer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace kalvio {
namespace {

// Texts longer than the converter accepts must be refused, so the input may go a little beyond.
constexpr std::size_t MaxTextUnits = TExpressionTextConvert::MaxTextLength + 8;

struct TRegisterSet {
    double Value;
    const char16_t* DecimalText;
};

// Register values from the ordinary to the extremes either number form can hold.
const std::array<TRegisterSet, 8>& RegisterSets() {
    static const std::array<TRegisterSet, 8> Sets = {{
        {0, u"0"},
        {1, u"1"},
        {-2.5, u"-2.5"},
        {1.0 / 3, u"0.3333333333"},
        {1e308, u"9999999999999999999999999999999999999999999999999999999999999999"},
        {-1e-300, u"-0.000000000000000000000000000000000000000000000000000000000000001"},
        {9.2233720368547758e18, u"9223372036854775808"},
        {-123456789.125, u"-123456789.125"},
    }};
    return Sets;
}

TVariableDictionary MakeDictionary() {
    TVariableDictionary dictionary;
    dictionary.AddOrSetValue(u"A", 2, StrToBcd(u"2"));
    dictionary.AddOrSetValue(u"R", 5, StrToBcd(u"5"), false, u"radius");
    dictionary.AddOrSetValue(u"ABC", 1e300, StrToBcd(u"1E63"));
    dictionary.AddOrSetValue(u"\u5909\u6570", -0.5, StrToBcd(u"-0.5"));
    dictionary.AddOrSetValue(u"X1", 0, TBcd{});
    dictionary.AddOrSetValue(u"NA", 6.02214076e23, StrToBcd(u"6.02214076E23"));
    return dictionary;
}

const TVariableDictionary& Dictionary() {
    static const TVariableDictionary dictionary = MakeDictionary();
    return dictionary;
}

void RequireErrorInRange(const EExpressionError& error, const TBaseExpression& expression) {
    FuzzRequire(error.ErrorNumber() != enNotError && error.ErrorNumber() != enPowerError,
                "an evaluation error names a real error");
    FuzzRequire(error.ErrorIndex() >= 1 && static_cast<std::size_t>(error.ErrorIndex()) <=
                                               expression.NormalizedKeyList().size(),
                "an evaluation error points into the normalised key list");
}

std::optional<double> EvaluateDouble(const TExpressionKeyList& keys, TAngleType angle,
                                     const TRegisterSet& registers) {
    TCalculatorExpression expression;
    expression.SetAngleMode(angle);
    expression.SetLastValue(registers.Value);
    expression.SetPreLastValue(-registers.Value);
    expression.SetVarM(registers.Value);
    expression.SetVarGT(registers.Value);
    expression.SetVarX(registers.Value);
    expression.SetVarY(1);
    expression.SetVarMCount(7);
    expression.SetVarGTCount(-3);
    expression.SetVariableDictionary(Dictionary());
    expression.SetKeyList(keys);
    try {
        const double value = expression.Calc();
        FuzzRequire(std::isfinite(value), "a double result is finite");
        FuzzRequire(std::isfinite(expression.VarX()) && std::isfinite(expression.VarY()),
                    "Pol( and Rec( leave finite registers");
        return value;
    } catch (const EExpressionError& error) {
        RequireErrorInRange(error, expression);
    } catch (const EIntegerDivisionError&) {
    } catch (const EVariableNotFound&) { // only a raw key list names a number nobody holds
    }
    return std::nullopt;
}

std::optional<TBcd> EvaluateDecimal(const TExpressionKeyList& keys, const TRegisterSet& registers) {
    const TBcd value = StrToBcd(registers.DecimalText);
    TBcdCalculatorExpression expression;
    expression.SetLastValue(value);
    expression.SetPreLastValue(BcdSubtract(TBcd{}, value));
    expression.SetVarM(value);
    expression.SetVarGT(value);
    expression.SetVarX(value);
    expression.SetVarY(IntegerToBcd(1));
    expression.SetVarMCount(7);
    expression.SetVarGTCount(-3);
    expression.SetVariableDictionary(Dictionary());
    expression.SetKeyList(keys);
    try {
        const TBcd result = expression.Calc();
        FuzzRequire(BcdIsValid(result), "a decimal result is a valid decimal");
        FuzzRequire(BcdCompare(StrToBcd(BcdToStr(result)), result) == 0,
                    "a decimal result reads back from its text");
        return result;
    } catch (const EExpressionError& error) {
        RequireErrorInRange(error, expression);
    } catch (const EBcdException&) {
    } catch (const EIntegerDivisionError&) {
    } catch (const EConvertError&) {
    } catch (const EVariableNotFound&) {
    }
    return std::nullopt;
}

std::u16string WithoutGrouping(std::u16string text) {
    text.erase(std::remove(text.begin(), text.end(), u','), text.end());
    return text;
}

// The shown text must read back as the value within the rounding of its digits.
void RequireReadsBack(const std::u16string& text, double value, double relativeTolerance,
                      double absoluteTolerance, const char* what) {
    const std::optional<double> shown = TextToFloat(WithoutGrouping(text));
    FuzzRequire(shown.has_value(), what);
    const double tolerance = std::fabs(value) * relativeTolerance + absoluteTolerance;
    FuzzRequire(std::fabs(*shown - value) <= tolerance, what);
}

// With KALVIO_FUZZ_TRACE set, every shown text is printed, to see which one broke a rule.
void Trace(int mode, double value, const std::u16string& text) {
    static const bool IsTracing = std::getenv("KALVIO_FUZZ_TRACE") != nullptr;
    if (!IsTracing) {
        return;
    }
    std::string narrow;
    for (const char16_t c : text) {
        narrow.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    std::fprintf(stderr, "mode %d, value %.17g: %s\n", mode, value, narrow.c_str());
}

struct TDisplaySettings {
    int SignificantDigits = 10;
    int BcdSignificantDigits = 15;
    int DigitNumber = -1;
    TRoundSelector RoundSelector = rs54;
    bool IsGrouping = false;
    bool IsPercent = false;
    int Eng = 0;
};

TDisplaySettings TakeDisplaySettings(TFuzzInput& input) {
    static const std::array<int, 8> EngShifts = {0, 3, -3, 1, -100, 400, 2147483647, -2147483647};
    TDisplaySettings settings;
    settings.SignificantDigits = 2 + static_cast<int>(input.TakeIndex(14));
    settings.BcdSignificantDigits = 2 + static_cast<int>(input.TakeIndex(29));
    settings.DigitNumber = static_cast<int>(input.TakeIndex(11)) - 1;
    settings.RoundSelector = static_cast<TRoundSelector>(input.TakeIndex(3));
    const std::uint8_t flags = input.TakeByte();
    settings.IsGrouping = (flags & 1) != 0;
    settings.IsPercent = (flags & 2) != 0;
    settings.Eng = EngShifts[(flags >> 2) % EngShifts.size()];
    return settings;
}

void ShowInEveryMode(double value, const TBcd& bcdValue, bool isBigDecimal,
                     const TDisplaySettings& settings) {
    // One display switched through the modes, as the user does: vtEng falls back to the text
    // shown before it.
    TCalcResultViewer viewer;
    viewer.SetValue(value);
    viewer.SetBcdValue(bcdValue);
    viewer.SetIsBigDecimal(isBigDecimal);
    viewer.SetSignificantDigits(settings.SignificantDigits);
    viewer.SetBcdSignificantDigits(settings.BcdSignificantDigits);
    viewer.SetDigitNumber(settings.DigitNumber);
    viewer.SetRoundSelector(settings.RoundSelector);
    viewer.SetIsGroupingSeparator(settings.IsGrouping);
    viewer.SetIsPercent(settings.IsPercent);
    viewer.SetEng(settings.Eng);
    for (int mode = vtNormal; mode <= vtNotView; ++mode) {
        viewer.SetViewMode(static_cast<TResultViewType>(mode));
        const std::u16string text = viewer.DisplayText();
        Trace(mode, value, text);
        if (mode == vtNotView) {
            continue;
        }
        FuzzRequire(!text.empty(), "a value is shown as some text");
        if (mode == vtNormal && !isBigDecimal && !settings.IsPercent) {
            RequireReadsBack(text, value, 0.51 * std::pow(10.0, 1 - settings.SignificantDigits), 0,
                             "the normal display reads back as the value");
        }
        if (mode == vtNormal && isBigDecimal && !settings.IsPercent) {
            RequireReadsBack(text, BcdToDouble(bcdValue),
                             0.51 * std::pow(10.0, 1 - settings.BcdSignificantDigits) + 1e-15,
                             1e-300, "the decimal display reads back as the value");
        }
        // Pre-rounding works at d decimals, so without d it rounds to tens.
        if (mode == vtFix && !settings.IsPercent && std::fabs(value) < 1e15 &&
            (settings.DigitNumber >= 0 || settings.RoundSelector == rs54)) {
            const int decimals = settings.DigitNumber >= 0 ? settings.DigitNumber : 2;
            RequireReadsBack(text, value, 1e-14, 1.01 * std::pow(10.0, -decimals),
                             "the fixed display reads back as the value");
        }
        if ((mode == vtHex || mode == vtBin) && !settings.IsPercent && std::fabs(value) < 9e18) {
            FuzzRequire(text.starts_with(mode == vtHex ? u"0x" : u"0b"),
                        "an integer display carries its prefix");
        }
    }
}

} // namespace
} // namespace kalvio

namespace kalvio {
namespace {

// The keys of a typed text; nothing when the converter refuses it.
std::optional<TExpressionKeyList> ConvertText(const std::u16string& text, bool isVarCalcMode) {
    TExpressionTextConvert converter(Dictionary());
    converter.SetIsVarCalcMode(isVarCalcMode);
    const bool converted = converter.Convert(text);
    FuzzRequire(converter.ErrorIndex() >= 0 &&
                    static_cast<std::size_t>(converter.ErrorIndex()) <=
                        std::max(converter.ExpressionText().size(), text.size()),
                "the conversion error points into the text");
    if (!converted) {
        FuzzRequire(text.empty() || text.size() > TExpressionTextConvert::MaxTextLength ||
                        static_cast<std::size_t>(converter.ErrorIndex()) <
                            converter.ExpressionText().size(),
                    "a refused text names the place it stopped");
        return std::nullopt;
    }
    FuzzRequire(!text.empty() && text.size() <= TExpressionTextConvert::MaxTextLength,
                "only texts of 1 to 1024 units convert");
    return converter.TakeKeyList();
}

// Any key list, as no text produces it (coordinate conversions, X and Y, markers, stray end
// keys): the evaluators must refuse what they cannot read, never misread it.
TExpressionKeyList RawKeys(const std::u16string& text) {
    TExpressionKeyList keys;
    for (const char16_t unit : text) {
        keys.push_back(static_cast<TExpressionKey>(unit % (ekExressionKeyEnd + 1)));
    }
    return keys;
}

} // namespace
} // namespace kalvio

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kalvio;
    TFuzzInput input(data, size);
    const std::uint8_t modes = input.TakeByte();
    const auto angle = static_cast<TAngleType>(modes % 3);
    const bool isRawKeyList = (modes & 0x40) != 0;
    const bool isVarCalcMode = (modes & 0x80) != 0;
    const TRegisterSet& registers = RegisterSets()[input.TakeIndex(RegisterSets().size())];
    const TDisplaySettings settings = TakeDisplaySettings(input);
    const std::u16string text = input.TakeText16(MaxTextUnits);

    const std::optional<TExpressionKeyList> keys =
        isRawKeyList ? RawKeys(text) : ConvertText(text, isVarCalcMode);
    if (!keys) {
        return 0;
    }
    TExpressionKeyList normalized = *keys;
    normalized.push_back(ekEnd);
    NormalizeKeyList(normalized);
    FuzzRequire(!normalized.empty() && normalized.back() == ekEnd,
                "normalisation keeps the end key last");

    const std::optional<double> doubleValue = EvaluateDouble(*keys, angle, registers);
    const std::optional<TBcd> decimalValue = EvaluateDecimal(*keys, registers);
    if (doubleValue) {
        TBcd twin{};
        try {
            twin = DoubleToBcd(*doubleValue);
        } catch (const EBcdException&) {
            twin.Precision = 0xFF; // no decimal twin, as the calculator marks it
        }
        ShowInEveryMode(*doubleValue, twin, false, settings);
    }
    if (decimalValue) {
        ShowInEveryMode(BcdToDouble(*decimalValue), *decimalValue, true, settings);
    }
    return 0;
}

#include "engine/CalculatorExpression.h"
#include "engine/ExpressionTextConvert.h"

#include <benchmark/benchmark.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace kalvio;

// Typical typed expressions of 20 to 40 characters.
const std::u16string_view TypicalExpressions[] = {
    u"12345.678*(9-3.5)/2+100",        u"sin(30)+cos(60)*tan(45)-1",
    u"ans*1.08+preans-m/gt",           u"rate*principal+1000 mod 7",
    u"sqrt(2)^2+log(100)+ln(2.71828)", u"hex(ff)+bin(1010)*2-abs(-5)",
    u"roundoff(123.456,2)+floor(2.5)", u"\u221A9\u00B2+8 DIV 3+50%-2\u03C0",
    u"-(3.5e-5*-2)^2+10!/3!",          u"arctan(1)*4-arcsin(0.5)+cosh 1",
    u"(1+0.05/12)^(12*30)*250000",     u"-sin(45)^2+2(3+4)(5-1)/7",
};

TVariableDictionary MakeDictionary() {
    TVariableDictionary dictionary;
    dictionary.AddOrSetValue(u"RATE", 0.05, TBcd{});
    dictionary.AddOrSetValue(u"PRINCIPAL", 250000, TBcd{});
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
        if (letter != u'E' && letter != u'M' && letter != u'X' && letter != u'Y') {
            dictionary.AddOrSetValue(std::u16string(1, letter), letter - u'A' + 1.0, TBcd{});
        }
    }
    dictionary.AddOrSetValue(std::u16string(1000, u'N'), 2, TBcd{});
    return dictionary;
}

// What one Enter costs: convert, normalise, evaluate. Failures are part of the work measured.
double ConvertAndEvaluate(std::u16string_view text, const TVariableDictionary& dictionary) {
    TExpressionTextConvert converter(dictionary);
    if (!converter.Convert(text)) {
        return -1;
    }
    TCalculatorExpression expression;
    expression.SetVariableDictionary(dictionary);
    expression.SetLastValue(1.5);
    expression.SetPreLastValue(0.5);
    expression.SetVarM(3);
    expression.SetVarGT(4);
    expression.SetKeyList(converter.KeyList());
    try {
        return expression.Calc();
    } catch (const std::exception&) {
        return -2;
    }
}

void BM_TypicalExpression(benchmark::State& state) {
    const TVariableDictionary dictionary = MakeDictionary();
    const std::u16string_view text = TypicalExpressions[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(ConvertAndEvaluate(text, dictionary));
    }
    state.SetLabel(std::string(text.begin(), text.end()).substr(0, 24));
}
BENCHMARK(BM_TypicalExpression)->DenseRange(0, std::size(TypicalExpressions) - 1);

// Texts of up to 1024 characters built to be slow.
std::u16string RepeatText(std::u16string_view unit, std::u16string_view tail = u"1",
                          std::u16string_view head = u"") {
    std::u16string text(head);
    while (text.size() + unit.size() + tail.size() <= 1024) {
        text += unit;
    }
    return text + std::u16string(tail);
}

std::vector<std::pair<const char*, std::u16string>> WorstCases() {
    return {
        {"deep_parentheses", std::u16string(255, u'(') + u"1" + std::u16string(255, u')')},
        {"too_deep_parentheses", std::u16string(1023, u'(') + u"1"},
        {"nested_functions", RepeatText(u"abs(")},
        {"unary_minus_chain", RepeatText(u"-")},
        {"unary_minus_parentheses", RepeatText(u"-(")},
        {"alternating_signs", RepeatText(u"1-+")},
        {"sum_chain", RepeatText(u"1+")},
        {"implicit_products", RepeatText(u"\u03C0")},
        {"thousand_digit_number", RepeatText(u"9", u"")},
        {"long_name", std::u16string(1000, u'N') + u"*2"},
        {"many_variables", RepeatText(u"A+B*")},
        {"exact_sines", RepeatText(u"sin 180+")},
        {"wide_integer_division", RepeatText(u" DIV 3", u"", u"1E308")},
        {"hex_digits", u"HEX(" + std::u16string(1010, u'0') + u"1)"},
        {"exponent_signs", RepeatText(u"1E-1E+")},
    };
}

void BM_WorstCase(benchmark::State& state) {
    const TVariableDictionary dictionary = MakeDictionary();
    const auto cases = WorstCases();
    const auto& [name, text] = cases[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        benchmark::DoNotOptimize(ConvertAndEvaluate(text, dictionary));
    }
    state.SetLabel(name);
}
BENCHMARK(BM_WorstCase)->DenseRange(0, 14)->Unit(benchmark::kMicrosecond);

} // namespace

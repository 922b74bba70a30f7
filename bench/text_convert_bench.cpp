#include "engine/ExpressionTextConvert.h"

#include <benchmark/benchmark.h>
#include <string_view>

namespace {

using kalvio::TBcd;
using kalvio::TExpressionTextConvert;
using kalvio::TVariableDictionary;

// Typical typed expressions of 20 to 40 characters: operators, functions, registers, variables,
// full-width input and spaces.
constexpr std::u16string_view Expressions[] = {
    u"12345.678*(9-3.5)/2+100",
    u"sin(30)+cos(60)*tan(45)-1",
    u"\uFF12\uFF0B\uFF13\u00D7\uFF14\u00F7\uFF15\u30FC\uFF16",
    u"ans*1.08+preans-m/gt",
    u"rate*principal+1000 mod 7",
    u"sqrt(2)^2+log(100)+ln(2.71828)",
    u"hex(ff)+bin(1010)*2-abs(-5)",
    u"\u5909\u6570*2+\u30EC\u30FC\u30C8/3.5e-5",
    u"roundoff(123.456,2)+floor(2.5)",
    u"\u221A9\u00B2+8 DIV 3+50%",
};

TVariableDictionary MakeDictionary() {
    TVariableDictionary dictionary;
    for (std::u16string_view name : {u"RATE", u"PRINCIPAL", u"\u5909\u6570", u"\u30EC"}) {
        dictionary.AddOrSetValue(name, 1.0, TBcd{});
    }
    return dictionary;
}

void BM_ConvertTypicalExpressions(benchmark::State& state) {
    const TVariableDictionary dictionary = MakeDictionary();
    std::size_t characters = 0;
    for (std::u16string_view text : Expressions) {
        characters += text.size();
    }
    for (auto _ : state) {
        for (std::u16string_view text : Expressions) {
            TExpressionTextConvert converter(dictionary);
            benchmark::DoNotOptimize(converter.Convert(text));
            benchmark::DoNotOptimize(converter.KeyList().data());
        }
    }
    const double expressions = static_cast<double>(std::size(Expressions));
    state.counters["ns_per_expression"] = benchmark::Counter(
        expressions, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["chars_per_expression"] = static_cast<double>(characters) / expressions;
}
BENCHMARK(BM_ConvertTypicalExpressions);

void BM_ConvertLongestText(benchmark::State& state) {
    const TVariableDictionary dictionary = MakeDictionary();
    std::u16string text;
    while (text.size() + 12 <= TExpressionTextConvert::MaxTextLength) {
        text += u"sin(RATE)+1*";
    }
    text += u"2";
    for (auto _ : state) {
        TExpressionTextConvert converter(dictionary);
        benchmark::DoNotOptimize(converter.Convert(text));
    }
}
BENCHMARK(BM_ConvertLongestText);

} // namespace

#include "engine/BcdCalculatorExpression.h"
#include "engine/ExpressionTextConvert.h"
#include "engine/VariableDictionary.h"

#include <benchmark/benchmark.h>
#include <iterator>

namespace {

using namespace kalvio;

// Typical typed expressions of 20 to 40 characters, converted and evaluated as the calculator
// does in BigDecimal mode.
const char16_t* const Expressions[] = {
    u"123.456*(7.89+0.12)/3-2^10", u"(1+0.05)^12*250000-ANS",       u"3.14159*12.5^2+7 MOD 3-1/7",
    u"12!/(5!*7!)+1.5%*M",         u"-(2.5E3+4.75)*(6-1/3)^3+RATE",
};

void BM_BcdExpression(benchmark::State& state) {
    TVariableDictionary dictionary;
    dictionary.AddOrSetValue(u"RATE", 0.035, StrToBcd(u"0.035"));
    const std::u16string text = Expressions[state.range(0)];
    state.SetLabel(std::string(text.begin(), text.end()));
    for (auto _ : state) {
        TExpressionTextConvert converter(dictionary);
        converter.Convert(text);
        TBcdCalculatorExpression expression;
        expression.SetKeyList(converter.KeyList());
        expression.SetLastValue(StrToBcd(u"1234.5"));
        expression.SetVarM(StrToBcd(u"17"));
        expression.SetVariableDictionary(dictionary);
        benchmark::DoNotOptimize(expression.Calc());
    }
}
BENCHMARK(BM_BcdExpression)->DenseRange(0, std::size(Expressions) - 1);

} // namespace

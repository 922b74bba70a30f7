#include "engine/Bcd.h"
#include "engine/BcdPower.h"

#include <benchmark/benchmark.h>
#include <iterator>
#include <string>

namespace {

using kalvio::StrToBcd;
using kalvio::TBcd;

// Two 30-digit operands with decimals, the size of a long typed number.
const TBcd Left = StrToBcd(u"123456789012345.678901234567891");
const TBcd Right = StrToBcd(u"98765.4321098765432109876543210");

template <TBcd (*Operation)(const TBcd&, const TBcd&)> void BM_Bcd(benchmark::State& state) {
    TBcd left = Left;
    TBcd right = Right;
    for (auto _ : state) {
        benchmark::DoNotOptimize(left);
        benchmark::DoNotOptimize(right);
        benchmark::DoNotOptimize(Operation(left, right));
    }
}
BENCHMARK(BM_Bcd<kalvio::BcdAdd>)->Name("BM_BcdAdd30Digits");
BENCHMARK(BM_Bcd<kalvio::BcdSubtract>)->Name("BM_BcdSubtract30Digits");
BENCHMARK(BM_Bcd<kalvio::BcdMultiply>)->Name("BM_BcdMultiply30Digits");
BENCHMARK(BM_Bcd<kalvio::BcdDivide>)->Name("BM_BcdDivide30Digits");

void BM_BcdDivide64Digits(benchmark::State& state) {
    TBcd left = StrToBcd(u"1234567890123456789012345678901234567890123456789012.345678901234");
    TBcd right = StrToBcd(u"9.876543210987654321098765432109876543210987654321098765432109876");
    for (auto _ : state) {
        benchmark::DoNotOptimize(left);
        benchmark::DoNotOptimize(kalvio::BcdDivide(left, right));
    }
}
BENCHMARK(BM_BcdDivide64Digits);

void BM_BcdToGeneralText(benchmark::State& state) {
    TBcd value = Left;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(kalvio::BcdToGeneralText(value, 15));
    }
}
BENCHMARK(BM_BcdToGeneralText);

void BM_StrToBcd(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(StrToBcd(u"123456789012345.678901234567891"));
    }
}
BENCHMARK(BM_StrToBcd);

} // namespace

namespace {

// x^n for the bases and exponents of the power targets; Arg(i) picks the case.
struct TPowerCase {
    const char16_t* Base;
    std::int32_t Exponent;
};

const TPowerCase PowerCases[] = {
    // every exponent up to 10,000
    {u"2", 212},
    {u"1.0000001", 7},
    {u"0.99", -10000},
    {u"0.999", -10000},
    {u"1.01", -10000},
    {u"0.9999999", -10000},
    {u"0.990000000000000000000000000000000000000000000000000000000000001", -10000},
    {u"1.0000000000000000000000000000000000000000000000000000000000001", -10000},
    // shortcuts at any exponent
    {u"1", 2147483647},
    {u"-1", -2147483647},
    {u"2", -2147483647},
    {u"0.9999999999", -2147483647},
    {u"1.0000000001", -2147483647},
    {u"0.999999999", -2147483647},
    // the slowest ones: a long shrinking walk on 64 digits, and the round budget
    {u"1.00001000000000000000000000000000000000000000000000000000000001", -2147483647},
    {u"0.9999990000000000000000000000000000001", -2147483647},
    {u"0.999999", -2147483647},
};

void BM_BcdPower(benchmark::State& state) {
    const TPowerCase& power = PowerCases[state.range(0)];
    const TBcd base = StrToBcd(power.Base);
    std::string label(power.Base, power.Base + std::char_traits<char16_t>::length(power.Base));
    state.SetLabel(label.substr(0, 20) + "^" + std::to_string(power.Exponent));
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(kalvio::BcdPower(base, power.Exponent));
        } catch (const kalvio::EBcdException&) {
            // overflow and the round budget are outcomes too
        }
    }
}
BENCHMARK(BM_BcdPower)
    ->DenseRange(0, std::size(PowerCases) - 1)
    ->Unit(benchmark::kMicrosecond)
    ->MeasureProcessCPUTime();

} // namespace

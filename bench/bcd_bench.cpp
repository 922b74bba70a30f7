#include "engine/Bcd.h"

#include <benchmark/benchmark.h>

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

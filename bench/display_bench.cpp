#include "display/CalcResultViewer.h"

#include <benchmark/benchmark.h>

namespace {

using kalvio::TCalcResultViewer;

void RunValueText(benchmark::State& state, TCalcResultViewer& viewer) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(viewer.ValueText());
    }
}

void BM_ValueTextNormal(benchmark::State& state) {
    TCalcResultViewer viewer;
    viewer.SetValue(1234.56789012345);
    RunValueText(state, viewer);
}
BENCHMARK(BM_ValueTextNormal);

void BM_ValueTextNormalGrouped(benchmark::State& state) {
    TCalcResultViewer viewer;
    viewer.SetIsGroupingSeparator(true);
    viewer.SetValue(1234567.891234);
    RunValueText(state, viewer);
}
BENCHMARK(BM_ValueTextNormalGrouped);

void BM_ValueTextFix(benchmark::State& state) {
    TCalcResultViewer viewer;
    viewer.SetViewMode(kalvio::vtFix);
    viewer.SetDigitNumber(4);
    viewer.SetValue(1234.56789012345);
    RunValueText(state, viewer);
}
BENCHMARK(BM_ValueTextFix);

void BM_ValueTextEng(benchmark::State& state) {
    TCalcResultViewer viewer;
    viewer.SetViewMode(kalvio::vtEng);
    viewer.SetEng(3);
    viewer.SetValue(1234.56789012345);
    RunValueText(state, viewer);
}
BENCHMARK(BM_ValueTextEng);

void BM_ValueTextDecimalNormal(benchmark::State& state) {
    TCalcResultViewer viewer;
    viewer.SetIsBigDecimal(true);
    viewer.SetBcdSignificantDigits(30);
    const auto value = kalvio::StrToBcd(u"3.14159265358979323846264338327950288419716939937");
    viewer.SetBcdValue(value);
    viewer.SetValue(kalvio::BcdToDouble(value));
    RunValueText(state, viewer);
}
BENCHMARK(BM_ValueTextDecimalNormal);

} // namespace

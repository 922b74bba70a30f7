#include "calculator/CalculatorSession.h"
#include "calculator/RealTimeCalculation.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string_view>

namespace {

// Typical lines as a user types them, each typed character by character and entered. None fails:
// a failed text would stay in the field and the next line would continue it.
constexpr std::array<std::u16string_view, 8> TypicalLines = {
    u"123+45*6",    u"(987-65)/4", u"12.5*3.75-8", u"2^8+100",
    u"sqrt(144)*3", u"sin(30)+1",  u"ln(20)*3",    u"exp(2/3)-7",
};
// Decimal mode has no functions.
constexpr std::array<std::u16string_view, 8> TypicalDecimalLines = {
    u"123+45*6", u"(987-65)/4", u"12.5*3.75-8", u"2^8+100",
    u"ANS/7",    u"1/3*3",      u"0.1+0.2",     u"GTCOUNT*2",
};

void EnterLines(benchmark::State& state, const std::array<std::u16string_view, 8>& lines,
                bool isBigDecimal) {
    kalvio::TCalculatorSession session;
    session.Field.OnChange = nullptr;
    if (isBigDecimal) {
        session.Calculator.BigDecimalActionExecute();
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(session.Enter(lines[next]));
        next = (next + 1) % lines.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_EnterTypicalLineDouble(benchmark::State& state) {
    EnterLines(state, TypicalLines, false);
}
BENCHMARK(BM_EnterTypicalLineDouble);

void BM_EnterTypicalLineDecimal(benchmark::State& state) {
    EnterLines(state, TypicalDecimalLines, true);
}
BENCHMARK(BM_EnterTypicalLineDecimal);

// What one keystroke costs with real-time calculation on: the snapshot (with 100 variables to
// choose from) and the evaluation a worker runs.
void BM_RealTimeSnapshotAndEvaluation(benchmark::State& state) {
    kalvio::TVariableDictionary variables;
    for (int i = 0; i < 100; ++i) {
        variables.AddOrSetValue(u"V" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)) +
                                    std::u16string(1, static_cast<char16_t>(u'A' + i / 26)),
                                i, {});
    }
    for (auto _ : state) {
        const kalvio::TRealTimeSnapshot snapshot = kalvio::MakeRealTimeSnapshot(
            u"VAA*3+VBB/2", kalvio::TCalculatorRegisters{}, kalvio::atDeg, false, variables);
        benchmark::DoNotOptimize(kalvio::EvaluateRealTime(snapshot));
    }
}
BENCHMARK(BM_RealTimeSnapshotAndEvaluation);

} // namespace

#include "calculator/CalculatorSession.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string_view>

namespace {

// Typical lines as a user types them, each typed character by character and entered.
constexpr std::array<std::u16string_view, 8> TypicalLines = {
    u"123+45*6",    u"(987-65)/4", u"12.5*3.75-8", u"2^8+100",
    u"sqrt(144)*3", u"sin(30)+1",  u"ln(20)*3",    u"exp(2/3)-7",
};

void EnterLines(benchmark::State& state, bool isBigDecimal) {
    kalvio::TCalculatorSession session;
    session.Field.OnChange = nullptr;
    if (isBigDecimal) {
        session.Calculator.BigDecimalActionExecute();
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(session.Enter(TypicalLines[next]));
        next = (next + 1) % TypicalLines.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_EnterTypicalLineDouble(benchmark::State& state) {
    EnterLines(state, false);
}
BENCHMARK(BM_EnterTypicalLineDouble);

// Decimal mode refuses the functions, which fail as syntax errors: a mix of results and errors.
void BM_EnterTypicalLineDecimal(benchmark::State& state) {
    EnterLines(state, true);
}
BENCHMARK(BM_EnterTypicalLineDecimal);

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

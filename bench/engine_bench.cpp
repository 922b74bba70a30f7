#include "engine/ExpressionKey.h"

#include <benchmark/benchmark.h>

namespace {

void BM_KeyToText(benchmark::State& state) {
    for (auto _ : state) {
        for (int key = kalvio::ekShift; key <= kalvio::ekExressionKeyEnd; ++key) {
            benchmark::DoNotOptimize(kalvio::KeyToText(static_cast<kalvio::TExpressionKey>(key)));
        }
    }
}
BENCHMARK(BM_KeyToText);

} // namespace

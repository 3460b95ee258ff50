// The searches run inside a button handler; these are the sizes a user waits for.
#include <benchmark/benchmark.h>

#include "tools/circuit/findres.h"
#include "tools/circuit/resdivider.h"

namespace {

using circuit::Series;

void BM_RatioE96(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(circuit::FindRatio(Series::kE96, 2.345));
}
BENCHMARK(BM_RatioE96)->Unit(benchmark::kMillisecond);

// 451 584 candidates each.
void BM_SeriesE96(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(circuit::FindSeriesPair(Series::kE96, 12345.6));
}
BENCHMARK(BM_SeriesE96)->Unit(benchmark::kMillisecond);

void BM_ParallelE96(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(circuit::FindParallelPair(Series::kE96, 12345.6));
}
BENCHMARK(BM_ParallelE96)->Unit(benchmark::kMillisecond);

// Whole handler texts, formatting included.
void BM_ParallelE96Text(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(circuit::ParallelSearch(Series::kE96, "1500"));
}
BENCHMARK(BM_ParallelE96Text)->Unit(benchmark::kMillisecond);

// Ten million candidates.
void BM_DividerChoice(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(circuit::ChooseDividerR1(1000, 2000));
}
BENCHMARK(BM_DividerChoice)->Unit(benchmark::kMillisecond);

}  // namespace

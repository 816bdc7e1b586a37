// Time per hand of the evaluation over all 2,598,960 hands, counts and full
// record included. The straightforward reference ranking is timed beside it
// for comparison. On a shared machine run it with repetitions, e.g.
// --benchmark_repetitions=5, and read the "_min" line: the least disturbed run.
#include "CardFixtures.h"
#include "Cards.h"
#include "ReferenceEvaluator.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

constexpr std::int64_t kHands = 2598960;

template <typename Evaluate>
void EveryHand(benchmark::State& state, Evaluate evaluate) {
  velmora::HandRank rank;
  velmora::RankCounts counts;
  for (auto _ : state) {
    velmora::testing::ForEveryHand([&](const velmora::Hand& hand) {
      benchmark::DoNotOptimize(hand);
      evaluate(hand, rank, counts);
      benchmark::DoNotOptimize(rank);
      benchmark::DoNotOptimize(counts);
    });
  }
  state.SetItemsProcessed(state.iterations() * kHands);
  // Seconds per hand, printed with an SI prefix ("12.3n" is 12.3 ns).
  state.counters["time_per_hand"] =
      benchmark::Counter(static_cast<double>(state.iterations() * kHands),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_EvaluateHand(benchmark::State& state) {
  EveryHand(state, [](const velmora::Hand& hand, velmora::HandRank& rank,
                      velmora::RankCounts& counts) { velmora::EvaluateHand(hand, rank, counts); });
}
double Fastest(const std::vector<double>& runs) {
  return *std::min_element(runs.begin(), runs.end());
}

BENCHMARK(BM_EvaluateHand)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Fastest);

void BM_ReferenceEvaluateHand(benchmark::State& state) {
  EveryHand(state,
            [](const velmora::Hand& hand, velmora::HandRank& rank, velmora::RankCounts& counts) {
              velmora::testing::ReferenceEvaluateHand(hand, rank, counts);
            });
}
BENCHMARK(BM_ReferenceEvaluateHand)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Fastest);

}  // namespace

BENCHMARK_MAIN();

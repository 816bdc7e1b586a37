// Time per hand of the evaluation over all 2,598,960 hands, counts and full
// record included. On a shared machine run it with repetitions, e.g.
// --benchmark_repetitions=5, and read the "_min" line: the least disturbed run.
#include "cards/Cards.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

constexpr std::int64_t kHands = 2598960;

void BM_EvaluateHand(benchmark::State& state) {
  velmora::HandRank rank;
  velmora::RankCounts counts;
  velmora::Hand hand{};
  for (auto _ : state) {
    for (hand[0] = 1; hand[0] <= 48; ++hand[0]) {
      for (hand[1] = hand[0] + 1; hand[1] <= 49; ++hand[1]) {
        for (hand[2] = hand[1] + 1; hand[2] <= 50; ++hand[2]) {
          for (hand[3] = hand[2] + 1; hand[3] <= 51; ++hand[3]) {
            for (hand[4] = hand[3] + 1; hand[4] <= 52; ++hand[4]) {
              benchmark::DoNotOptimize(hand);
              velmora::EvaluateHand(hand, rank, counts);
              benchmark::DoNotOptimize(rank);
              benchmark::DoNotOptimize(counts);
            }
          }
        }
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * kHands);
  // Seconds per hand, printed with an SI prefix ("12.3n" is 12.3 ns).
  state.counters["time_per_hand"] =
      benchmark::Counter(static_cast<double>(state.iterations() * kHands),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

double Fastest(const std::vector<double>& runs) {
  return *std::min_element(runs.begin(), runs.end());
}

BENCHMARK(BM_EvaluateHand)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Fastest);

}  // namespace

BENCHMARK_MAIN();

// Time per hand of the ranking over all 2,598,960 hands, counts and full
// record included, beside the ranking it replaced. Before timing anything it
// ranks every hand both ways and stops if a record or a count differs.
// On a shared machine run both many times, interleaved, and compare the
// "_min" lines, the least disturbed runs:
//   velmora_cards_benchmark --benchmark_repetitions=15 --benchmark_enable_random_interleaving=true
#include "cards/Cards.h"
#include "tools/cards-benchmark/BaselineEvaluate.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::int64_t kHands = 2598960;

// Calls rank(hand) for every hand, cards in ascending order.
template <typename Rank>
void ForEveryHand(Rank&& rank) {
  velmora::Hand hand{};
  for (hand[0] = 1; hand[0] <= 48; ++hand[0]) {
    for (hand[1] = hand[0] + 1; hand[1] <= 49; ++hand[1]) {
      for (hand[2] = hand[1] + 1; hand[2] <= 50; ++hand[2]) {
        for (hand[3] = hand[2] + 1; hand[3] <= 51; ++hand[3]) {
          for (hand[4] = hand[3] + 1; hand[4] <= 52; ++hand[4]) {
            rank(hand);
          }
        }
      }
    }
  }
}

template <void (*Evaluate)(const velmora::Hand&, velmora::HandRank&, velmora::RankCounts&)>
void TimeEveryHand(benchmark::State& state) {
  velmora::HandRank rank;
  velmora::RankCounts counts;
  for (auto _ : state) {
    ForEveryHand([&](velmora::Hand& hand) {
      benchmark::DoNotOptimize(hand);
      Evaluate(hand, rank, counts);
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

double Fastest(const std::vector<double>& runs) {
  return *std::min_element(runs.begin(), runs.end());
}

BENCHMARK(TimeEveryHand<velmora::EvaluateHand>)
    ->Name("EvaluateHand")
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Fastest);
BENCHMARK(TimeEveryHand<velmora::baseline::EvaluateHand>)
    ->Name("EvaluateHand_before")
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Fastest);

bool BothAgreeOnEveryHand() {
  std::int64_t differing = 0;
  ForEveryHand([&](const velmora::Hand& hand) {
    velmora::HandRank rank;
    velmora::RankCounts counts;
    velmora::HandRank before;
    velmora::RankCounts countsBefore;
    velmora::EvaluateHand(hand, rank, counts);
    velmora::baseline::EvaluateHand(hand, before, countsBefore);
    differing += (rank != before || counts != countsBefore) ? 1 : 0;
  });
  std::printf("Both rankings agree on %lld of %lld hands\n",
              static_cast<long long>(kHands - differing), static_cast<long long>(kHands));
  return differing == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (!BothAgreeOnEveryHand()) {
    return EXIT_FAILURE;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return EXIT_FAILURE;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return EXIT_SUCCESS;
}

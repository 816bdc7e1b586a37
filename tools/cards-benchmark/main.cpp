// Time per hand of the ranking, counts and full record included, on a
// million random deals, beside the same ranking worked out step by step:
// what the ranking's tables buy. Random hands, as the simulator and the
// advisor rank them, so that branch prediction is not flattered by an
// orderly walk. History and tools/speed-compare.sh are the yardstick for a
// change. On a shared machine run both many times, interleaved, and compare
// the "_min" lines, the least disturbed runs:
//   velmora_cards_benchmark --benchmark_repetitions=15 --benchmark_enable_random_interleaving=true
#include "cards/Cards.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <random>
#include <vector>

namespace {

constexpr std::size_t kHands = 1 << 20;

// The first five cards of shuffled decks, the same every run.
const std::vector<velmora::Hand>& RandomHands() {
  static const std::vector<velmora::Hand> hands = [] {
    std::vector<velmora::Hand> dealt(kHands);
    std::array<velmora::Card, 52> deck{};
    std::iota(deck.begin(), deck.end(), 1);
    std::mt19937_64 random(1);
    for (velmora::Hand& hand : dealt) {
      std::shuffle(deck.begin(), deck.end(), random);
      std::copy_n(deck.begin(), hand.size(), hand.begin());
    }
    return dealt;
  }();
  return hands;
}

template <void (*Evaluate)(const velmora::Hand&, velmora::HandRank&, velmora::RankCounts&)>
void TimeRandomHands(benchmark::State& state) {
  const std::vector<velmora::Hand>& hands = RandomHands();
  velmora::HandRank rank;
  velmora::RankCounts counts;
  for (auto _ : state) {
    for (const velmora::Hand& hand : hands) {
      Evaluate(hand, rank, counts);
      benchmark::DoNotOptimize(rank);
      benchmark::DoNotOptimize(counts);
    }
  }
  const auto ranked = static_cast<double>(state.iterations()) * static_cast<double>(kHands);
  state.SetItemsProcessed(static_cast<std::int64_t>(ranked));
  // Seconds per hand, printed with an SI prefix ("12.3n" is 12.3 ns).
  state.counters["time_per_hand"] =
      benchmark::Counter(ranked, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

double Fastest(const std::vector<double>& runs) {
  return *std::min_element(runs.begin(), runs.end());
}

BENCHMARK(TimeRandomHands<velmora::EvaluateHand>)
    ->Name("EvaluateHand")
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Fastest);
BENCHMARK(TimeRandomHands<velmora::EvaluateHandAsWritten>)
    ->Name("EvaluateHandAsWritten")
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Fastest);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return EXIT_FAILURE;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return EXIT_SUCCESS;
}

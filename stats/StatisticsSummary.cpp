#include "stats/StatisticsSummary.h"

#include "stats/HandDescription.h"

#include <numeric>

namespace velmora {

namespace {

std::string Count(std::uint32_t value) {
  return std::to_string(value);
}

std::string Money(std::int64_t dollars) {
  return "$" + std::to_string(dollars);
}

// (count × 100) div hands, or 0 before the first hand.
std::string PercentOfHands(std::uint32_t count, std::uint32_t handsPlayed) {
  return Count(handsPlayed == 0 ? 0 : (count * 100u) / handsPlayed) + "%";
}

std::string StreakText(std::uint32_t streak) {
  return Count(streak) + (streak == 1 ? " Hand" : " Hands");
}

template <std::size_t N>
std::string Total(const std::array<std::uint32_t, N>& counts) {
  // The counters wrap like the record they come from.
  return Count(std::accumulate(counts.begin(), counts.end(), std::uint32_t{0}));
}

template <std::size_t N>
std::array<std::string, N> Counts(const std::array<std::uint32_t, N>& counts) {
  std::array<std::string, N> texts;
  for (std::size_t i = 0; i < N; ++i) {
    texts[i] = Count(counts[i]);
  }
  return texts;
}

SeatSummary SeatOf(std::uint32_t longestStreak, std::uint32_t improved, const HandRank& best,
                   const std::array<std::uint32_t, 10>& categories,
                   const std::array<std::uint32_t, 5>& draws, std::uint32_t hands) {
  return SeatSummary{StreakText(longestStreak),
                     PercentOfHands(improved, hands),
                     DescribeHand(best),
                     Counts(categories),
                     Total(categories),
                     Counts(draws),
                     Total(draws)};
}

std::string TwoDigits(std::int32_t value) {
  std::string digits(value <= 9 ? "0" : "");
  digits += std::to_string(value);
  return digits;
}

}  // namespace

StatisticsSummary SummaryOf(const SavedStatistics& saved) {
  const GameStatistics& r = saved.Record;
  const SaveStamp& t = saved.Stamp;
  const std::uint32_t hands = r.HandsPlayed;
  // The divisor of the average bank is taken without wrapping, so a file
  // claiming 4294967295 hands cannot make it zero.
  const std::uint64_t bankSamples = std::uint64_t{hands} + 1u;
  return StatisticsSummary{
      Count(hands),
      Count(r.PlayerWins),
      PercentOfHands(r.PlayerWins, hands),
      Money(saved.StartingBank),
      Money(static_cast<std::uint32_t>(r.BankTotal / bankSamples)),
      Money(r.HighestBank),
      Money(hands > 0 ? r.BetTotal / hands : r.BetTotal),
      Money(r.HighestBet),
      Count(r.BankruptCount),
      SeatOf(r.PlayerLongestStreak, r.PlayerImprovedCount, r.PlayerBestRank, r.PlayerCategoryCounts,
             r.PlayerDrawCounts, hands),
      SeatOf(r.DealerLongestStreak, r.DealerImprovedCount, r.DealerBestRank, r.DealerCategoryCounts,
             r.DealerDrawCounts, hands),
      hands > 0,
      std::to_string(t.Hour) + ":" + TwoDigits(t.Minutes) + ":" + TwoDigits(t.Seconds) +
          (t.PmFlag == 0 ? " AM" : " PM"),
      std::to_string(t.Month) + "/" + std::to_string(t.Day) + "/" + std::to_string(t.Year),
  };
}

}  // namespace velmora

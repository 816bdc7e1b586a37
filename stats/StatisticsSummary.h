// The figures of a statistics record as the statistics window and
// velmora-stats show them: counts in plain decimal, money as "$" and whole
// dollars, percentages and averages truncated in the record's unsigned
// 32-bit arithmetic.
#pragma once

#include "stats/StatisticsFile.h"

#include <array>
#include <string>
#include <string_view>

namespace velmora {

// Captions of the hand categories, indexed by category (0 high card .. 9
// royal flush), and of the draws, indexed by the number of cards drawn.
inline constexpr std::array<std::string_view, 10> CategoryCaptions{
    "High Card:", "Pair:",       "Two Pair:",       "Three of a Kind:", "Straight:",
    "Flush:",     "Full House:", "Four of a Kind:", "Straight Flush:",  "Royal Flush:"};
inline constexpr std::array<std::string_view, 5> DrawCaptions{
    "0 Cards:", "1 Card:", "2 Cards:", "3 Cards:", "4 Cards:"};

// What one seat shows.
struct SeatSummary {
  std::string LongestStreak;  // "1 Hand", "0 Hands", "2 Hands"
  std::string Improved;       // "33%": hands improved by the draw
  std::string BestHand;       // DescribeHand's one or two lines
  std::array<std::string, 10> Categories;
  std::string CategoryTotal;
  std::array<std::string, 5> Draws;
  std::string DrawTotal;
};

struct StatisticsSummary {
  std::string HandsPlayed;
  std::string PlayerWins;
  std::string WinPercent;  // "66%"
  std::string StartingBank;
  std::string AverageBank;  // the starting bank counts as one sample
  std::string HighestBank;
  std::string AverageBet;  // the bet total itself before the first hand
  std::string HighestBet;
  std::string BankruptCount;
  SeatSummary Player;
  SeatSummary Dealer;
  // Best cards are shown only once a hand has been played.
  bool ShowsBestCards = false;
  std::string SaveTime;  // "3:05:07 PM": minutes and seconds padded to two digits
  std::string SaveDate;  // "12/31/99", without leading zeros
};

StatisticsSummary SummaryOf(const SavedStatistics& saved);

}  // namespace velmora

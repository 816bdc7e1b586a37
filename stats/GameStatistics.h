// The running record of the current game. Counters are unsigned 32-bit and
// wrap like the saved file expects; array indices are guarded.
#pragma once

#include "cards/Cards.h"

#include <array>
#include <cstdint>

namespace velmora {

struct GameStatistics {
  std::uint32_t HandsPlayed = 0;
  std::uint32_t PlayerWins = 0;
  std::uint32_t PlayerImprovedCount = 0;
  std::uint32_t DealerImprovedCount = 0;
  std::uint32_t BankTotal = 0;
  std::uint32_t HighestBank = 0;
  std::uint32_t BetTotal = 0;
  std::uint32_t HighestBet = 0;
  std::uint32_t BankruptCount = 0;
  std::uint32_t PlayerStreak = 0;
  std::uint32_t DealerStreak = 0;
  std::uint32_t PlayerLongestStreak = 0;
  std::uint32_t DealerLongestStreak = 0;
  HandRank PlayerBestRank{};
  HandRank DealerBestRank{};
  Hand PlayerBestCards{};
  Hand DealerBestCards{};
  std::array<std::uint32_t, 10> PlayerCategoryCounts{};
  std::array<std::uint32_t, 10> DealerCategoryCounts{};
  std::array<std::uint32_t, 5> PlayerDrawCounts{};
  std::array<std::uint32_t, 5> DealerDrawCounts{};

  void RecordPlayerDraw(int cardsDrawn);
  void RecordDealerDraw(int cardsDrawn);
  void RecordFinalHands(const Hand& playerHand, const HandRank& playerFinalRank,
                        const HandRank& playerDealtRank, const Hand& dealerHand,
                        const HandRank& dealerFinalRank, const HandRank& dealerDealtRank);
  // outcome of the player's hand against the dealer's: first better, the
  // player wins; second better, the dealer wins; equal, a push.
  void RecordOutcome(RankOrder outcome, std::uint32_t bank);
  void RecordHandTotals(std::uint32_t bet, std::uint32_t bank);
  void StartGameStatistics(std::uint32_t bank);
  void ResetStatistics(std::uint32_t bank);

  bool operator==(const GameStatistics&) const = default;
};

}  // namespace velmora

#include "stats/GameStatistics.h"

#include <cstddef>

namespace velmora {

namespace {

// Counts into an array slot only when the index is one the game produces.
template <std::size_t N>
void CountAt(std::array<std::uint32_t, N>& counts, std::int64_t index) {
  if (index >= 0 && index < static_cast<std::int64_t>(N)) {
    counts[static_cast<std::size_t>(index)] += 1;
  }
}

void RecordSeat(const Hand& hand, const HandRank& finalRank, const HandRank& dealtRank,
                std::uint32_t& improvedCount, HandRank& bestRank, Hand& bestCards,
                std::array<std::uint32_t, 10>& categoryCounts) {
  if (RankOrderOf(finalRank, dealtRank) == RankOrder::FirstBetter) {
    improvedCount += 1;
  }
  // Only a strictly better hand replaces the best, so of two equal hands the
  // earlier one keeps its cards.
  if (RankOrderOf(finalRank, bestRank) == RankOrder::FirstBetter) {
    bestRank = finalRank;
    bestCards = hand;
  }
  CountAt(categoryCounts, finalRank[0]);
}

}  // namespace

void GameStatistics::RecordPlayerDraw(int cardsDrawn) {
  CountAt(PlayerDrawCounts, cardsDrawn);
}

void GameStatistics::RecordDealerDraw(int cardsDrawn) {
  CountAt(DealerDrawCounts, cardsDrawn);
}

void GameStatistics::RecordFinalHands(const Hand& playerHand, const HandRank& playerFinalRank,
                                      const HandRank& playerDealtRank, const Hand& dealerHand,
                                      const HandRank& dealerFinalRank,
                                      const HandRank& dealerDealtRank) {
  RecordSeat(playerHand, playerFinalRank, playerDealtRank, PlayerImprovedCount, PlayerBestRank,
             PlayerBestCards, PlayerCategoryCounts);
  RecordSeat(dealerHand, dealerFinalRank, dealerDealtRank, DealerImprovedCount, DealerBestRank,
             DealerBestCards, DealerCategoryCounts);
}

void GameStatistics::RecordOutcome(RankOrder outcome, std::uint32_t bank) {
  if (outcome == RankOrder::SecondBetter) {
    PlayerStreak = 0;
    DealerStreak += 1;
    if (DealerStreak > DealerLongestStreak) {
      DealerLongestStreak = DealerStreak;
    }
  } else if (outcome == RankOrder::FirstBetter) {
    // Only a win raises the bank, so only a win can raise the highest bank.
    if (bank > HighestBank) {
      HighestBank = bank;
    }
    PlayerWins += 1;
    DealerStreak = 0;
    PlayerStreak += 1;
    if (PlayerStreak > PlayerLongestStreak) {
      PlayerLongestStreak = PlayerStreak;
    }
  }
  // A push neither extends nor breaks a streak.
}

void GameStatistics::RecordHandTotals(std::uint32_t bet, std::uint32_t bank) {
  HandsPlayed += 1;
  BetTotal += bet;
  if (bet > HighestBet) {
    HighestBet = bet;
  }
  BankTotal += bank;
}

void GameStatistics::StartGameStatistics(std::uint32_t bank) {
  BankTotal = bank;
  HighestBank = bank;
}

void GameStatistics::ResetStatistics(std::uint32_t bank) {
  *this = GameStatistics{};
  BankTotal = bank;
  HighestBank = bank;
}

}  // namespace velmora

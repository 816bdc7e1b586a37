// The house's fixed drawing rule.
#include "cards/Cards.h"
#include "cards/Discards.h"

#include <utility>

namespace velmora {

HeldRanks ChooseHeldRanks(const HandRank& rank) {
  constexpr int kAce = 12;
  constexpr int kKing = 11;
  constexpr int kNine = 7;
  const int r1 = rank[1];
  const int r2 = rank[2];
  switch (rank[0]) {
    case HighCard:
      if (r1 != kAce) {
        return {r1, r2, -1, -1};
      }
      if (r2 == kKing) {
        return {kAce, kKing, -1, -1};
      }
      return {kAce, -1, -1, -1};
    case Pair:
    case ThreeOfAKind:
      // Kickers are never kept beside a pair or a triple.
      return {r1, -1, -1, -1};
    case TwoPair:
      return {r1, r2, -1, -1};
    case FourOfAKind:
      if (r2 >= kNine) {
        return {r1, r2, -1, -1};
      }
      return {r1, -1, -1, -1};
    default:
      // Straights, flushes and full houses stand pat.
      return {-1, -1, -1, -1};
  }
}

int ChooseDealerDraw(const DeckGrid& grid, const DeckPositions& positions, Hand& dealerHand,
                     RankCounts& counts, HandRank& rank, std::int32_t& nextCardNumber) {
  EvaluateHand(dealerHand, rank, counts);
  const HeldRanks held = ChooseHeldRanks(rank);
  if (held[0] == -1) {
    return 0;
  }

  // The ranks are decided before any card changes; the new cards go to the
  // discarded positions from left to right, as the player's do.
  const DiscardFlags discards = HouseDiscards(dealerHand, held);
  ReplacedFlags replaced{};
  ReplaceDiscards(grid, positions, nextCardNumber, dealerHand, discards, replaced);
  int drawn = 0;
  for (const std::int32_t mark : discards) {
    drawn += mark;
  }

  // Drawing four to an ace shows the ace: the first one in the hand now,
  // which may be a new card, goes to the leftmost place.
  if (drawn == 4) {
    for (int p = 0; p < 5; ++p) {
      if (IsAce(dealerHand[p])) {
        std::swap(dealerHand[0], dealerHand[p]);
        break;
      }
    }
  }
  return drawn;
}

}  // namespace velmora

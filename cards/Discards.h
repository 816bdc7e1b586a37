// Which cards a hand gives up when it keeps only some of its ranks. Shared by
// the house's own draw and by tools that let a seat play by the house's rule.
#pragma once

#include "Cards.h"

namespace velmora {

// True when the rank is one of the held ranks before the first -1.
constexpr bool IsHeldRank(const HeldRanks& held, int rank) {
  for (const std::int32_t heldRank : held) {
    if (heldRank == -1) {
      return false;
    }
    if (heldRank == rank) {
      return true;
    }
  }
  return false;
}

// Marks every position whose card's rank is not held.
constexpr DiscardFlags DiscardsKeeping(const Hand& hand, const HeldRanks& held) {
  DiscardFlags discards{};
  for (int p = 0; p < 5; ++p) {
    discards[p] = IsHeldRank(held, RankIndex(hand[p])) ? 0 : 1;
  }
  return discards;
}

}  // namespace velmora

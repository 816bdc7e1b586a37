// Which cards the house's rule gives up, once it has chosen the ranks to
// keep. Shared by the house's own draw and by tools that let the player's
// seat draw by the same rule.
#pragma once

#include "cards/Cards.h"

namespace velmora {

// Whether `rank` is among the held ranks before the first -1.
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

// Marks every position whose card's rank is not held. Holding nothing means
// standing pat, not throwing the whole hand away: no position is marked.
constexpr DiscardFlags HouseDiscards(const Hand& hand, const HeldRanks& held) {
  DiscardFlags discards{};
  if (held[0] == -1) {
    return discards;
  }
  for (std::size_t p = 0; p < hand.size(); ++p) {
    discards[p] = IsHeldRank(held, RankIndex(hand[p])) ? 0 : 1;
  }
  return discards;
}

}  // namespace velmora

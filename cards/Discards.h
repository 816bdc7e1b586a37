// Which cards the house's rule gives up, once it has chosen the ranks to
// keep. Shared by the house's own draw and by tools that let the player's
// seat draw by the same rule.
#pragma once

#include "cards/Cards.h"

namespace velmora {

// A card's rank index, looked up rather than divided out: the simulator
// marks ten cards a hand. Values that are not cards are worked out as
// RankIndex works them out.
constexpr unsigned QuickRankIndex(Card card) {
  return static_cast<unsigned>(card - 1) < 52u ? RankIndexOfCard[card]
                                               : static_cast<unsigned>(RankIndex(card));
}

// The held ranks before the first -1, one bit per rank.
constexpr unsigned HeldRankBits(const HeldRanks& held) {
  unsigned bits = 0;
  for (const std::int32_t rank : held) {
    if (rank == -1) {
      break;
    }
    if (rank >= 0 && rank < 13) {
      bits |= 1u << rank;
    }
  }
  return bits;
}

// Marks every position whose card's rank is not held. Holding nothing means
// standing pat, not throwing the whole hand away: no position is marked.
// The held ranks are looked up as bits, so that the marks are computed
// rather than branched to: which cards go is as good as random.
constexpr DiscardFlags HouseDiscards(const Hand& hand, const HeldRanks& held) {
  DiscardFlags discards{};
  if (held[0] == -1) {
    return discards;
  }
  const unsigned bits = HeldRankBits(held);
  for (int p = 0; p < 5; ++p) {
    const unsigned rank = QuickRankIndex(hand[p]);
    const bool kept = rank < 13 && (bits >> rank & 1u) != 0;
    discards[p] = kept ? 0 : 1;
  }
  return discards;
}

}  // namespace velmora

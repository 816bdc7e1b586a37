// The draw limits of the game: at most three new cards, or four when the one
// card kept is an ace, and never all five.
#pragma once

#include "Cards.h"

namespace velmora {

enum class DrawVerdict { Allowed, FiveCards, FourWithoutAce };

// A position is marked when its flag is 1, as ReplaceDiscards reads it. With
// four marked, the card kept is the first unmarked position.
inline DrawVerdict CheckDraw(const Hand& hand, const DiscardFlags& discards) {
  int marked = 0;
  int firstKept = -1;
  for (int p = 0; p < 5; ++p) {
    if (discards[p] == 1) {
      ++marked;
    } else if (firstKept == -1) {
      firstKept = p;
    }
  }
  if (marked == 5) {
    return DrawVerdict::FiveCards;
  }
  if (marked == 4 && !IsAce(hand[firstKept])) {
    return DrawVerdict::FourWithoutAce;
  }
  return DrawVerdict::Allowed;
}

}  // namespace velmora

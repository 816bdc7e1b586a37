// A second way to find a draw's chances, for checking the advisor: whole
// deals laid out as the table lays them and played by the table's own steps.
#pragma once

#include "cards/Cards.h"

#include <cstdint>

namespace velmora::reference {

struct Outcomes {
  std::int64_t wins = 0;
  std::int64_t pushes = 0;
  std::int64_t losses = 0;
  std::int64_t deals() const { return wins + pushes + losses; }
};

// Plays `deals` hands in which the player is dealt `hand` and throws away
// `discards`. Each deck has the player's cards at positions 1, 3, 5, 7 and 9
// and the other 47 fully shuffled by std::mt19937_64 from `seed`; DealHands,
// ReplaceDiscards and ChooseDealerDraw then play it as the table does.
Outcomes PlayAtTheTable(const Hand& hand, const DiscardFlags& discards, std::int64_t deals,
                        std::uint64_t seed);

}  // namespace velmora::reference

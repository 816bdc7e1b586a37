// The advisor's samples played the plain way, for checking them: a deck laid
// out as the table lays it and played by the game's own deal, draws and
// ranking.
#pragma once

#include "cards/Cards.h"

#include <array>

namespace velmora::reference {

// The player is dealt `hand` (deck positions 1, 3, 5, 7 and 9) and throws
// away `discards`; the other 47 cards fill the deck's other positions in
// the order given. DealHands, ReplaceDiscards and ChooseDealerDraw then play
// it as the table does, and the final hands are compared, the player's first.
RankOrder PlayAtTheTable(const Hand& hand, const DiscardFlags& discards,
                         const std::array<Card, 47>& others);

}  // namespace velmora::reference

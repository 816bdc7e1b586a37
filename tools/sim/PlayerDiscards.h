// How the player's seat chooses its discards under each strategy.
#pragma once

#include "cards/Cards.h"
#include "tools/sim/SimOptions.h"

namespace velmora::sim {

// `rank` is the hand as dealt. `samples` is for PlayerStrategy::Best only:
// the advisor's deals per draw, 0 for its own default. Fewer are faster but
// play worse; at 2,000 the close calls are so often wrong that the play falls
// below the house's own rule.
DiscardFlags ChoosePlayerDiscards(const Hand& hand, const HandRank& rank, PlayerStrategy strategy,
                                  int samples);

}  // namespace velmora::sim

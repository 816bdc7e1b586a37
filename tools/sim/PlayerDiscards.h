// How the player's seat chooses its discards under each strategy.
#pragma once

#include "Cards.h"
#include "SimOptions.h"

namespace velmora::sim {

// Deals per draw that --player best weighs when --samples is not given:
// enough to tell the draws that matter apart at a few milliseconds a hand.
inline constexpr int DefaultBestPlaySamples = 2000;

// `rank` is the hand as dealt. `samples` is for PlayerStrategy::Best only;
// 0 means DefaultBestPlaySamples.
DiscardFlags ChoosePlayerDiscards(const Hand& hand, const HandRank& rank, PlayerStrategy strategy,
                                  int samples);

}  // namespace velmora::sim

// The ranking of the release before the table lookup, as the benchmark's yardstick.
#pragma once

#include "cards/Cards.h"

namespace velmora::baseline {

void EvaluateHand(const Hand& hand, HandRank& rank, RankCounts& counts);

}  // namespace velmora::baseline

// A plain, step-by-step ranking of a hand, kept as the yardstick for the
// library's faster evaluation: both must agree on every possible hand.
#pragma once

#include "Cards.h"

namespace velmora::testing {

void ReferenceEvaluateHand(const Hand& hand, HandRank& rank, RankCounts& counts);

}  // namespace velmora::testing

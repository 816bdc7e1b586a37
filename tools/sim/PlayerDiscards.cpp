#include "tools/sim/PlayerDiscards.h"

#include "advice/DiscardAdvice.h"
#include "cards/Discards.h"

namespace velmora::sim {

DiscardFlags ChoosePlayerDiscards(const Hand& hand, const HandRank& rank, PlayerStrategy strategy,
                                  int samples) {
  switch (strategy) {
    case PlayerStrategy::House:
      return HouseDiscards(hand, ChooseHeldRanks(rank));
    case PlayerStrategy::Pat:
      break;
    case PlayerStrategy::Best: {
      return AdviseDiscards(hand, {.samples = samples}).front().discards;
    }
  }
  return {};
}

}  // namespace velmora::sim

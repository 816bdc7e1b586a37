#include "PlayerDiscards.h"

#include "DiscardAdvice.h"
#include "Discards.h"

namespace velmora::sim {

DiscardFlags ChoosePlayerDiscards(const Hand& hand, const HandRank& rank, PlayerStrategy strategy,
                                  int samples) {
  switch (strategy) {
    case PlayerStrategy::House:
      return HouseDiscards(hand, ChooseHeldRanks(rank));
    case PlayerStrategy::Pat:
      break;
    case PlayerStrategy::Best: {
      const AdviceOptions options{.samples = samples > 0 ? samples : DefaultBestPlaySamples};
      return AdviseDiscards(hand, options).front().discards;
    }
  }
  return {};
}

}  // namespace velmora::sim

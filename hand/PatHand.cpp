#include "hand/PatHand.h"

namespace velmora {

std::optional<SettlementResult> PlayPatHand(GameState& state, std::int64_t seconds) {
  HandEngine engine(state);
  engine.StartPlay();
  engine.AcceptBet("1");
  engine.Deal([seconds] { return seconds; });
  engine.DealShown();
  engine.Draw();
  engine.HouseDraw();
  engine.Reveal();
  return engine.Settle();
}

}  // namespace velmora

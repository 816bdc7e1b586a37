// A game started as the welcome starts one, its hands played through the
// hand engine, for tests that need hands of their choosing settled.
#pragma once

#include "hand/GameStart.h"
#include "hand/HandEngine.h"

#include <optional>
#include <string_view>

namespace velmora::testing {

struct EngineGame {
  explicit EngineGame(const WelcomeChoices& choices = {}) {
    StartGame(state, choices);
    engine.StartPlay();
  }
  GameState state;
  HandEngine engine{state};

  // Bets and deals at the clock's `seconds`, up to the player's choice of discards.
  bool DealAndShow(std::string_view bet, std::int64_t seconds = 1) {
    return engine.AcceptBet(bet).accepted && engine.Deal([seconds] { return seconds; }) &&
           engine.DealShown();
  }

  // A hand played to the reveal, the player drawing `playerDraw` cards from
  // the left, then settled with these hands on the table: each counts as
  // dealt as it ends unless the player's is to count as improved, and the
  // house as having drawn `houseDraw`. Nothing when a step is refused.
  std::optional<SettlementResult> Showdown(std::string_view bet, const Hand& player,
                                           const Hand& dealer, int playerDraw = 0,
                                           int houseDraw = 0, bool playerImproved = false) {
    if (!DealAndShow(bet)) {
      return std::nullopt;
    }
    for (int p = 0; p < playerDraw; ++p) {
      engine.ToggleDiscard(p);
    }
    engine.Draw();
    engine.HouseDraw();
    engine.Reveal();
    state.PlayerHand = player;
    state.DealerHand = dealer;
    state.PlayerDealtRank = playerImproved ? HandRank{} : EvaluateHand(player);
    state.DealerDealtRank = EvaluateHand(dealer);
    state.DealerDrawCount = houseDraw;
    return engine.Settle();
  }
};

}  // namespace velmora::testing

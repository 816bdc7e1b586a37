#include "tools/sim/Simulation.h"

#include "hand/GameStart.h"
#include "money/Settlement.h"
#include "tools/sim/PlayerDiscards.h"

#include <chrono>
#include <ctime>

namespace velmora::sim {

Table::Table() {
  StartGame(state, {.startingBank = HighestBank});
  engine.StartPlay();
}

HandResult PlayHand(Table& table, const Clock& clock, PlayerStrategy player, int adviceSamples) {
  HandEngine& engine = table.engine;
  const GameState& state = table.state;
  // The first hand bets $1; every later one bets the last bet again.
  engine.AcceptBet(state.LastBet == 0 ? std::string_view("1") : std::string_view());
  engine.Deal(clock);
  engine.DealShown();
  const DiscardFlags discards =
      ChoosePlayerDiscards(state.PlayerHand, state.PlayerDealtRank, player, adviceSamples);
  for (int p = 0; p < 5; ++p) {
    if (discards[static_cast<std::size_t>(p)] != 0) {
      engine.ToggleDiscard(p);
    }
  }
  const std::optional<DrawResult> draw = engine.Draw();
  const std::optional<HouseDrawResult> house = engine.HouseDraw();
  engine.Reveal();
  const std::optional<SettlementResult> settled = engine.Settle();
  if (settled && settled->bankrupt) {
    engine.NewGame(true, clock);
  }
  return HandResult{.playerHand = state.PlayerHand,
                    .dealerHand = state.DealerHand,
                    .playerRank = state.PlayerFinalRank,
                    .dealerRank = state.DealerFinalRank,
                    .playerDraw = draw ? draw->cardsDrawn : 0,
                    .dealerDraw = house ? house->cardsDrawn : 0,
                    .outcome = settled ? settled->outcome : RankOrder::Equal};
}

SimResults Simulate(const SimOptions& options) {
  SimResults results;
  Table table;
  std::int64_t second = options.startTime;
  const Clock clock = [&second] { return second; };
  const auto started = std::chrono::steady_clock::now();
  const std::clock_t processorStarted = std::clock();
  for (std::int64_t k = 0; k < options.hands; ++k) {
    // Not counted on past the last hand: its second may be the last one there is.
    second = options.startTime + k;
    const HandResult hand = PlayHand(table, clock, options.player, options.samples);
    ++results.hands;
    switch (hand.outcome) {
      case RankOrder::FirstBetter:
        ++results.playerWins;
        break;
      case RankOrder::SecondBetter:
        ++results.dealerWins;
        break;
      case RankOrder::Equal:
        ++results.pushes;
        break;
    }
    ++results.playerCategories[hand.playerRank[0]];
    ++results.dealerCategories[hand.dealerRank[0]];
    ++results.playerDraws[hand.playerDraw];
    ++results.dealerDraws[hand.dealerDraw];
  }
  results.processorSeconds = static_cast<double>(std::clock() - processorStarted) / CLOCKS_PER_SEC;
  results.elapsedSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  return results;
}

}  // namespace velmora::sim

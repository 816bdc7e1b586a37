#include "Simulation.h"

#include "PlayerDiscards.h"

#include <chrono>
#include <ctime>

namespace velmora::sim {

HandResult PlayHand(Table& table, const Clock& clock, PlayerStrategy player, int adviceSamples) {
  HandResult result;
  std::int32_t nextCardNumber = 1;
  Shuffle(table.grid, table.random, clock);
  DealHands(table.grid, nextCardNumber, result.playerHand, result.dealerHand);

  RankCounts counts;
  EvaluateHand(result.playerHand, result.playerRank, counts);
  // The player draws first, so the house's new cards follow the player's.
  const DiscardFlags discards =
      ChoosePlayerDiscards(result.playerHand, result.playerRank, player, adviceSamples);
  ReplacedFlags replaced{};
  ReplaceDiscards(table.grid, table.positions, nextCardNumber, result.playerHand, discards,
                  replaced);
  for (const std::int32_t mark : discards) {
    result.playerDraw += mark;
  }

  result.dealerDraw = ChooseDealerDraw(table.grid, table.positions, result.dealerHand, counts,
                                       result.dealerRank, nextCardNumber);

  // A hand that took no card keeps the rank it was dealt with.
  if (result.playerDraw > 0) {
    EvaluateHand(result.playerHand, result.playerRank, counts);
  }
  if (result.dealerDraw > 0) {
    EvaluateHand(result.dealerHand, result.dealerRank, counts);
  }
  result.outcome = CompareRanks(result.playerRank, result.dealerRank);
  return result;
}

SimResults Simulate(const SimOptions& options) {
  SimResults results;
  Table table;
  std::int64_t second = options.startTime;
  const Clock clock = [&second] { return second; };
  const auto started = std::chrono::steady_clock::now();
  const std::clock_t processorStarted = std::clock();
  for (std::int64_t k = 0; k < options.hands; ++k, ++second) {
    const HandResult hand = PlayHand(table, clock, options.player, options.samples);
    ++results.hands;
    switch (hand.outcome) {
      case 1:
        ++results.playerWins;
        break;
      case 2:
        ++results.dealerWins;
        break;
      default:
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

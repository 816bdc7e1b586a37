// Playing many hands between a player and the house, as the table deals them.
#pragma once

#include "cards/Cards.h"
#include "hand/GameState.h"
#include "hand/HandEngine.h"
#include "tools/sim/SimOptions.h"

#include <array>
#include <cstdint>

namespace velmora::sim {

// A game played hand after hand by the table's own rules: the deck's
// arrangement and the generator last from hand to hand, as at the table. The
// player bets $1 of a bank too large to run out in any run.
class Table {
 public:
  Table();
  GameState state;
  HandEngine engine{state};
};

struct HandResult {
  Hand playerHand{};
  Hand dealerHand{};
  HandRank playerRank{};
  HandRank dealerRank{};
  int playerDraw = 0;
  int dealerDraw = 0;
  RankOrder outcome = RankOrder::Equal;  // of the player's hand (first) against the house's
};

// Deals one hand, shuffling with the given clock, and plays it to the
// showdown through every step of the table's hand. `adviceSamples` is how
// many deals the discard advisor weighs per draw for PlayerStrategy::Best
// (0: the advisor's own default).
HandResult PlayHand(Table& table, const Clock& clock, PlayerStrategy player, int adviceSamples = 0);

struct SimResults {
  std::int64_t hands = 0;
  std::int64_t playerWins = 0;
  std::int64_t dealerWins = 0;
  std::int64_t pushes = 0;
  std::array<std::int64_t, 10> playerCategories{};
  std::array<std::int64_t, 10> dealerCategories{};
  std::array<std::int64_t, 5> playerDraws{};
  std::array<std::int64_t, 5> dealerDraws{};
  // Time spent playing. The rate is per second of processor time, which
  // measures the simulator rather than how busy the machine is.
  double processorSeconds = 0;
  double elapsedSeconds = 0;
};

// Plays options.hands hands from a fresh table, hand k at second
// options.startTime + k; ParseArguments refuses runs whose last second is
// past the last one an int64 holds.
SimResults Simulate(const SimOptions& options);

}  // namespace velmora::sim

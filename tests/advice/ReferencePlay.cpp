#include "tests/advice/ReferencePlay.h"

namespace velmora::reference {

RankOrder PlayAtTheTable(const Hand& hand, const DiscardFlags& discards,
                         const std::array<Card, 47>& others) {
  DeckGrid grid{};
  for (int position = 1, next = 0; position <= 52; ++position) {
    const bool players = position <= 9 && position % 2 == 1;
    grid[(position - 1) / 13][(position - 1) % 13] =
        players ? hand[static_cast<std::size_t>(position / 2)]
                : others[static_cast<std::size_t>(next++)];
  }
  const DeckPositions positions = InitialDeckPositions();
  std::int32_t nextCardNumber = 1;
  Hand player{};
  Hand dealer{};
  DealHands(grid, nextCardNumber, player, dealer);
  ReplacedFlags replaced{};
  ReplaceDiscards(grid, positions, nextCardNumber, player, discards, replaced);
  RankCounts counts;
  HandRank dealerRank;
  ChooseDealerDraw(grid, positions, dealer, counts, dealerRank, nextCardNumber);
  return RankOrderOf(EvaluateHand(player), EvaluateHand(dealer));
}

}  // namespace velmora::reference

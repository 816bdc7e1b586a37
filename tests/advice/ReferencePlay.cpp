#include "tests/advice/ReferencePlay.h"

#include <algorithm>
#include <random>
#include <vector>

namespace velmora::reference {

Outcomes PlayAtTheTable(const Hand& hand, const DiscardFlags& discards, std::int64_t deals,
                        std::uint64_t seed) {
  std::vector<Card> others;
  for (Card card = 1; card <= 52; ++card) {
    if (std::find(hand.begin(), hand.end(), card) == hand.end()) {
      others.push_back(card);
    }
  }
  std::mt19937_64 random(seed);
  const DeckPositions positions = InitialDeckPositions();
  Outcomes outcomes;
  for (std::int64_t deal = 0; deal < deals; ++deal) {
    std::shuffle(others.begin(), others.end(), random);
    DeckGrid grid{};
    for (int position = 1, next = 0; position <= 52; ++position) {
      const bool players = position <= 9 && position % 2 == 1;
      grid[(position - 1) / 13][(position - 1) % 13] =
          players ? hand[static_cast<std::size_t>(position / 2)] : others[next++];
    }
    std::int32_t nextCardNumber = 1;
    Hand player{};
    Hand dealer{};
    DealHands(grid, nextCardNumber, player, dealer);
    ReplacedFlags replaced{};
    ReplaceDiscards(grid, positions, nextCardNumber, player, discards, replaced);
    RankCounts counts;
    HandRank dealerRank;
    if (ChooseDealerDraw(grid, positions, dealer, counts, dealerRank, nextCardNumber) > 0) {
      EvaluateHand(dealer, dealerRank, counts);
    }
    switch (RankOrderOf(EvaluateHand(player), dealerRank)) {
      case RankOrder::Equal:
        ++outcomes.pushes;
        break;
      case RankOrder::FirstBetter:
        ++outcomes.wins;
        break;
      case RankOrder::SecondBetter:
        ++outcomes.losses;
        break;
    }
  }
  return outcomes;
}

}  // namespace velmora::reference

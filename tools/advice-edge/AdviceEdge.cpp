// advice_edge [hands] [choosing deals] [judging deals] [seed]: what the house
// wins against the advisor's play, measured sharply. A player who draws by
// the house's own rule sits in the house's seat, so that edge is nil; the
// edge against the advisor is then minus the mean, over random dealt hands,
// of how much more the advisor's draw returns than the house's rule would.
// The draw is chosen on the first deals and both draws are judged on later
// ones, so the choice's luck does not flatter it. Playing whole hands
// (velmora-sim --player best) answers the same question with far more noise.
#include "advice/DiscardAdvice.h"
#include "cards/Discards.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

using namespace velmora;

namespace {

// Wins less losses over deals [from, to): the advisor's deals depend only on
// the hand and their number, so the first `from` of a longer run are those
// of the shorter one.
double Return(const std::vector<DiscardChoice>& longer, const std::vector<DiscardChoice>& shorter,
              const DiscardFlags& discards, int from, int to) {
  const auto net = [&](const std::vector<DiscardChoice>& choices, int n) {
    for (const DiscardChoice& choice : choices) {
      if (choice.discards == discards) {
        return std::llround(choice.win * n) - std::llround(choice.lose * n);
      }
    }
    std::fprintf(stderr, "a draw went missing\n");
    std::exit(1);
  };
  return static_cast<double>(net(longer, to) - net(shorter, from)) / (to - from);
}

}  // namespace

int main(int argc, char** argv) {
  const int hands = argc > 1 ? std::atoi(argv[1]) : 10000;
  const int choosing = argc > 2 ? std::atoi(argv[2]) : 2000;
  const int judging = argc > 3 ? std::atoi(argv[3]) : 8000;
  std::mt19937_64 random(argc > 4 ? std::strtoull(argv[4], nullptr, 10) : 1);

  std::vector<Card> deck;
  for (Card card = 1; card <= 52; ++card) {
    deck.push_back(card);
  }
  double sumGain = 0, sumGainSquared = 0, sumHouse = 0, sumHouseSquared = 0;
  int differ = 0;
  for (int h = 0; h < hands; ++h) {
    for (int k = 0; k < 5; ++k) {
      std::swap(deck[k], deck[k + std::uniform_int_distribution<int>(0, 51 - k)(random)]);
    }
    const Hand hand{deck[0], deck[1], deck[2], deck[3], deck[4]};
    const std::vector<DiscardChoice> chosen = AdviseDiscards(hand, {.samples = choosing});
    const std::vector<DiscardChoice> judged = AdviseDiscards(hand, {.samples = choosing + judging});
    const DiscardFlags best = chosen.front().discards;
    const DiscardFlags house = HouseDiscards(hand, ChooseHeldRanks(EvaluateHand(hand)));
    const double houseReturn = Return(judged, chosen, house, choosing, choosing + judging);
    const double gain = Return(judged, chosen, best, choosing, choosing + judging) - houseReturn;
    differ += best != house ? 1 : 0;
    sumGain += gain;
    sumGainSquared += gain * gain;
    sumHouse += houseReturn;
    sumHouseSquared += houseReturn * houseReturn;
  }
  const double n = hands;
  const auto interval = [&](double sum, double squares) {
    const double mean = sum / n;
    const double half = 1.959963984540054 * std::sqrt((squares / n - mean * mean) / (n - 1));
    return std::pair{mean, half};
  };
  const auto [gain, gainHalf] = interval(sumGain, sumGainSquared);
  const auto [house, houseHalf] = interval(sumHouse, sumHouseSquared);
  std::printf("%d random hands, draws chosen on %d deals and judged on %d more\n", hands, choosing,
              judging);
  std::printf("advisor's draw differs from the house's rule on %.2f%% of hands\n",
              100.0 * differ / n);
  std::printf("return of the house's rule in the player's seat: %+.3f%% +- %.3f%% (nil expected)\n",
              100.0 * house, 100.0 * houseHalf);
  std::printf("advisor's gain over the house's rule: %+.3f%% +- %.3f%% of the bet per hand\n",
              100.0 * gain, 100.0 * gainHalf);
  std::printf("house's edge against the advisor: %.3f%% (95%% CI %.3f%% .. %.3f%%)\n",
              -100.0 * gain, -100.0 * (gain + gainHalf), -100.0 * (gain - gainHalf));
  return 0;
}

// One sample of the advisor: every allowed draw of the player's five played
// against the house on one order of the 47 cards the player does not hold.
// Its own header so that the tests can play the same order at the table and
// compare the outcomes draw by draw.
#pragma once

#include "cards/Cards.h"
#include "cards/HandValue.h"

#include <array>
#include <vector>

namespace velmora {

// The unseen cards in the order the table deals them after the player's
// five: the house's five, then the player's replacements, then the house's.
using UnseenOrder = std::array<Card, 47>;

class SamplePlay {
 public:
  // The hand must be five different cards.
  explicit SamplePlay(const Hand& hand);

  // Every draw the game allows for the hand, in a fixed order.
  std::vector<DiscardFlags> Draws() const;

  // The outcome of each draw, in the order of Draws(): the player's hand
  // first, the house's second, as CompareRanks orders them.
  void Play(const UnseenOrder& order, std::vector<RankOrder>& outcomes) const;

 private:
  // The cards a hand keeps through a draw, with what they add to the
  // ranking of any hand they end in.
  struct Kept {
    Hand cards{};
    int count = 0;
    std::uint32_t ranks = 0;  // their rank keys, added up
    unsigned suits = 0xFu;    // their suit bits, ANDed
  };
  struct Draw {
    DiscardFlags discards{};
    Kept kept;
  };

  static Kept Keep(const Hand& hand, const DiscardFlags& discards);
  static HandValue ValueAfterDraw(const Kept& kept, const Card* replacements);

  HandValue dealtValue_ = 0;
  std::vector<Draw> draws_;
  std::array<bool, 5> drawSizes_{};  // which numbers of cards some draw takes
};

}  // namespace velmora

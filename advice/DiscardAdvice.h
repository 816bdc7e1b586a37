// The best discard against the house. The house draws by a fixed, known
// rule, so for any five cards the player holds every allowed draw has a
// chance of winning, pushing and losing; this finds them by playing the same
// many random orders of the 47 unseen cards through every draw.
#pragma once

#include "cards/Cards.h"

#include <string>
#include <vector>

namespace velmora {

struct DiscardChoice {
  DiscardFlags discards{};  // 1 = the card at that position is thrown away
  double win = 0;           // chances, 0..1
  double push = 0;
  double lose = 0;
  double expectedReturn = 0;  // per unit bet: win - lose
};

// 50,000 deals keep the standard error of every chance at or below
// 0.5 / sqrt(50,000), 0.224 percentage points, whatever the chance.
inline constexpr int DefaultAdviceSamples = 50000;

struct AdviceOptions {
  int samples = 0;  // deals of the unseen cards per choice; 0 = the default that meets the
                    // 0.25-point standard error
  int threads = 2;
};

// Every discard choice the game allows, best (highest expected return)
// first; ties broken deterministically: fewer discards first, then the
// choice whose discarded positions, read left to right, come first. The
// same cards, in whatever order, give the same figures; so do any number of
// threads. Throws std::invalid_argument for a hand that is not five
// different cards.
std::vector<DiscardChoice> AdviseDiscards(const Hand& hand, const AdviceOptions& options = {});

// "Discard Five of Clubs, Three of Clubs — wins 47.2 %, pushes 0.4 %, loses 52.4 %";
// standing pat: "Stand pat — wins …". Cards in position order.
std::string DescribeChoice(const Hand& hand, const DiscardChoice& choice);

}  // namespace velmora

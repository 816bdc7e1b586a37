// Cards written as two letters, rank then suit: "AH" the ace of hearts,
// "TD" the ten of diamonds, "2C" the deuce of clubs. The command-line tools
// read and print hands this way, and the tests write their hands so.
#pragma once

#include "cards/Cards.h"

#include <string>
#include <string_view>

namespace velmora {

// "AH", "TD", "2C": rank from 2..9, T, J, Q, K, A; suit from C, D, H, S.
// "??" for a number that is no card, as a damaged saved file may hold.
std::string CardCode(Card card);

struct ParsedHand {
  Hand hand{};
  std::string error;  // empty when the text was five different cards
};

// Five codes separated by blanks or commas; letters in either case, and
// "10" for the ten. The error says what is wrong in one line.
ParsedHand ParseHand(std::string_view text);

}  // namespace velmora

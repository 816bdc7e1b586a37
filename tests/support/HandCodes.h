// Hands written as the cards' short codes ("AH KD 7C 4S 2D"), for tests.
#pragma once

#include "cards/Cards.h"

#include <string_view>

namespace velmora::testing {

// Rank from "23456789TJQKA", suit from "HDCS" (the encoding's own order).
constexpr Card CardOf(std::string_view code) {
  constexpr std::string_view ranks = "23456789TJQKA";
  constexpr std::string_view suits = "HDCS";
  return static_cast<Card>(suits.find(code[1]) * 13 + ranks.find(code[0]) + 1);
}

constexpr Hand HandOf(std::string_view codes) {
  Hand hand{};
  for (int p = 0; p < 5; ++p) {
    hand[p] = CardOf(codes.substr(static_cast<std::size_t>(3 * p), 2));
  }
  return hand;
}

static_assert(CardOf("AH") == 13 && CardOf("2D") == 14 && CardOf("KH") == KingOfHearts &&
              CardOf("AS") == 52);

}  // namespace velmora::testing

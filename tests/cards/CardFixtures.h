// Decks stacked for a scenario, and the walk over every possible hand.
#pragma once

#include "Cards.h"

#include <algorithm>
#include <vector>

namespace velmora::testing {

// A grid whose row-major reading starts with the given cards, then the rest
// of 1..52 in order.
inline DeckGrid DeckStartingWith(const std::vector<Card>& top) {
  std::vector<Card> deck = top;
  for (Card card = 1; card <= 52; ++card) {
    if (std::find(top.begin(), top.end(), card) == top.end()) {
      deck.push_back(card);
    }
  }
  DeckGrid grid{};
  for (int n = 0; n < 52; ++n) {
    grid[n / 13][n % 13] = deck[n];
  }
  return grid;
}

// Every one of the 2,598,960 hands, cards in ascending order.
template <typename Visit>
void ForEveryHand(Visit&& visit) {
  Hand hand{};
  for (hand[0] = 1; hand[0] <= 48; ++hand[0]) {
    for (hand[1] = hand[0] + 1; hand[1] <= 49; ++hand[1]) {
      for (hand[2] = hand[1] + 1; hand[2] <= 50; ++hand[2]) {
        for (hand[3] = hand[2] + 1; hand[3] <= 51; ++hand[3]) {
          for (hand[4] = hand[3] + 1; hand[4] <= 52; ++hand[4]) {
            visit(hand);
          }
        }
      }
    }
  }
}

}  // namespace velmora::testing

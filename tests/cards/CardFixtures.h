// Hands written the way players read them ("Ah Qd 9c 6s 3h"), decks
// stacked for a scenario, and the walk over every possible hand.
#pragma once

#include "Cards.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace velmora::testing {

inline Card CardOf(std::string_view text) {
  constexpr std::string_view kRanks = "23456789TJQKA";
  constexpr std::string_view kSuits = "hdcs";
  const auto rank = kRanks.find(text.at(0));
  const auto suit = kSuits.find(text.at(1));
  if (rank == std::string_view::npos || suit == std::string_view::npos) {
    throw std::invalid_argument("not a card");
  }
  return static_cast<Card>(suit * 13 + rank + 1);
}

inline Hand HandOf(std::string_view text) {
  Hand hand{};
  for (int p = 0; p < 5; ++p) {
    hand[p] = CardOf(text.substr(p * 3, 2));
  }
  return hand;
}

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

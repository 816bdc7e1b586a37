// The words a listener hears for a card: "Ace of Spades", "Deuce of Clubs".
#pragma once

#include "cards/Cards.h"

#include <string>

namespace velmora {

// The card's rank and suit in the game's own words; `card` must be 1..52.
std::string CardName(Card card);

}  // namespace velmora

// The words of the game's rules in the player's language: the names of
// ranks, suits, cards and hands that the rules hand over as numbers. Without
// a translation each is exactly the rules' own English.
#pragma once

#include "cards/Cards.h"

#include <QString>

namespace velmora {

// The hand shown on the table; empty for a high card, as there.
QString HandCategoryWord(std::int32_t category);
// "Ace", and "Aces" where a hand holds several (the English adds an "s").
QString RankWord(std::int32_t rank);
QString RankWords(std::int32_t rank);
// "Spades": the suit of a flush, and of a card's name.
QString SuitWords(std::int32_t suitNumber);
// "Ace of Spades", as a listener hears it and the hint names it.
QString CardWords(Card card);

}  // namespace velmora

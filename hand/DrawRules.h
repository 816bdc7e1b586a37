// Which discards a player may draw to: up to three cards, or four when the
// one card kept is an ace. Any hand can be asked, not only the one in play.
#pragma once

#include "cards/Cards.h"

namespace velmora {

enum class DrawVerdict { Allowed, FiveCards, FourWithoutAce };

// Marks are 0 or 1; any other value counts as a mark.
int CountMarked(const DiscardFlags& discards);

DrawVerdict CheckDraw(const Hand& hand, const DiscardFlags& discards);

}  // namespace velmora

// A best hand as the statistics window names it, in the player's language.
#pragma once

#include "cards/Cards.h"

#include <QString>

namespace velmora {

// The one or two lines of DescribeHand, in the player's language; without a
// translation exactly DescribeHand's English, its "(None)" and its error text
// included.
QString HandDescriptionText(const HandRank& rank);

}  // namespace velmora

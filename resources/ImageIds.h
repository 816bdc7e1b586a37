// The keys of the game's pictures: image ids for cards, backs, bills and
// icons, and names for the fixed pictures of the windows. Shared by the
// renderer that draws the pictures and the catalogue that fetches them.
#pragma once

#include "cards/Cards.h"

#include <cstdint>

namespace velmora {

constexpr int CardImageId(Card card) {
  return card;
}
constexpr int KingOfHeartsAltImageId = 53;
constexpr int BackImageId(int deckIndex) {
  return FirstBackId + deckIndex;
}
constexpr int DenominationImageId(std::int32_t denomination) {
  return denomination < 10000 ? 1000 + denomination : denomination / 100;
}
constexpr int TopicIconId = 90;
constexpr int HandRankIconId = 91;
constexpr int HeadingIconId = 92;

enum class FixedPicture {
  DeckStack,          // 77 x 100
  TrayBackground,     // 112 x 400
  TrayHatch,          // 112 x 399
  BetFieldFrame,      // 85 x 29
  Logo,               // 422 x 281
  BankruptPicture,    // 275 x 150
  StatisticsPicture,  // 100 x 167
  TableIcon,          // 32 x 32
  StatsIcon,          // 32 x 32, the statistics window's icon
  StatsSaveGlyph,     // 25 x 25 toolbar glyphs
  StatsOpenGlyph,
  StatsCurrentGlyph,
  StatsHelpGlyph,
  WelcomeIconTop,  // 32 x 32 icons stored with the welcome dialog
  WelcomeIconBottom,
  BankruptIcon,  // 32 x 32 icon of the bankrupt dialog
};

}  // namespace velmora

// The catalogue of the game's pictures: every picture is compiled into the
// program and looked up by its integer image id (or, for the fixed pictures of
// the windows, by name). Each exists at its catalogued size and at twice that
// size for dense screens.
#pragma once

#include "Cards.h"

#include <QPixmap>

#include <cstdint>
#include <vector>

class QLabel;

namespace velmora {

constexpr int CardImageId(Card card) { return card; }
constexpr int KingOfHeartsAltImageId = 53;
constexpr int BackImageId(int deckIndex) { return 60 + deckIndex; }
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
  WelcomeIconTop,     // 32 x 32 icons stored with the welcome dialog
  WelcomeIconBottom,
  BankruptIcon,       // 32 x 32 icon of the bankrupt dialog
};

// Every id of the catalogue, for tests and the contact sheet.
const std::vector<int>& AllImageIds();
const std::vector<FixedPicture>& AllFixedPictures();

// The picture with this id; asserts that it exists (a missing id is a programming error).
QPixmap ImageById(int id);
QPixmap FixedPictureImage(FixedPicture picture);

// Shows picture `id` in an image control, replacing what it showed.
void ShowImage(QLabel& control, int id);
// Empties an image control: it shows nothing.
void ClearImage(QLabel& control);

}  // namespace velmora

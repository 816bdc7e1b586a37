// The 52 faces come from the installed standard deck; the laughing king and
// the table window's icon are made from its king of hearts.

#include "resources/Catalogue.h"
#include "resources/renderer/KingFace.h"
#include "resources/renderer/Paint.h"
#include "resources/renderer/Pictures.h"
#include "resources/renderer/Sources.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace velmora::art {

namespace {

QString DeckElement(int card) {
  static constexpr std::array<const char*, 13> ranks{"2", "3",  "4",    "5",     "6",    "7", "8",
                                                     "9", "10", "jack", "queen", "king", "1"};
  static constexpr std::array<const char*, 4> suits{"heart", "diamond", "club", "spade"};
  return QString::fromLatin1(ranks[static_cast<std::size_t>(RankIndex(card))]) + QLatin1Char('_') +
         QString::fromLatin1(suits[static_cast<std::size_t>(SuitNumber(card) - 1)]);
}

// One head of the laughing king, pixel by pixel in the deck's own style:
// brows raised high, the left eye winking, the right one wide open and a big
// open mouth with teeth and a red throat. '.' is white, '#' black, 'r' red.
void PaintLaughingHead(QPainter& painter) {
  static constexpr std::array<const char*, 13> rows{
      ".##.....##.",  //
      "#..#...#..#",  //
      "..#........",  //
      ".#.#...##..",  //
      ".......##..",  //
      ".....#.....",  //
      "....##.....",  //
      "#.........#",  //
      ".#########.",  //
      ".#.......#.",  //
      ".#rrrrrrr#.",  //
      "..#rrrrr#..",  //
      "...#####...",  //
  };
  // A bitmap like the court figure itself, so that on dense screens it is
  // enlarged the same way as the rest of the figure.
  QImage face(KingFaceArea.size(), QImage::Format_RGB32);
  for (int row = 0; row < KingFaceArea.height(); ++row) {
    for (int column = 0; column < KingFaceArea.width(); ++column) {
      const char pixel = rows[static_cast<std::size_t>(row)][column];
      face.setPixel(column, row,
                    pixel == '#'   ? qRgb(0, 0, 0)
                    : pixel == 'r' ? qRgb(224, 0, 0)
                                   : qRgb(255, 255, 255));
    }
  }
  painter.drawImage(QRectF(KingFaceArea), face);
}

void PaintKingOfHeartsLaughing(QPainter& painter, const Sources& sources) {
  sources.RenderDeckElement(painter, DeckElement(KingOfHearts),
                            QRectF(QPointF(0, 0), catalogue::CardSize));
  PaintLaughingHead(painter);
  // The lower head is the upper one turned half round the card's centre.
  painter.save();
  painter.translate(catalogue::CardSize.width(), catalogue::CardSize.height());
  painter.rotate(180.0);
  PaintLaughingHead(painter);
  painter.restore();
}

}  // namespace

void AddCardFaces(PictureList& pictures, const Sources& sources) {
  for (int card = 1; card <= 52; ++card) {
    pictures.push_back({QString::number(CardImageId(card)), catalogue::CardSize,
                        [&sources, card](QPainter& painter) {
                          sources.RenderDeckElement(painter, DeckElement(card),
                                                    QRectF(QPointF(0, 0), catalogue::CardSize));
                        }});
  }
  pictures.push_back(
      {QString::number(KingOfHeartsAltImageId), catalogue::CardSize,
       [&sources](QPainter& painter) { PaintKingOfHeartsLaughing(painter, sources); }});
}

}  // namespace velmora::art

// The 52 faces come from the installed standard deck; the laughing king and
// the table window's icon are made from its king of hearts.

#include "Catalogue.h"
#include "KingFace.h"
#include "Paint.h"
#include "Pictures.h"
#include "Sources.h"

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

// One head of the laughing king: a winking left eye, a raised brow and a wide
// open mouth, painted over the line drawing of the face in the deck's style.
void PaintLaughingHead(QPainter& painter) {
  const QRectF face = KingFaceArea;
  painter.save();
  painter.setClipRect(face);
  // Blank the old features (the face is white in the line drawing).
  painter.fillRect(QRectF(face.left() + 1, face.top() + 2.5, face.width() - 3, face.height() - 3.5),
                   Qt::white);
  const QPen line(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(line);
  painter.setBrush(Qt::NoBrush);
  const qreal x = face.left();
  const qreal y = face.top();
  // Brows raised high in mirth.
  painter.drawLine(QPointF(x + 2.0, y + 3.5), QPointF(x + 5.0, y + 2.8));
  painter.drawLine(QPointF(x + 7.5, y + 2.8), QPointF(x + 10.5, y + 3.5));
  // The left eye winks shut, the right one stays wide open.
  QPainterPath wink;
  wink.moveTo(x + 2.2, y + 5.6);
  wink.quadTo(x + 3.6, y + 4.2, x + 5.0, y + 5.6);
  painter.drawPath(wink);
  painter.setBrush(Qt::black);
  painter.drawEllipse(QPointF(x + 9.0, y + 5.3), 1.1, 1.1);
  // Nose.
  painter.setBrush(Qt::NoBrush);
  painter.drawLine(QPointF(x + 6.4, y + 5.0), QPointF(x + 6.0, y + 7.6));
  // A big laughing mouth: black rim, red inside, a row of teeth.
  QPainterPath mouth;
  mouth.moveTo(x + 2.0, y + 8.2);
  mouth.quadTo(x + 6.4, y + 9.0, x + 11.0, y + 8.2);
  mouth.quadTo(x + 10.4, y + 13.0, x + 6.4, y + 13.0);
  mouth.quadTo(x + 2.6, y + 13.0, x + 2.0, y + 8.2);
  mouth.closeSubpath();
  painter.setBrush(QColor(220, 0, 0));
  painter.drawPath(mouth);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(x + 3.2, y + 8.9, 6.6, 1.2));
  painter.restore();
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

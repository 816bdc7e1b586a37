// The logo of the splash and the about box: the title over a baize table with
// chips and bills, a hand holding a royal flush, and the credits.

#include "Catalogue.h"
#include "Paint.h"
#include "Pictures.h"
#include "Sources.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace velmora::art {

namespace {

// A stack of `count` chips seen a little from above, bottom centre at `base`.
void PaintChipStack(QPainter& painter, const QPointF& base, qreal radius, int count,
                    const QColor& colour) {
  const qreal thickness = radius * 0.22;
  const qreal squash = 0.42;
  for (int chip = 0; chip < count; ++chip) {
    const qreal y = base.y() - chip * thickness;
    const QRectF top(base.x() - radius, y - thickness - radius * squash, 2 * radius,
                     2 * radius * squash);
    QPainterPath side;
    side.moveTo(base.x() - radius, y - thickness);
    side.lineTo(base.x() - radius, y);
    side.arcTo(QRectF(base.x() - radius, y - radius * squash, 2 * radius, 2 * radius * squash), 180,
               180);
    side.lineTo(base.x() + radius, y - thickness);
    side.closeSubpath();
    QLinearGradient shade(QPointF(base.x() - radius, 0), QPointF(base.x() + radius, 0));
    shade.setColorAt(0.0, colour.darker(170));
    shade.setColorAt(0.35, colour.lighter(110));
    shade.setColorAt(1.0, colour.darker(200));
    painter.setPen(QPen(colour.darker(260), 0.5));
    painter.setBrush(shade);
    painter.drawPath(side);
    // White edge spots on the rim.
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour == Qt::white || colour.lightness() > 200 ? QColor(30, 60, 200)
                                                                     : QColor(Qt::white));
    for (int spot = 0; spot < 4; ++spot) {
      const qreal a = (spot + 0.5) * 3.14159265 / 4.0;
      const qreal x = base.x() - std::cos(a) * radius * 0.9;
      painter.drawRect(QRectF(x - radius * 0.08,
                              y - thickness + 0.6 + std::sin(a) * radius * squash * 0.9 - 0.6,
                              radius * 0.16, thickness - 1.0));
    }
    if (chip == count - 1) {
      painter.save();
      painter.translate(top.center());
      painter.scale(1.0, squash);
      PaintChip(painter, QPointF(0, 0), radius, colour);
      painter.restore();
    }
  }
}

// The five hearts from ten to ace fanned in a hand at the lower left.
void PaintHand(QPainter& painter, const Sources& sources) {
  const QPointF pivot(92, 318);
  const std::array<const char*, 5> cards{"10_heart", "jack_heart", "queen_heart", "king_heart",
                                         "1_heart"};
  const qreal scale = 1.05;
  // Fingers curled round the back of the fan, peeping out at its left.
  const QColor skin(236, 188, 150);
  const QColor skinShade(196, 140, 104);
  painter.setPen(QPen(skinShade.darker(140), 0.8));
  painter.setBrush(skin);
  for (int finger = 0; finger < 3; ++finger) {
    painter.save();
    painter.translate(pivot);
    painter.rotate(-50 + finger * 8);
    painter.drawRoundedRect(QRectF(-9, -132 + finger * 12, 18, 40), 8, 8);
    painter.restore();
  }
  for (std::size_t i = 0; i < cards.size(); ++i) {
    painter.save();
    painter.translate(pivot);
    painter.rotate(-40.0 + static_cast<qreal>(i) * 16.0);
    painter.scale(scale, scale);
    // Pivot near the bottom-left corner of each card, like a hand holds a fan.
    const QRectF face(-14, -150, 71, 96);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(face.translated(2, 2), 3, 3);
    sources.RenderDeckElement(painter, QString::fromLatin1(cards[i]), face);
    painter.restore();
  }
  // Palm and thumb over the front of the fan.
  QLinearGradient palmShade(QPointF(40, 250), QPointF(140, 290));
  palmShade.setColorAt(0.0, skin);
  palmShade.setColorAt(1.0, skinShade);
  painter.setPen(QPen(skinShade.darker(150), 0.9));
  painter.setBrush(palmShade);
  QPainterPath palm;
  palm.moveTo(30, 290);
  palm.cubicTo(40, 256, 70, 236, 96, 236);
  palm.cubicTo(116, 236, 132, 250, 140, 268);
  palm.cubicTo(146, 280, 148, 290, 150, 300);
  palm.lineTo(30, 300);
  palm.closeSubpath();
  painter.drawPath(palm);
  QPainterPath thumb;
  thumb.moveTo(84, 244);
  thumb.cubicTo(92, 222, 104, 204, 118, 200);
  thumb.cubicTo(128, 197, 134, 206, 128, 214);
  thumb.cubicTo(120, 226, 112, 240, 108, 252);
  thumb.closeSubpath();
  painter.drawPath(thumb);
  painter.setPen(QPen(QColor(250, 225, 210), 0.8));
  painter.setBrush(QColor(246, 214, 196));
  painter.drawEllipse(QPointF(124, 206), 5, 4);  // nail
  // Cuff of the sleeve.
  painter.setPen(QPen(QColor(10, 10, 40), 0.8));
  painter.setBrush(QColor(30, 40, 90));
  QPainterPath cuff;
  cuff.moveTo(18, 281);
  cuff.lineTo(60, 281);
  cuff.lineTo(70, 300);
  cuff.lineTo(8, 300);
  cuff.closeSubpath();
  painter.drawPath(cuff);
}

void PaintLogo(QPainter& painter, const Sources& sources) {
  const QRectF area(0, 0, 422, 281);
  QRadialGradient baize(QPointF(250, 150), 300);
  baize.setColorAt(0.0, QColor(30, 150, 60));
  baize.setColorAt(0.7, QColor(10, 100, 36));
  baize.setColorAt(1.0, QColor(4, 60, 20));
  painter.fillRect(area, baize);
  // The nap of the cloth.
  Dice dice(5);
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 2500; ++i) {
    painter.setBrush(i % 2 == 0 ? QColor(255, 255, 255, 10) : QColor(0, 0, 0, 14));
    painter.drawRect(QRectF(dice.Uniform(0, 422), dice.Uniform(0, 281), 1.0, 1.0));
  }

  // Bills fanned on the cloth behind the chips.
  const std::array<int, 4> bills{100, 500, 1000, 50};
  for (std::size_t i = 0; i < bills.size(); ++i) {
    painter.save();
    painter.translate(214 + i * 18.0, 118 + i * 5.0);
    painter.rotate(-14.0 + i * 9.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRect(QRectF(3, 3, 117, 50));
    PaintBill(painter, QRectF(0, 0, 117, 50), bills[i]);
    painter.restore();
  }
  // Stacks of blue, white and red chips.
  PaintChipStack(painter, QPointF(258, 196), 20, 7, QColor(30, 70, 200));
  PaintChipStack(painter, QPointF(302, 186), 20, 10, QColor(236, 236, 236));
  PaintChipStack(painter, QPointF(346, 194), 20, 6, QColor(200, 20, 20));
  PaintChipStack(painter, QPointF(386, 184), 20, 8, QColor(30, 70, 200));
  PaintChipStack(painter, QPointF(214, 186), 17, 4, QColor(200, 20, 20));

  PaintHand(painter, sources);

  // Title and version in gold across the top.
  PaintText(painter, QStringLiteral("Velmora"), Font(SerifFamily, 70, true, true),
            QRectF(0, 2, 422, 72), Qt::AlignCenter, GoldBrush(QRectF(0, 14, 422, 52)),
            QColor(40, 20, 0), 2.0);
  PaintText(painter, QStringLiteral("Version 2.1"), Font(SerifFamily, 26, true, true),
            QRectF(0, 72, 422, 30), Qt::AlignCenter, GoldBrush(QRectF(0, 76, 422, 22)),
            QColor(40, 20, 0), 1.2);

  // Credits at the lower right, clear of the about box's OK button.
  const QRectF credits(200, 206, 214, 46);
  QLinearGradient shade(credits.topLeft(), credits.topRight());
  shade.setColorAt(0.0, QColor(0, 30, 10, 0));
  shade.setColorAt(0.2, QColor(0, 30, 10, 150));
  shade.setColorAt(1.0, QColor(0, 30, 10, 150));
  painter.fillRect(credits, shade);
  const auto line = [&](int row, const QString& text, const QBrush& brush) {
    PaintText(painter, text, Font(SerifFamily, 11.5, true, row % 2 == 0),
              QRectF(210, 208 + row * 11, 200, 11), Qt::AlignRight | Qt::AlignVCenter, brush,
              QColor(0, 20, 0), 0.6);
  };
  line(0, QStringLiteral("Five-Card Draw Poker"), GoldBrush(QRectF(0, 208, 1, 11)));
  line(1, QStringLiteral("Card faces from the KDE games decks"), QBrush(Qt::white));
  line(2, QStringLiteral("Free software under the GNU GPL"), QBrush(Qt::white));
  line(3, QStringLiteral("Shuffle up and deal!"), GoldBrush(QRectF(0, 241, 1, 11)));
}

}  // namespace

void AddLogo(PictureList& pictures, const Sources& sources) {
  pictures.push_back({QString::fromLatin1(catalogue::FixedPictureName(FixedPicture::Logo)),
                      catalogue::FixedPictureSize(FixedPicture::Logo),
                      [&sources](QPainter& painter) { PaintLogo(painter, sources); }});
}

}  // namespace velmora::art

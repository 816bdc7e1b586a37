// The logo of the splash and the about box: the title over a baize table with
// chips and bills, a hand holding a royal flush, and the credits.

#include "resources/Catalogue.h"
#include "resources/renderer/Paint.h"
#include "resources/renderer/Pictures.h"
#include "resources/renderer/Sources.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <utility>

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

// The five hearts from ten to ace fanned in a hand at the lower left: the
// fingers are behind the cards, the heel of the palm and the thumb in front.
void PaintHand(QPainter& painter, const Sources& sources) {
  const QPointF pivot(112, 262);
  const std::array<const char*, 5> cards{"10_heart", "jack_heart", "queen_heart", "king_heart",
                                         "1_heart"};
  for (std::size_t i = 0; i < cards.size(); ++i) {
    painter.save();
    painter.translate(pivot);
    painter.rotate(-32.0 + static_cast<qreal>(i) * 16.0);
    // Each card turns about a point near its bottom-left corner.
    const QRectF face(-10, -86, 71, 96);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(face.translated(2.5, 2.0), 3, 3);
    sources.RenderDeckElement(painter, QString::fromLatin1(cards[i]), face);
    painter.restore();
  }
  const QColor skin(238, 192, 156);
  const QColor shadow(186, 128, 94);
  const QPen outline(QColor(120, 70, 44), 1.0);
  // The heel of the palm rising from the bottom edge.
  QRadialGradient palmShade(QPointF(96, 262), 60);
  palmShade.setColorAt(0.0, skin.lighter(106));
  palmShade.setColorAt(1.0, shadow);
  painter.setPen(outline);
  painter.setBrush(palmShade);
  QPainterPath palm;
  palm.moveTo(52, 281);
  palm.cubicTo(58, 262, 80, 250, 104, 252);
  palm.cubicTo(124, 254, 138, 266, 142, 281);
  palm.closeSubpath();
  painter.drawPath(palm);
  // The thumb pressing the fan, pointing up and to the right.
  painter.save();
  painter.translate(108, 268);
  painter.rotate(-52);
  QLinearGradient thumbShade(QPointF(0, -9), QPointF(0, 9));
  thumbShade.setColorAt(0.0, skin.lighter(108));
  thumbShade.setColorAt(1.0, shadow);
  painter.setBrush(thumbShade);
  QPainterPath thumb;
  thumb.moveTo(0, -11);
  thumb.cubicTo(20, -12, 40, -9, 52, -7);
  thumb.cubicTo(62, -5, 62, 7, 52, 8);
  thumb.cubicTo(40, 9, 20, 11, 0, 12);
  thumb.closeSubpath();
  painter.drawPath(thumb);
  painter.setPen(QPen(QColor(200, 150, 130), 0.8));
  painter.setBrush(QColor(250, 222, 210));
  painter.drawRoundedRect(QRectF(45, -5.5, 12, 10), 4, 4);  // nail
  painter.setPen(QPen(shadow.darker(115), 0.8));
  painter.drawArc(QRectF(26, -7, 6, 14), 100 * 16, 160 * 16);  // knuckle crease
  painter.restore();
  // The sleeve's cuff at the corner.
  painter.setPen(QPen(QColor(10, 10, 40), 1.0));
  QLinearGradient cloth(QPointF(40, 270), QPointF(80, 281));
  cloth.setColorAt(0.0, QColor(50, 60, 120));
  cloth.setColorAt(1.0, QColor(20, 26, 70));
  painter.setBrush(cloth);
  QPainterPath cuff;
  cuff.moveTo(30, 282);
  cuff.lineTo(44, 264);
  cuff.lineTo(74, 272);
  cuff.lineTo(70, 282);
  cuff.closeSubpath();
  painter.drawPath(cuff);
  painter.setPen(QPen(QColor(240, 240, 240), 1.6));
  painter.drawLine(QPointF(44, 264.5), QPointF(73, 272.5));
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

  // A few loose chips by the cards.
  for (const auto& [at, colour] : {std::pair{QPointF(42, 150), QColor(200, 20, 20)},
                                   std::pair{QPointF(78, 136), QColor(30, 70, 200)},
                                   std::pair{QPointF(60, 170), QColor(236, 236, 236)}}) {
    painter.save();
    painter.translate(at);
    painter.scale(1.0, 0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawEllipse(QPointF(2, 5), 17, 17);
    PaintChip(painter, QPointF(0, 0), 17, colour);
    painter.restore();
  }

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

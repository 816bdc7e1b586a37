// The backs with figures and buildings: the cowboy on the bucking horse, the
// pigs at cards, the church in the storm and the Eiffel Tower.

#include "resources/renderer/BackScenes.h"
#include "resources/renderer/Paint.h"
#include "resources/renderer/Sources.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>

namespace velmora::art {

namespace {

void PaintRider(QPainter& painter) {
  // Drawn in its own units: saddle at the origin, up is negative y.
  const QPen outline(QColor(30, 20, 10), 0.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(outline);
  // Leg down the horse's flank, boot in the stirrup.
  painter.setBrush(QColor(40, 60, 120));
  QPainterPath leg;
  leg.moveTo(-1.5, -1);
  leg.lineTo(1.5, 6);
  leg.lineTo(3.5, 6);
  leg.lineTo(1.5, -1.5);
  leg.closeSubpath();
  painter.drawPath(leg);
  painter.setBrush(QColor(80, 40, 20));
  painter.drawRect(QRectF(1.4, 5.5, 3.4, 1.8));
  // Body leaning back, shirt red with a neckerchief.
  painter.setBrush(QColor(200, 40, 30));
  QPainterPath body;
  body.moveTo(-2.5, -1);
  body.lineTo(1.5, -1);
  body.lineTo(-0.5, -9);
  body.lineTo(-4.0, -8.5);
  body.closeSubpath();
  painter.drawPath(body);
  // The free arm flung up with the hat, the other holding the rein.
  painter.setPen(QPen(QColor(200, 40, 30), 1.6, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(-2.5, -8), QPointF(-6.5, -14));
  painter.drawLine(QPointF(-0.5, -7), QPointF(3.5, -4.5));
  painter.setPen(outline);
  painter.setBrush(QColor(240, 190, 150));
  painter.drawEllipse(QPointF(-6.8, -14.6), 0.9, 0.9);
  painter.drawEllipse(QPointF(3.8, -4.4), 0.8, 0.8);
  // Head, hat waved in the air.
  painter.drawEllipse(QPointF(-2.8, -11), 1.8, 2.0);
  painter.setBrush(QColor(120, 70, 30));
  QPainterPath hat;
  hat.moveTo(-10.0, -16.2);
  hat.quadTo(-7.0, -15.0, -4.0, -16.6);
  hat.lineTo(-5.2, -17.0);
  hat.quadTo(-6.0, -19.6, -7.5, -19.2);
  hat.quadTo(-8.8, -19.2, -8.8, -16.6);
  hat.closeSubpath();
  painter.drawPath(hat);
  // Bandana and hair.
  painter.setBrush(QColor(250, 220, 60));
  painter.drawEllipse(QPointF(-1.9, -9.2), 1.1, 0.7);
  painter.setBrush(QColor(90, 50, 20));
  painter.drawChord(QRectF(-4.8, -13.2, 4.0, 3.6), 30 * 16, 140 * 16);
}

void PaintChurchBody(QPainter& painter, QSizeF size) {
  const qreal w = size.width();
  const qreal h = size.height();
  const qreal ground = h * 0.86;
  const QColor stoneLight(150, 146, 150);
  const QColor stoneDark(70, 68, 80);
  painter.setPen(QPen(QColor(20, 20, 28), 0.5));

  const auto spire = [&](qreal centre, qreal width, qreal towerTop, qreal tip) {
    QLinearGradient stone(QPointF(centre - width / 2, 0), QPointF(centre + width / 2, 0));
    stone.setColorAt(0.0, stoneLight);
    stone.setColorAt(1.0, stoneDark);
    painter.setBrush(stone);
    painter.drawRect(QRectF(centre - width / 2, towerTop, width, ground - towerTop));
    QPainterPath roof;
    roof.moveTo(centre - width / 2 - 0.8, towerTop);
    roof.lineTo(centre, tip);
    roof.lineTo(centre + width / 2 + 0.8, towerTop);
    roof.closeSubpath();
    QLinearGradient slate(QPointF(centre - width / 2, 0), QPointF(centre + width / 2, 0));
    slate.setColorAt(0.0, QColor(90, 96, 110));
    slate.setColorAt(1.0, QColor(30, 32, 44));
    painter.setBrush(slate);
    painter.drawPath(roof);
    // Pinnacles on the corners and a cross on the tip.
    for (const qreal side : {-1.0, 1.0}) {
      QPainterPath pinnacle;
      pinnacle.moveTo(centre + side * width / 2 - 1.0, towerTop);
      pinnacle.lineTo(centre + side * width / 2, towerTop - 5.0);
      pinnacle.lineTo(centre + side * width / 2 + 1.0, towerTop);
      pinnacle.closeSubpath();
      painter.drawPath(pinnacle);
    }
    painter.drawLine(QPointF(centre, tip), QPointF(centre, tip - 3.0));
    painter.drawLine(QPointF(centre - 1.1, tip - 2.0), QPointF(centre + 1.1, tip - 2.0));
    // Belfry openings and a lit lancet window.
    painter.setBrush(QColor(20, 20, 30));
    painter.drawRoundedRect(QRectF(centre - 1.5, towerTop + 4, 3.0, 6.0), 1.4, 1.4);
    painter.setBrush(QColor(255, 210, 90));
    painter.drawRoundedRect(QRectF(centre - 1.2, towerTop + 16, 2.4, 6.0), 1.2, 1.2);
  };
  // The nave between the towers, with its rose window and doorway.
  QLinearGradient nave(QPointF(w * 0.3, 0), QPointF(w * 0.7, 0));
  nave.setColorAt(0.0, stoneLight);
  nave.setColorAt(1.0, stoneDark);
  painter.setBrush(nave);
  QPainterPath front;
  front.moveTo(w * 0.28, ground);
  front.lineTo(w * 0.28, h * 0.5);
  front.lineTo(w * 0.5, h * 0.38);
  front.lineTo(w * 0.72, h * 0.5);
  front.lineTo(w * 0.72, ground);
  front.closeSubpath();
  painter.drawPath(front);
  QRadialGradient rose(QPointF(w * 0.5, h * 0.52), 4.5);
  rose.setColorAt(0.0, QColor(255, 240, 150));
  rose.setColorAt(1.0, QColor(220, 120, 40));
  painter.setBrush(rose);
  painter.drawEllipse(QPointF(w * 0.5, h * 0.52), 4.0, 4.0);
  painter.setPen(QPen(QColor(60, 40, 20), 0.4));
  for (int spoke = 0; spoke < 4; ++spoke) {
    const double a = spoke * 3.14159 / 4;
    painter.drawLine(QPointF(w * 0.5 - 4 * std::cos(a), h * 0.52 - 4 * std::sin(a)),
                     QPointF(w * 0.5 + 4 * std::cos(a), h * 0.52 + 4 * std::sin(a)));
  }
  painter.setPen(QPen(QColor(20, 20, 28), 0.5));
  painter.setBrush(QColor(40, 26, 18));
  QPainterPath door;
  door.moveTo(w * 0.43, ground);
  door.lineTo(w * 0.43, ground - 8);
  door.quadTo(w * 0.5, ground - 14, w * 0.57, ground - 8);
  door.lineTo(w * 0.57, ground);
  door.closeSubpath();
  painter.drawPath(door);
  spire(w * 0.2, 12.0, h * 0.36, h * 0.02);
  spire(w * 0.8, 12.0, h * 0.36, h * 0.04);
}

void PaintPigFromBehind(QPainter& painter, QPointF seat) {
  // A stool and the round pink back of a pig sitting on it.
  painter.save();
  painter.translate(seat);
  painter.setPen(QPen(QColor(60, 30, 10), 0.9));
  painter.drawLine(QPointF(-5, 0), QPointF(-6.5, 12));
  painter.drawLine(QPointF(5, 0), QPointF(6.5, 12));
  painter.drawLine(QPointF(0, 0), QPointF(0, 12));
  painter.drawLine(QPointF(-6, 7), QPointF(6, 7));
  painter.setPen(QPen(QColor(50, 24, 8), 0.5));
  painter.setBrush(QColor(150, 90, 40));
  painter.drawRoundedRect(QRectF(-7.5, -1.6, 15, 2.6), 1, 1);
  const QPen outline(QColor(120, 50, 60), 0.5);
  painter.setPen(outline);
  QRadialGradient pink(QPointF(-2, -12), 12);
  pink.setColorAt(0.0, QColor(255, 214, 220));
  pink.setColorAt(1.0, QColor(230, 140, 160));
  painter.setBrush(pink);
  painter.drawEllipse(QPointF(0, -7.5), 8.0, 7.5);   // back
  painter.drawEllipse(QPointF(0, -17.5), 5.6, 5.0);  // head from behind
  // Ears pricked up.
  for (const qreal side : {-1.0, 1.0}) {
    QPainterPath ear;
    ear.moveTo(side * 2.5, -21.5);
    ear.lineTo(side * 5.5, -25.0);
    ear.lineTo(side * 5.6, -19.5);
    ear.closeSubpath();
    painter.drawPath(ear);
  }
  // The curly tail.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(200, 100, 120), 0.8, Qt::SolidLine, Qt::RoundCap));
  QPainterPath tail;
  tail.moveTo(0, -1.5);
  tail.cubicTo(3, 0, 4, -4, 2, -4);
  tail.cubicTo(0, -4, 1, -1, 4, -1.5);
  painter.drawPath(tail);
  painter.restore();
}

}  // namespace

void PaintBuckingHorseScene(QPainter& painter, QSizeF size, const Sources& sources) {
  const QRectF area(QPointF(0, 0), size);
  const qreal h = size.height();
  PaintSky(painter, area, QColor(40, 110, 220), QColor(160, 210, 250));
  Dice dice(22);
  PaintCloud(painter, QPointF(14, 12), 26, QColor(255, 255, 255, 235), dice);
  PaintCloud(painter, QPointF(50, 22), 30, QColor(255, 255, 255, 225), dice);
  PaintCloud(painter, QPointF(30, 36), 18, QColor(255, 255, 255, 190), dice);
  // Prairie and a low fence far behind.
  QLinearGradient ground(QPointF(0, h * 0.76), QPointF(0, h));
  ground.setColorAt(0.0, QColor(210, 180, 110));
  ground.setColorAt(1.0, QColor(160, 120, 60));
  painter.fillRect(QRectF(0, h * 0.76, size.width(), h * 0.24), ground);
  painter.setPen(QPen(QColor(110, 70, 30), 0.7));
  painter.drawLine(QPointF(0, h * 0.73), QPointF(size.width(), h * 0.73));
  for (qreal x = 2; x < size.width(); x += 9) {
    painter.drawLine(QPointF(x, h * 0.7), QPointF(x, h * 0.77));
  }
  // Dust kicked up under the hooves.
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 24; ++i) {
    painter.setBrush(QColor(230, 210, 170, dice.Between(60, 140)));
    const qreal r = dice.Uniform(1.5, 3.5);
    painter.drawEllipse(QPointF(dice.Uniform(8, 56), h * 0.8 + dice.Uniform(-4, 4)), r, r);
  }
  // The horse kicks its hind legs high: the leaping horse tipped nose down.
  const QRectF horseArt(0, 0, 402, 357);
  const qreal horseScale = 54.0 / horseArt.width();
  painter.save();
  painter.translate(size.width() * 0.52, h * 0.58);
  painter.rotate(50.0);
  painter.scale(horseScale, horseScale);
  painter.translate(-horseArt.center());
  // Leave out the clip art's own dust cloud behind the hind legs.
  painter.save();
  painter.setClipPath(
      [] {
        QPainterPath keep;
        keep.addPolygon(QPolygonF(
            {{0, 0}, {402, 0}, {402, 357}, {300, 357}, {230, 300}, {130, 262}, {0, 250}}));
        return keep;
      }(),
      Qt::IntersectClip);
  sources.RenderClipart(painter,
                        QStringLiteral("animals/mammals/horses/cavallo_architetto_franc_07.svg"),
                        horseArt, horseArt);
  painter.restore();
  // The cowboy sits the saddle, leaning back against the buck, one arm in the air.
  painter.translate(188, 140);
  painter.scale(1.0 / horseScale, 1.0 / horseScale);
  painter.rotate(-62.0);
  painter.scale(1.15, 1.15);
  PaintRider(painter);
  painter.restore();
}

void PaintPigsScene(QPainter& painter, QSizeF size, const Sources& sources) {
  const QRectF area(QPointF(0, 0), size);
  const qreal w = size.width();
  const qreal h = size.height();
  // A dim back room with panelled walls.
  PaintSky(painter, area, QColor(50, 30, 20), QColor(90, 56, 30));
  painter.setPen(QPen(QColor(30, 16, 8, 160), 0.6));
  for (qreal x = 5; x < w; x += 10) {
    painter.drawLine(QPointF(x, 0), QPointF(x, h * 0.62));
  }
  // The light pool under the lamp.
  QRadialGradient pool(QPointF(w / 2, h * 0.5), h * 0.5);
  pool.setColorAt(0.0, QColor(255, 230, 150, 170));
  pool.setColorAt(1.0, QColor(255, 230, 150, 0));
  painter.fillRect(area, pool);

  // Two pigs across the table, holding their cards.
  const QString pig = QStringLiteral("animals/mammals/porcinet_01.svg");
  sources.RenderClipart(painter, pig, QRectF(120, 300, 520, 420), QRectF(1, h * 0.34, 26, 21));
  sources.RenderClipart(painter, pig, QRectF(120, 300, 520, 420), QRectF(36, h * 0.34, 26, 21));
  // The table: green baize with a wooden edge, seen a little from above.
  QPainterPath top;
  top.moveTo(4, h * 0.6);
  top.lineTo(w - 4, h * 0.6);
  top.lineTo(w + 2, h * 0.72);
  top.lineTo(-2, h * 0.72);
  top.closeSubpath();
  painter.setPen(QPen(QColor(60, 30, 10), 0.6));
  painter.setBrush(QColor(20, 110, 40));
  painter.drawPath(top);
  painter.setBrush(QColor(110, 60, 20));
  painter.drawRect(QRectF(-2, h * 0.72, w + 4, 2.5));
  painter.drawRect(QRectF(6, h * 0.745, 2.5, h * 0.26));
  painter.drawRect(QRectF(w - 8.5, h * 0.745, 2.5, h * 0.26));
  // Chips and a card on the baize.
  painter.setBrush(QColor(220, 30, 30));
  painter.drawEllipse(QPointF(w * 0.5, h * 0.66), 1.6, 0.8);
  painter.setBrush(QColor(40, 60, 220));
  painter.drawEllipse(QPointF(w * 0.56, h * 0.67), 1.6, 0.8);
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(w * 0.38, h * 0.65, 3.2, 2.0));

  // Their cards fanned over the table edge.
  painter.setPen(QPen(QColor(40, 40, 40), 0.3));
  for (const qreal x : {10.0, 46.0}) {
    for (int c = 0; c < 3; ++c) {
      painter.save();
      painter.translate(x + c * 2.6, h * 0.6 - 0.5);
      painter.rotate(-20 + c * 20);
      painter.setBrush(c == 1 ? QColor(255, 255, 255) : QColor(250, 245, 235));
      painter.drawRect(QRectF(-2.2, -6.5, 4.4, 6.5));
      // A red or black pip on each card.
      painter.setBrush(c == 1 ? QColor(210, 0, 0) : QColor(20, 20, 20));
      painter.drawEllipse(QPointF(0, -4.2), 0.8, 0.8);
      painter.restore();
    }
  }

  // The third pig, seen from behind on its stool.
  PaintPigFromBehind(painter, QPointF(w * 0.5, h * 0.86));

  // The hanging lamp.
  painter.setPen(QPen(QColor(20, 20, 20), 0.5));
  painter.drawLine(QPointF(w / 2, 0), QPointF(w / 2, h * 0.14));
  QPainterPath shade;
  shade.moveTo(w / 2 - 3, h * 0.14);
  shade.lineTo(w / 2 + 3, h * 0.14);
  shade.lineTo(w / 2 + 11, h * 0.25);
  shade.lineTo(w / 2 - 11, h * 0.25);
  shade.closeSubpath();
  QLinearGradient metal(QPointF(w / 2 - 11, 0), QPointF(w / 2 + 11, 0));
  metal.setColorAt(0.0, QColor(20, 70, 30));
  metal.setColorAt(0.5, QColor(60, 150, 70));
  metal.setColorAt(1.0, QColor(20, 60, 25));
  painter.setBrush(metal);
  painter.drawPath(shade);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 250, 200));
  painter.drawEllipse(QPointF(w / 2, h * 0.255), 4.0, 1.6);
}

void PaintChurchScene(QPainter& painter, QSizeF size) {
  const QRectF area(QPointF(0, 0), size);
  const qreal h = size.height();
  PaintSky(painter, area, QColor(16, 14, 30), QColor(70, 60, 90));
  Dice dice(44);
  for (int i = 0; i < 7; ++i) {
    PaintCloud(painter, QPointF(dice.Uniform(-4, size.width() + 4), dice.Uniform(2, 40)),
               dice.Uniform(26, 46), QColor(30, 26, 44, 210), dice);
  }
  // Lightning behind the left spire.
  QPainterPath bolt;
  bolt.moveTo(4, 0);
  bolt.lineTo(8, 10);
  bolt.lineTo(5, 11);
  bolt.lineTo(10, 22);
  painter.setPen(QPen(QColor(200, 200, 255, 120), 2.0));
  painter.drawPath(bolt);
  painter.setPen(QPen(QColor(255, 255, 255), 0.6));
  painter.drawPath(bolt);
  // Graveyard grass.
  painter.fillRect(QRectF(0, h * 0.86, size.width(), h * 0.14), QColor(24, 40, 24));
  PaintChurchBody(painter, size);
  // Rain.
  painter.setPen(QPen(QColor(200, 200, 230, 70), 0.4));
  for (int i = 0; i < 70; ++i) {
    const QPointF at(dice.Uniform(0, size.width() + 10), dice.Uniform(0, h));
    painter.drawLine(at, at + QPointF(-2.0, 5.0));
  }
}

void PaintEiffelScene(QPainter& painter, QSizeF size, const Sources& sources) {
  const QRectF area(QPointF(0, 0), size);
  const qreal w = size.width();
  const qreal h = size.height();
  PaintSky(painter, area, QColor(20, 80, 200), QColor(150, 200, 250));
  Dice dice(55);
  PaintCloud(painter, QPointF(12, 30), 22, QColor(255, 255, 255, 200), dice);
  PaintCloud(painter, QPointF(40, 60), 26, QColor(255, 255, 255, 170), dice);
  // Trees of the Champ de Mars at the tower's feet.
  painter.setPen(Qt::NoPen);
  for (qreal x = -2; x < w; x += 5) {
    painter.setBrush(QColor(30, 100 + static_cast<int>(x) % 30, 40));
    painter.drawEllipse(QPointF(x, h - 4), 4.5, 5.0);
  }
  sources.RenderClipart(painter, QStringLiteral("buildings/eiffel_tower_michael_ja_r.svg"),
                        QRectF(), QRectF(w * 0.42 - 17.5, 3, 35, h - 6));
  // Yellow handwriting running down the right edge.
  painter.save();
  painter.translate(w - 1.5, 3);
  painter.rotate(90);
  const QString note = QStringLiteral("Paris, mon amour");
  QFont hand = Font(EngravedFamily, 11.0, true, true);
  while (QFontMetricsF(hand).horizontalAdvance(note) > h - 10 && hand.pixelSize() > 6) {
    hand.setPixelSize(hand.pixelSize() - 1);
  }
  PaintText(painter, note, hand, QRectF(0, 0, h - 6, 10), Qt::AlignCenter,
            QBrush(QColor(255, 236, 40)), QColor(60, 40, 0, 200), 0.5);
  painter.restore();
}

}  // namespace velmora::art

// The clown backs: the title back with one big laughing clown, and two clowns
// in front of a crowd.

#include "resources/renderer/BackScenes.h"
#include "resources/renderer/Paint.h"

#include <QPainter>
#include <QRadialGradient>

#include <array>

#include <cmath>

namespace velmora::art {

void PaintClownFace(QPainter& painter, QPointF centre, qreal height, const ClownLook& look) {
  painter.save();
  painter.translate(centre);
  const qreal h = height;
  const qreal w = height * 0.78;
  const QPen outline(QColor(30, 20, 20), h * 0.018, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

  // Bushy hair on both sides of a bald crown.
  painter.setPen(Qt::NoPen);
  for (const qreal side : {-1.0, 1.0}) {
    for (int puff = 0; puff < 3; ++puff) {
      const QPointF at(side * w * (0.48 + 0.06 * puff), -h * 0.12 + puff * h * 0.12);
      QRadialGradient gradient(at - QPointF(0, h * 0.04), h * 0.16);
      gradient.setColorAt(0.0, look.hair.lighter(140));
      gradient.setColorAt(1.0, look.hair);
      painter.setBrush(gradient);
      painter.drawEllipse(at, h * 0.15, h * 0.14);
    }
  }
  // Ears.
  painter.setPen(outline);
  painter.setBrush(QColor(250, 214, 190));
  painter.drawEllipse(QPointF(-w * 0.5, h * 0.02), w * 0.08, h * 0.09);
  painter.drawEllipse(QPointF(w * 0.5, h * 0.02), w * 0.08, h * 0.09);

  // White make-up over the whole face.
  QRadialGradient skin(QPointF(-w * 0.1, -h * 0.15), h * 0.7);
  skin.setColorAt(0.0, Qt::white);
  skin.setColorAt(1.0, QColor(226, 226, 236));
  painter.setBrush(skin);
  painter.drawEllipse(QPointF(0, 0), w * 0.5, h * 0.5);

  if (look.hat) {
    QPainterPath hat;
    hat.moveTo(-w * 0.3, -h * 0.38);
    hat.lineTo(w * 0.08, -h * 0.95);
    hat.lineTo(w * 0.3, -h * 0.36);
    hat.quadTo(0, -h * 0.44, -w * 0.3, -h * 0.38);
    painter.setBrush(look.hatColour);
    painter.drawPath(hat);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(w * 0.08, -h * 0.95), h * 0.07, h * 0.07);
  }

  // Painted diamonds over and under the laughing eyes.
  for (const qreal side : {-1.0, 1.0}) {
    const QPointF eye(side * w * 0.2, -h * 0.12);
    QPainterPath diamond;
    diamond.moveTo(eye + QPointF(0, -h * 0.17));
    diamond.lineTo(eye + QPointF(w * 0.09, 0));
    diamond.lineTo(eye + QPointF(0, h * 0.13));
    diamond.lineTo(eye + QPointF(-w * 0.09, 0));
    diamond.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.paint);
    painter.drawPath(diamond);
    // Eyes squeezed shut with laughter.
    QPainterPath lid;
    lid.moveTo(eye + QPointF(-w * 0.09, h * 0.01));
    lid.quadTo(eye + QPointF(0, -h * 0.07), eye + QPointF(w * 0.09, h * 0.01));
    painter.setPen(QPen(Qt::black, h * 0.035, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(lid);
    // High arched brows.
    QPainterPath brow;
    brow.moveTo(eye + QPointF(-w * 0.11, -h * 0.17));
    brow.quadTo(eye + QPointF(0, -h * 0.27), eye + QPointF(w * 0.11, -h * 0.17));
    painter.setPen(QPen(Qt::black, h * 0.025, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(brow);
    // Rosy cheeks.
    QRadialGradient cheek(QPointF(side * w * 0.3, h * 0.1), h * 0.1);
    cheek.setColorAt(0.0, QColor(255, 120, 140, 170));
    cheek.setColorAt(1.0, QColor(255, 120, 140, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(cheek);
    painter.drawEllipse(QPointF(side * w * 0.3, h * 0.1), h * 0.1, h * 0.1);
  }

  // A wide red painted smile around a laughing open mouth.
  QPainterPath lips;
  lips.moveTo(-w * 0.38, h * 0.08);
  lips.cubicTo(-w * 0.3, h * 0.5, w * 0.3, h * 0.5, w * 0.38, h * 0.08);
  lips.cubicTo(w * 0.2, h * 0.16, -w * 0.2, h * 0.16, -w * 0.38, h * 0.08);
  lips.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(220, 20, 30));
  painter.drawPath(lips);
  QPainterPath mouth;
  mouth.moveTo(-w * 0.27, h * 0.15);
  mouth.cubicTo(-w * 0.2, h * 0.42, w * 0.2, h * 0.42, w * 0.27, h * 0.15);
  mouth.cubicTo(w * 0.1, h * 0.2, -w * 0.1, h * 0.2, -w * 0.27, h * 0.15);
  mouth.closeSubpath();
  painter.setBrush(QColor(70, 0, 10));
  painter.drawPath(mouth);
  painter.save();
  painter.setClipPath(mouth);
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(-w * 0.3, h * 0.1, w * 0.6, h * 0.1));  // teeth
  painter.setBrush(QColor(240, 90, 100));
  painter.drawEllipse(QPointF(0, h * 0.36), w * 0.14, h * 0.09);  // tongue
  painter.restore();

  // Round red nose with a shine.
  QRadialGradient nose(QPointF(-h * 0.03, -h * 0.02), h * 0.12);
  nose.setColorAt(0.0, QColor(255, 150, 150));
  nose.setColorAt(0.35, QColor(240, 20, 20));
  nose.setColorAt(1.0, QColor(150, 0, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(nose);
  painter.drawEllipse(QPointF(0, h * 0.02), h * 0.1, h * 0.1);

  painter.restore();
}

void PaintClownScene(QPainter& painter, QSizeF size) {
  const QRectF area(QPointF(0, 0), size);
  QRadialGradient backdrop(QPointF(size.width() / 2, size.height() * 0.6), size.height() * 0.7);
  backdrop.setColorAt(0.0, QColor(120, 60, 190));
  backdrop.setColorAt(1.0, QColor(40, 10, 80));
  painter.fillRect(area, backdrop);
  // Circus stripes fanning out behind the face.
  painter.save();
  painter.translate(size.width() / 2, size.height() * 0.62);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 28));
  for (int ray = 0; ray < 12; ++ray) {
    painter.rotate(30.0);
    QPainterPath beam;
    beam.moveTo(0, 0);
    beam.lineTo(-6, -size.height());
    beam.lineTo(6, -size.height());
    beam.closeSubpath();
    painter.drawPath(beam);
  }
  painter.restore();

  // A ruffled collar under the chin.
  painter.save();
  painter.setPen(QPen(QColor(60, 60, 60), 0.5));
  for (int i = 0; i < 7; ++i) {
    const qreal x = size.width() * (0.08 + i * 0.14);
    painter.setBrush(i % 2 == 0 ? QColor(255, 220, 40) : QColor(40, 170, 230));
    painter.drawEllipse(QPointF(x, size.height() * 0.96), 6.5, 5.0);
  }
  painter.restore();

  PaintClownFace(painter, QPointF(size.width() / 2, size.height() * 0.6), size.height() * 0.6,
                 {QColor(240, 90, 20), QColor(40, 110, 230), false, {}});

  // The title across the top.
  const QRectF title(0, 1.5, size.width(), 15);
  PaintText(painter, QStringLiteral("Velmora"), Font(SerifFamily, 15.5, true, true), title,
            Qt::AlignCenter, QBrush(QColor(255, 226, 40)), QColor(120, 0, 0), 1.2);
}

void PaintTwoClownsScene(QPainter& painter, QSizeF size) {
  const QRectF area(QPointF(0, 0), size);
  PaintSky(painter, area, QColor(90, 10, 20), QColor(30, 0, 10));
  // The crowd: rows of heads and shoulders in the dim stands, smaller and
  // darker towards the back.
  Dice dice(88);
  const std::array<QColor, 6> coats{QColor(40, 60, 140),  QColor(120, 30, 40), QColor(40, 100, 60),
                                    QColor(130, 100, 30), QColor(80, 40, 110), QColor(30, 90, 110)};
  const std::array<QColor, 3> skins{QColor(240, 200, 170), QColor(200, 150, 110),
                                    QColor(140, 96, 66)};
  painter.setPen(Qt::NoPen);
  for (int row = 0; row < 5; ++row) {
    const qreal y = 6.0 + row * 8.0;
    const qreal scale = 0.7 + row * 0.1;
    const qreal dim = 0.45 + row * 0.12;
    for (qreal x = (row % 2) * 3.5 - 2.0; x < size.width() + 4; x += 7.0 * scale) {
      const auto tone = [&](QColor colour) {
        return QColor::fromRgbF(colour.redF() * dim, colour.greenF() * dim, colour.blueF() * dim);
      };
      painter.setBrush(tone(coats[static_cast<std::size_t>(dice.Between(0, 5))]));
      painter.drawEllipse(QPointF(x, y + 4.5 * scale), 3.4 * scale, 2.6 * scale);
      painter.setBrush(tone(skins[static_cast<std::size_t>(dice.Between(0, 2))]));
      painter.drawEllipse(QPointF(x, y), 1.9 * scale, 2.2 * scale);
    }
  }
  // Spotlight on the pair.
  QRadialGradient spot(QPointF(size.width() / 2, size.height() * 0.7), size.width() * 0.8);
  spot.setColorAt(0.0, QColor(255, 240, 180, 120));
  spot.setColorAt(1.0, QColor(255, 240, 180, 0));
  painter.fillRect(area, spot);

  // Their baggy costumes.
  painter.save();
  painter.setPen(QPen(QColor(40, 20, 20), 0.6));
  painter.setBrush(QColor(250, 200, 30));
  painter.drawEllipse(QPointF(size.width() * 0.28, size.height() * 1.02), 17, 22);
  painter.setBrush(QColor(40, 150, 60));
  painter.drawEllipse(QPointF(size.width() * 0.74, size.height() * 1.05), 17, 22);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(size.width() * 0.28, size.height() * 0.9), 2.0, 2.0);
  painter.drawEllipse(QPointF(size.width() * 0.74, size.height() * 0.92), 2.0, 2.0);
  painter.restore();

  PaintClownFace(painter, QPointF(size.width() * 0.28, size.height() * 0.66), 26.0,
                 {QColor(230, 40, 30), QColor(30, 100, 220), true, QColor(40, 120, 230)});
  PaintClownFace(painter, QPointF(size.width() * 0.73, size.height() * 0.7), 24.0,
                 {QColor(250, 160, 20), QColor(0, 150, 60), true, QColor(220, 30, 120)});
}

}  // namespace velmora::art

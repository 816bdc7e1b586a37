// The backs with the sea in them: the lighthouse, the crags with the ship and
// the bridge over the bay; plus the swirl of clouds seen from above.

#include "resources/renderer/BackScenes.h"
#include "resources/renderer/Paint.h"
#include "resources/renderer/Sources.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace velmora::art {

namespace {

// Rolling waves from `top` downwards, darker towards the viewer, with foam crests.
void PaintSea(QPainter& painter, QSizeF size, qreal top, const QColor& far, const QColor& near,
              unsigned seed) {
  const QRectF water(0, top, size.width(), size.height() - top);
  QLinearGradient gradient(water.topLeft(), water.bottomLeft());
  gradient.setColorAt(0.0, far);
  gradient.setColorAt(1.0, near);
  painter.fillRect(water, gradient);
  Dice dice(seed);
  painter.save();
  for (qreal y = top + 2.0; y < size.height(); y += 3.0 + (y - top) * 0.12) {
    const qreal depth = (y - top) / (size.height() - top);
    for (qreal x = dice.Uniform(-8, 0); x < size.width();
         x += dice.Uniform(7, 14) * (0.6 + depth)) {
      const qreal length = dice.Uniform(4, 9) * (0.6 + depth);
      QPainterPath crest;
      crest.moveTo(x, y);
      crest.quadTo(x + length * 0.5, y - 1.2 - depth * 1.5, x + length, y);
      painter.setPen(QPen(QColor(255, 255, 255, dice.Between(90, 200)), 0.5 + depth * 0.7));
      painter.drawPath(crest);
    }
  }
  painter.restore();
}

// Spray thrown up where waves break: many translucent white blobs.
void PaintSpray(QPainter& painter, const QPointF& at, qreal width, qreal height, unsigned seed) {
  Dice dice(seed);
  painter.save();
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 40; ++i) {
    const qreal dx = dice.Uniform(-0.5, 0.5) * width;
    const qreal dy = -std::pow(dice.Uniform(0, 1), 1.5) * height * (1.0 - std::abs(dx) / width);
    const qreal r = dice.Uniform(0.6, 2.4);
    painter.setBrush(QColor(255, 255, 255, dice.Between(70, 170)));
    painter.drawEllipse(at + QPointF(dx, dy), r, r);
  }
  painter.restore();
}

}  // namespace

void PaintLighthouseScene(QPainter& painter, QSizeF size, const Sources& sources) {
  const QRectF area(QPointF(0, 0), size);
  PaintSky(painter, area, QColor(22, 30, 48), QColor(92, 104, 120));
  Dice dice(11);
  for (int i = 0; i < 5; ++i) {
    PaintCloud(painter, QPointF(dice.Uniform(0, size.width()), dice.Uniform(4, 30)),
               dice.Uniform(24, 40), QColor(50, 56, 70, 200), dice);
  }
  // Beams of the lamp sweeping the storm.
  const QPointF lamp(size.width() * 0.5, size.height() * 0.2);
  painter.save();
  painter.setPen(Qt::NoPen);
  for (const qreal side : {-1.0, 1.0}) {
    QPainterPath beam;
    beam.moveTo(lamp);
    beam.lineTo(lamp + QPointF(side * size.width(), -8));
    beam.lineTo(lamp + QPointF(side * size.width(), 8));
    beam.closeSubpath();
    QLinearGradient light(lamp, lamp + QPointF(side * size.width(), 0));
    light.setColorAt(0.0, QColor(255, 250, 190, 200));
    light.setColorAt(1.0, QColor(255, 250, 190, 0));
    painter.setBrush(light);
    painter.drawPath(beam);
  }
  painter.restore();

  // The rock.
  QPainterPath rock;
  rock.moveTo(2, size.height() * 0.78);
  rock.lineTo(12, size.height() * 0.66);
  rock.lineTo(22, size.height() * 0.62);
  rock.lineTo(40, size.height() * 0.61);
  rock.lineTo(50, size.height() * 0.67);
  rock.lineTo(61, size.height() * 0.79);
  rock.closeSubpath();
  QLinearGradient stone(QPointF(0, size.height() * 0.6),
                        QPointF(size.width(), size.height() * 0.8));
  stone.setColorAt(0.0, QColor(110, 100, 90));
  stone.setColorAt(1.0, QColor(40, 36, 34));
  painter.setPen(QPen(QColor(20, 18, 16), 0.6));
  painter.setBrush(stone);
  painter.drawPath(rock);

  // The tower stands on the rock: clip art of a striped lighthouse.
  sources.RenderClipart(painter, QStringLiteral("buildings/homes/lighthouse_matthew_gates_.svg"),
                        QRectF(300, 60, 150, 630),
                        QRectF(size.width() * 0.5 - 9.5, size.height() * 0.15, 19, 42));

  PaintSea(painter, size, size.height() * 0.72, QColor(30, 70, 80), QColor(8, 30, 40), 12);
  // Storm waves breaking over the rock.
  PaintSpray(painter, QPointF(9, size.height() * 0.74), 14, 20, 13);
  PaintSpray(painter, QPointF(55, size.height() * 0.76), 14, 16, 14);
}

void PaintCragsScene(QPainter& painter, QSizeF size, const Sources& sources) {
  const QRectF area(QPointF(0, 0), size);
  // Dusk: a last orange glow under a purple storm.
  QLinearGradient sky(area.topLeft(), QPointF(0, size.height() * 0.62));
  sky.setColorAt(0.0, QColor(40, 24, 60));
  sky.setColorAt(0.55, QColor(140, 60, 80));
  sky.setColorAt(1.0, QColor(250, 150, 60));
  painter.fillRect(area, sky);
  Dice dice(66);
  for (int i = 0; i < 4; ++i) {
    PaintCloud(painter, QPointF(dice.Uniform(0, size.width()), dice.Uniform(6, 26)),
               dice.Uniform(26, 44), QColor(50, 30, 60, 220), dice);
  }
  // Towering crags on both sides.
  const auto crag = [&](std::initializer_list<QPointF> points, const QColor& light,
                        const QColor& dark) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& p : points) {
      if (first) {
        path.moveTo(p);
        first = false;
      } else {
        path.lineTo(p);
      }
    }
    path.closeSubpath();
    QLinearGradient shade(path.boundingRect().topLeft(), path.boundingRect().topRight());
    shade.setColorAt(0.0, light);
    shade.setColorAt(1.0, dark);
    painter.setPen(QPen(QColor(10, 6, 10), 0.5));
    painter.setBrush(shade);
    painter.drawPath(path);
    // Ledges and clefts break up the rock face.
    painter.save();
    painter.setClipPath(path, Qt::IntersectClip);
    const QRectF bounds = path.boundingRect();
    for (int i = 0; i < 26; ++i) {
      const QPointF start(dice.Uniform(bounds.left(), bounds.right()),
                          dice.Uniform(bounds.top(), bounds.bottom()));
      QPainterPath ledge;
      ledge.moveTo(start);
      ledge.lineTo(start + QPointF(dice.Uniform(1.5, 3.5), dice.Uniform(-0.8, 1.2)));
      ledge.lineTo(start + QPointF(dice.Uniform(3.5, 6.0), dice.Uniform(0.5, 2.5)));
      const bool lit = i % 3 == 0;
      painter.setPen(QPen(lit ? QColor(240, 150, 100, 90) : QColor(10, 4, 10, 150), 0.5));
      painter.drawPath(ledge);
    }
    painter.restore();
  };
  const qreal h = size.height();
  crag({{0, 8}, {6, 4}, {11, 14}, {15, 30}, {20, 42}, {24, 56}, {26, h * 0.7}, {0, h * 0.7}},
       QColor(90, 60, 60), QColor(30, 16, 24));
  crag({{63, 18}, {57, 14}, {52, 24}, {49, 38}, {45, 50}, {42, h * 0.7}, {63, h * 0.7}},
       QColor(40, 20, 30), QColor(100, 66, 60));
  // Rock faces catch the last light.
  painter.setPen(QPen(QColor(250, 160, 90, 120), 0.6));
  painter.drawLine(QPointF(11, 14), QPointF(16, 34));
  painter.drawLine(QPointF(52, 24), QPointF(47, 44));

  PaintSea(painter, size, h * 0.66, QColor(90, 70, 90), QColor(16, 14, 30), 67);
  PaintSpray(painter, QPointF(20, h * 0.69), 10, 9, 68);
  PaintSpray(painter, QPointF(48, h * 0.69), 10, 9, 69);
  // A small sailing ship between the crags.
  sources.RenderClipart(painter, QStringLiteral("transportation/boating/boat_jarno_vasamaa1.svg"),
                        QRectF(120, 20, 790, 720), QRectF(26, h * 0.52, 14, 12.8));
}

void PaintBridgeScene(QPainter& painter, QSizeF size) {
  const QRectF area(QPointF(0, 0), size);
  const qreal h = size.height();
  const qreal horizon = h * 0.62;
  QLinearGradient sky(area.topLeft(), QPointF(0, horizon));
  sky.setColorAt(0.0, QColor(40, 30, 90));
  sky.setColorAt(0.45, QColor(190, 80, 110));
  sky.setColorAt(0.8, QColor(250, 150, 70));
  sky.setColorAt(1.0, QColor(255, 210, 120));
  painter.fillRect(QRectF(0, 0, size.width(), horizon), sky);
  // Setting sun and the hills across the bay.
  QRadialGradient sun(QPointF(size.width() * 0.3, horizon - 4), 12);
  sun.setColorAt(0.0, QColor(255, 250, 220));
  sun.setColorAt(0.4, QColor(255, 220, 120, 220));
  sun.setColorAt(1.0, QColor(255, 180, 80, 0));
  painter.fillRect(QRectF(0, 0, size.width(), horizon), sun);
  QPainterPath hills;
  hills.moveTo(0, horizon);
  hills.cubicTo(10, horizon - 8, 22, horizon - 3, 34, horizon - 6);
  hills.cubicTo(46, horizon - 10, 56, horizon - 4, 63, horizon - 7);
  hills.lineTo(63, horizon);
  hills.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(70, 40, 80));
  painter.drawPath(hills);
  // The bay mirrors the sky.
  QLinearGradient water(QPointF(0, horizon), QPointF(0, h));
  water.setColorAt(0.0, QColor(220, 130, 90));
  water.setColorAt(0.3, QColor(120, 60, 100));
  water.setColorAt(1.0, QColor(20, 20, 60));
  painter.fillRect(QRectF(0, horizon, size.width(), h - horizon), water);
  Dice dice(99);
  for (int i = 0; i < 40; ++i) {
    const qreal y = horizon + std::pow(dice.Uniform(0, 1), 1.6) * (h - horizon);
    const qreal x = dice.Uniform(-4, size.width());
    painter.setPen(QPen(QColor(255, 210, 150, dice.Between(40, 140)), 0.5));
    painter.drawLine(QPointF(x, y), QPointF(x + dice.Uniform(2, 7), y));
  }

  // The red suspension bridge in perspective from the left shore.
  const QColor red(200, 40, 24);
  const QColor shade(120, 20, 14);
  const qreal deckNear = h * 0.72;
  const qreal deckFar = horizon - 1.0;
  const auto deckY = [&](qreal x) { return deckNear + (deckFar - deckNear) * (x / size.width()); };
  // Two towers, the near one tall.
  const auto tower = [&](qreal x, qreal height, qreal width) {
    const qreal base = deckY(x) + height * 0.18;
    painter.setPen(Qt::NoPen);
    painter.setBrush(red);
    painter.drawRect(QRectF(x - width, base - height, width * 0.7, height));
    painter.drawRect(QRectF(x + width * 0.3, base - height, width * 0.7, height));
    painter.setBrush(shade);
    for (int i = 1; i <= 3; ++i) {
      painter.drawRect(
          QRectF(x - width, base - height + height * (i * 0.22), width * 2, width * 0.35));
    }
  };
  const qreal nearX = 16.0;
  const qreal farX = 46.0;
  const qreal nearTop = deckY(nearX) - 44.0;
  const qreal farTop = deckY(farX) - 22.0;
  // Main cables: from the shore over both towers and on to the far side.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(red, 0.9));
  QPainterPath cable;
  cable.moveTo(-2, deckY(-2) - 4);
  cable.quadTo(nearX * 0.5, deckY(nearX * 0.5) - 6, nearX, nearTop);
  cable.quadTo((nearX + farX) / 2, deckY((nearX + farX) / 2) - 2, farX, farTop);
  cable.quadTo(farX + 10, deckY(farX + 10) - 3, 66, deckY(66) - 8);
  painter.drawPath(cable);
  // Suspenders hang from the cable to the roadway.
  painter.setPen(QPen(QColor(200, 60, 40, 200), 0.35));
  for (qreal x = 0; x < size.width(); x += 2.0) {
    const qreal t = std::clamp((x - nearX) / (farX - nearX), 0.0, 1.0);
    qreal top = 0;
    if (x >= nearX && x <= farX) {
      // Sag of the span between the towers.
      const qreal straight = nearTop + (farTop - nearTop) * t;
      top = straight + std::sin(t * std::numbers::pi) * ((deckY(x) - 3) - straight) * 0.95;
    } else {
      continue;
    }
    painter.drawLine(QPointF(x, top), QPointF(x, deckY(x)));
  }
  // The roadway.
  QPainterPath road;
  road.moveTo(-2, deckNear - 1.6);
  road.lineTo(size.width() + 2, deckFar - 0.6);
  road.lineTo(size.width() + 2, deckFar + 0.6);
  road.lineTo(-2, deckNear + 1.6);
  road.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(shade);
  painter.drawPath(road);
  tower(nearX, 52.0, 3.0);
  tower(farX, 27.0, 1.6);
}

void PaintSwirlScene(QPainter& painter, QSizeF size) {
  // Computed per pixel at four times the final density and drawn smoothly
  // down, so the spiral arms stay fine at both scales.
  const int density = 8;
  QImage swirl(static_cast<int>(size.width() * density), static_cast<int>(size.height() * density),
               QImage::Format_RGB32);
  const QPointF centre(swirl.width() * 0.46, swirl.height() * 0.52);
  const double scale = 1.0 / density;
  for (int y = 0; y < swirl.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(swirl.scanLine(y));
    for (int x = 0; x < swirl.width(); ++x) {
      const double dx = (x - centre.x()) * scale;
      const double dy = (y - centre.y()) * scale;
      const double r = std::hypot(dx, dy);
      const double theta = std::atan2(dy, dx);
      // Logarithmic spiral arms, broken up by a little interference.
      const double arms = std::sin(3.0 * theta + 2.2 * std::log(r + 1.5) * 3.0 +
                                   0.6 * std::sin(dx * 0.35 + dy * 0.2));
      const double ripples = 0.5 + 0.5 * std::sin(dx * 0.9 - dy * 0.7 + 4.0 * std::sin(theta * 2));
      double white = std::clamp(0.5 + 0.75 * arms - 0.15 * ripples, 0.0, 1.0);
      white = std::pow(white, 1.6);
      const double glow = std::exp(-r * 0.12);
      const int red = static_cast<int>(10 + 235 * white + 20 * glow);
      const int green = static_cast<int>(24 + 221 * white + 30 * glow);
      const int blue = static_cast<int>(90 + 165 * white);
      line[x] = qRgb(std::min(red, 255), std::min(green, 255), std::min(blue, 255));
    }
  }
  painter.drawImage(QRectF(QPointF(0, 0), size), swirl);
}

}  // namespace velmora::art

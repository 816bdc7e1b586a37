#include "resources/renderer/Paint.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>

namespace velmora::art {

QFont Font(const QString& family, qreal pixelSize, bool bold, bool italic) {
  QFont font(family);
  font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
  font.setBold(bold);
  font.setItalic(italic);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QPainterPath RoundedRect(const QRectF& rect, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

void PaintCardBlank(QPainter& painter, const QRectF& rect) {
  painter.save();
  painter.setPen(QPen(Qt::black, 1.0));
  painter.setBrush(Qt::white);
  painter.drawPath(RoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 3.0));
  painter.restore();
}

namespace {

// Pips designed in a unit square, y downwards, then mapped onto the target.
QPainterPath UnitHeart() {
  QPainterPath path;
  path.moveTo(0.5, 1.0);
  path.cubicTo(0.38, 0.80, 0.0, 0.60, 0.0, 0.30);
  path.cubicTo(0.0, 0.08, 0.16, 0.0, 0.27, 0.0);
  path.cubicTo(0.40, 0.0, 0.48, 0.09, 0.5, 0.2);
  path.cubicTo(0.52, 0.09, 0.60, 0.0, 0.73, 0.0);
  path.cubicTo(0.84, 0.0, 1.0, 0.08, 1.0, 0.30);
  path.cubicTo(1.0, 0.60, 0.62, 0.80, 0.5, 1.0);
  path.closeSubpath();
  return path;
}

QPainterPath UnitDiamond() {
  QPainterPath path;
  path.moveTo(0.5, 0.0);
  path.quadTo(0.68, 0.27, 0.88, 0.5);
  path.quadTo(0.68, 0.73, 0.5, 1.0);
  path.quadTo(0.32, 0.73, 0.12, 0.5);
  path.quadTo(0.32, 0.27, 0.5, 0.0);
  path.closeSubpath();
  return path;
}

QPainterPath UnitStem() {
  QPainterPath stem;
  stem.moveTo(0.5, 0.55);
  stem.quadTo(0.52, 0.85, 0.7, 1.0);
  stem.lineTo(0.3, 1.0);
  stem.quadTo(0.48, 0.85, 0.5, 0.55);
  stem.closeSubpath();
  return stem;
}

QPainterPath UnitClub() {
  QPainterPath path;
  path.addEllipse(QPointF(0.5, 0.25), 0.22, 0.22);
  path.addEllipse(QPointF(0.25, 0.6), 0.22, 0.22);
  path.addEllipse(QPointF(0.75, 0.6), 0.22, 0.22);
  path.addRect(QRectF(0.42, 0.3, 0.16, 0.35));
  path.setFillRule(Qt::WindingFill);
  return path.united(UnitStem()).simplified();
}

QPainterPath UnitSpade() {
  QPainterPath leaf;
  leaf.moveTo(0.5, 0.0);
  leaf.cubicTo(0.62, 0.2, 1.0, 0.38, 1.0, 0.62);
  leaf.cubicTo(1.0, 0.82, 0.84, 0.88, 0.73, 0.88);
  leaf.cubicTo(0.62, 0.88, 0.54, 0.80, 0.5, 0.72);
  leaf.cubicTo(0.46, 0.80, 0.38, 0.88, 0.27, 0.88);
  leaf.cubicTo(0.16, 0.88, 0.0, 0.82, 0.0, 0.62);
  leaf.cubicTo(0.0, 0.38, 0.38, 0.2, 0.5, 0.0);
  leaf.closeSubpath();
  return leaf.united(UnitStem()).simplified();
}

}  // namespace

QPainterPath SuitPath(Suit suit, const QRectF& rect) {
  QPainterPath unit;
  switch (suit) {
    case Suit::Heart:
      unit = UnitHeart();
      break;
    case Suit::Diamond:
      unit = UnitDiamond();
      break;
    case Suit::Club:
      unit = UnitClub();
      break;
    case Suit::Spade:
      unit = UnitSpade();
      break;
  }
  QTransform map;
  map.translate(rect.left(), rect.top());
  map.scale(rect.width(), rect.height());
  return map.map(unit);
}

QColor SuitColor(Suit suit) {
  return suit == Suit::Heart || suit == Suit::Diamond ? QColor(214, 0, 0) : QColor(0, 0, 0);
}

QPainterPath TextPath(const QString& text, const QFont& font, const QRectF& box,
                      Qt::Alignment alignment) {
  const QFontMetricsF metrics(font);
  const qreal width = metrics.horizontalAdvance(text);
  qreal x = box.left();
  if (alignment & Qt::AlignHCenter) {
    x = box.center().x() - width / 2.0;
  } else if (alignment & Qt::AlignRight) {
    x = box.right() - width;
  }
  // Cap height centring looks right for lettering that is mostly capitals and figures.
  const qreal capHeight = metrics.capHeight();
  qreal baseline = box.top() + metrics.ascent();
  if (alignment & Qt::AlignVCenter) {
    baseline = box.center().y() + capHeight / 2.0;
  } else if (alignment & Qt::AlignBottom) {
    baseline = box.bottom() - metrics.descent();
  }
  QPainterPath path;
  path.addText(QPointF(x, baseline), font, text);
  return path;
}

void PaintText(QPainter& painter, const QString& text, const QFont& font, const QRectF& box,
               Qt::Alignment alignment, const QBrush& fill, const QColor& outline,
               qreal outlineWidth) {
  const QPainterPath path = TextPath(text, font, box, alignment);
  painter.save();
  if (outline.isValid() && outlineWidth > 0.0) {
    painter.setPen(QPen(outline, outlineWidth * 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(fill);
  painter.drawPath(path);
  painter.restore();
}

QBrush GoldBrush(const QRectF& rect) {
  QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
  gradient.setColorAt(0.0, QColor(255, 246, 178));
  gradient.setColorAt(0.35, QColor(246, 204, 74));
  gradient.setColorAt(0.55, QColor(196, 140, 20));
  gradient.setColorAt(0.75, QColor(238, 190, 60));
  gradient.setColorAt(1.0, QColor(150, 98, 10));
  return QBrush(gradient);
}

void PaintMahogany(QPainter& painter, const QRectF& rect, unsigned seed) {
  painter.save();
  painter.setClipRect(rect, Qt::IntersectClip);
  QLinearGradient base(rect.topLeft(), rect.topRight());
  base.setColorAt(0.0, QColor(74, 22, 12));
  base.setColorAt(0.3, QColor(112, 38, 20));
  base.setColorAt(0.55, QColor(96, 30, 16));
  base.setColorAt(0.8, QColor(122, 44, 24));
  base.setColorAt(1.0, QColor(70, 20, 10));
  painter.fillRect(rect, base);

  Dice dice(seed);
  // Grain runs along the length: long lines wandering slightly sideways.
  const int lines = static_cast<int>(rect.width() * 1.4);
  for (int i = 0; i < lines; ++i) {
    const qreal x0 = rect.left() + dice.Uniform(0.0, rect.width());
    const qreal wave = dice.Uniform(0.6, 2.4);
    const qreal period = dice.Uniform(60.0, 160.0);
    const qreal phase = dice.Uniform(0.0, 6.28);
    QPainterPath grain;
    for (qreal y = rect.top(); y <= rect.bottom() + 4.0; y += 4.0) {
      const qreal x = x0 + wave * std::sin(phase + (y - rect.top()) / period * 6.28);
      if (y == rect.top()) {
        grain.moveTo(x, y);
      } else {
        grain.lineTo(x, y);
      }
    }
    const bool dark = dice.Between(0, 2) != 0;
    const QColor colour =
        dark ? QColor(40, 8, 4, dice.Between(30, 90)) : QColor(170, 80, 44, dice.Between(20, 60));
    painter.setPen(QPen(colour, dice.Uniform(0.3, 1.1)));
    painter.drawPath(grain);
  }
  // Polish: a soft highlight band across the wood.
  QLinearGradient gloss(rect.topLeft(), rect.topRight());
  gloss.setColorAt(0.0, QColor(255, 255, 255, 0));
  gloss.setColorAt(0.35, QColor(255, 220, 190, 46));
  gloss.setColorAt(0.5, QColor(255, 230, 200, 10));
  gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
  painter.fillRect(rect, gloss);
  painter.restore();
}

void PaintSky(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& bottom) {
  QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
  gradient.setColorAt(0.0, top);
  gradient.setColorAt(1.0, bottom);
  painter.fillRect(rect, gradient);
}

void PaintCloud(QPainter& painter, const QPointF& centre, qreal width, const QColor& colour,
                Dice& dice) {
  painter.save();
  painter.setPen(Qt::NoPen);
  const int puffs = 7;
  for (int i = 0; i < puffs; ++i) {
    const qreal t = static_cast<qreal>(i) / (puffs - 1) - 0.5;
    const qreal radius = width * (0.22 - 0.12 * std::abs(t)) * dice.Uniform(0.85, 1.15);
    const QPointF at(centre.x() + t * width * 0.75,
                     centre.y() - radius * 0.35 * (1.0 - std::abs(t)));
    QRadialGradient puff(at, radius);
    puff.setColorAt(0.0, colour);
    puff.setColorAt(0.7, colour);
    QColor edge = colour;
    edge.setAlpha(0);
    puff.setColorAt(1.0, edge);
    painter.setBrush(puff);
    painter.drawEllipse(at, radius, radius);
  }
  painter.restore();
}

// A poker chip seen from above: coloured disc, white edge spots, inlay ring.
void PaintChip(QPainter& painter, const QPointF& centre, qreal radius, const QColor& colour) {
  painter.save();
  painter.setPen(QPen(colour.darker(180), radius * 0.08));
  painter.setBrush(colour);
  painter.drawEllipse(centre, radius, radius);
  painter.setPen(Qt::NoPen);
  // Edge spots contrast with the chip: white on colours, blue on a white chip.
  const QColor spots = colour.lightness() > 200 ? QColor(30, 70, 200) : QColor(Qt::white);
  painter.setBrush(spots);
  for (int spot = 0; spot < 6; ++spot) {
    const qreal a = spot * 3.14159265 / 3.0;
    painter.save();
    painter.translate(centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.82);
    painter.rotate(a * 180.0 / 3.14159265);
    painter.drawRect(QRectF(-radius * 0.12, -radius * 0.2, radius * 0.24, radius * 0.4));
    painter.restore();
  }
  painter.setPen(QPen(spots, radius * 0.07, Qt::DashLine));
  painter.setBrush(colour.lighter(115));
  painter.drawEllipse(centre, radius * 0.58, radius * 0.58);
  painter.restore();
}

}  // namespace velmora::art

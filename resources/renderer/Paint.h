// Drawing helpers shared by the pictures: fonts, card shapes, suit pips,
// lettering with outlines, wood and paper textures.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <random>

class QPainter;

namespace velmora::art {

inline const QString SerifFamily = QStringLiteral("Liberation Serif");
inline const QString SansFamily = QStringLiteral("Liberation Sans");
inline const QString NarrowFamily = QStringLiteral("Liberation Sans Narrow");
inline const QString EngravedFamily = QStringLiteral("Linux Libertine O");

QFont Font(const QString& family, qreal pixelSize, bool bold = false, bool italic = false);

// Deterministic randomness, so every build draws the same pictures.
class Dice {
 public:
  explicit Dice(unsigned seed) : engine_(seed) {}
  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(engine_);
  }
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }

 private:
  std::minstd_rand engine_;
};

QPainterPath RoundedRect(const QRectF& rect, qreal radius);

// A card's white ground and its thin black rounded border filling `rect`.
void PaintCardBlank(QPainter& painter, const QRectF& rect);

enum class Suit { Heart, Diamond, Club, Spade };
// A suit pip filling `rect`, pointing up.
QPainterPath SuitPath(Suit suit, const QRectF& rect);
QColor SuitColor(Suit suit);

// Text as a path, so it can be filled with a gradient and outlined.
QPainterPath TextPath(const QString& text, const QFont& font, const QRectF& box,
                      Qt::Alignment alignment);
void PaintText(QPainter& painter, const QString& text, const QFont& font, const QRectF& box,
               Qt::Alignment alignment, const QBrush& fill, const QColor& outline = QColor(),
               qreal outlineWidth = 0.0);

// Polished gold from light to dark across `rect`, for lettering.
QBrush GoldBrush(const QRectF& rect);

// Mahogany: a warm base with fine wavy grain and a gloss.
void PaintMahogany(QPainter& painter, const QRectF& rect, unsigned seed);

// A vertical gradient from `top` to `bottom`.
void PaintSky(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& bottom);

// A soft cloud of overlapping puffs centred on `centre`.
void PaintCloud(QPainter& painter, const QPointF& centre, qreal width, const QColor& colour,
                Dice& dice);

// A poker chip seen from above: coloured disc, white edge spots, inlay ring.
void PaintChip(QPainter& painter, const QPointF& centre, qreal radius, const QColor& colour);

// One engraved banknote of `dollars` filling `rect` (designed at 117 x 50).
void PaintBill(QPainter& painter, const QRectF& rect, int dollars);

}  // namespace velmora::art

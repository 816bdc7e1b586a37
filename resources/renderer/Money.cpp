// The bills of the cash tray: engraved banknotes in grey and green, and
// strapped bundles of them with coloured paper bands.

#include "resources/Catalogue.h"
#include "resources/renderer/Paint.h"
#include "resources/renderer/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace velmora::art {

namespace {

const QColor Ink(22, 70, 44);
const QColor PaleInk(120, 160, 130);
const QColor Paper(226, 232, 214);

QString Words(int dollars) {
  switch (dollars) {
    case 1:
      return QStringLiteral("ONE DOLLAR");
    case 5:
      return QStringLiteral("FIVE DOLLARS");
    case 10:
      return QStringLiteral("TEN DOLLARS");
    case 20:
      return QStringLiteral("TWENTY DOLLARS");
    case 50:
      return QStringLiteral("FIFTY DOLLARS");
    case 100:
      return QStringLiteral("ONE HUNDRED DOLLARS");
    case 500:
      return QStringLiteral("FIVE HUNDRED DOLLARS");
    default:
      return QStringLiteral("ONE THOUSAND DOLLARS");
  }
}

// Fine wavy lines of the engraved background.
void PaintGuilloche(QPainter& painter, const QRectF& rect, unsigned seed) {
  Dice dice(seed);
  painter.save();
  painter.setClipRect(rect, Qt::IntersectClip);
  painter.setBrush(Qt::NoBrush);
  for (int band = 0; band < 2; ++band) {
    const qreal period = dice.Uniform(9.0, 14.0);
    const qreal amplitude = dice.Uniform(1.6, 3.0);
    painter.setPen(QPen(QColor(PaleInk.red(), PaleInk.green(), PaleInk.blue(), 110), 0.35));
    for (qreal y0 = rect.top() - 3; y0 < rect.bottom() + 3; y0 += 1.7) {
      QPainterPath wave;
      for (qreal x = rect.left(); x <= rect.right() + 1; x += 1.0) {
        const qreal y = y0 + amplitude * std::sin((x / period + band * 0.5 + y0 * 0.07) * 6.283);
        if (x == rect.left()) {
          wave.moveTo(x, y);
        } else {
          wave.lineTo(x, y);
        }
      }
      painter.drawPath(wave);
    }
  }
  painter.restore();
}

// A rosette of overlapping ellipses, the engraver's ornament behind a numeral.
void PaintRosette(QPainter& painter, const QPointF& centre, qreal radius) {
  painter.save();
  painter.translate(centre);
  painter.setBrush(QColor(236, 240, 226));
  painter.setPen(QPen(Ink, 0.5));
  painter.drawEllipse(QPointF(0, 0), radius, radius);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(Ink.red(), Ink.green(), Ink.blue(), 110), 0.3));
  for (int petal = 0; petal < 12; ++petal) {
    painter.rotate(15.0);
    painter.drawEllipse(QPointF(0, 0), radius * 0.9, radius * 0.35);
  }
  painter.restore();
}

// An engraved portrait in an oval: hatched background, bust in profile.
void PaintPortrait(QPainter& painter, const QRectF& oval) {
  painter.save();
  QPainterPath frame;
  frame.addEllipse(oval);
  painter.setClipPath(frame);
  painter.fillRect(oval, QColor(214, 220, 204));
  painter.setPen(QPen(QColor(40, 60, 50, 150), 0.35));
  for (qreal y = oval.top(); y < oval.bottom(); y += 1.1) {
    painter.drawLine(QPointF(oval.left(), y), QPointF(oval.right(), y));
  }
  // The bust: a head and shoulders in grey-green, shaded by darker hatching.
  const QPointF c = oval.center();
  const qreal s = oval.height();
  QPainterPath bust;
  bust.moveTo(c.x() - s * 0.42, oval.bottom());
  bust.cubicTo(c.x() - s * 0.40, c.y() + s * 0.18, c.x() - s * 0.16, c.y() + s * 0.16,
               c.x() - s * 0.1, c.y() + s * 0.1);
  bust.cubicTo(c.x() - s * 0.22, c.y() - s * 0.02, c.x() - s * 0.2, c.y() - s * 0.34,
               c.x() + s * 0.0, c.y() - s * 0.34);
  bust.cubicTo(c.x() + s * 0.18, c.y() - s * 0.34, c.x() + s * 0.2, c.y() - s * 0.16,
               c.x() + s * 0.19, c.y() - s * 0.08);
  bust.lineTo(c.x() + s * 0.24, c.y() - s * 0.0);
  bust.lineTo(c.x() + s * 0.18, c.y() + s * 0.03);
  bust.cubicTo(c.x() + s * 0.16, c.y() + s * 0.12, c.x() + s * 0.08, c.y() + s * 0.12,
               c.x() + s * 0.08, c.y() + s * 0.14);
  bust.cubicTo(c.x() + s * 0.2, c.y() + s * 0.18, c.x() + s * 0.42, c.y() + s * 0.2,
               c.x() + s * 0.44, oval.bottom());
  bust.closeSubpath();
  painter.setPen(QPen(QColor(30, 46, 38), 0.4));
  painter.setBrush(QColor(120, 136, 124));
  painter.drawPath(bust);
  // Hair and coat darker.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(60, 74, 66));
  painter.drawChord(QRectF(c.x() - s * 0.22, c.y() - s * 0.36, s * 0.42, s * 0.36), 20 * 16,
                    160 * 16);
  QPainterPath coat;
  coat.moveTo(c.x() - s * 0.42, oval.bottom());
  coat.cubicTo(c.x() - s * 0.38, c.y() + s * 0.26, c.x() - s * 0.1, c.y() + s * 0.22, c.x(),
               c.y() + s * 0.3);
  coat.cubicTo(c.x() + s * 0.1, c.y() + s * 0.22, c.x() + s * 0.38, c.y() + s * 0.26,
               c.x() + s * 0.44, oval.bottom());
  coat.closeSubpath();
  painter.drawPath(coat);
  painter.restore();
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Ink, 0.9));
  painter.drawEllipse(oval);
  painter.setPen(QPen(Ink, 0.35));
  painter.drawEllipse(oval.adjusted(-1.3, -1.3, 1.3, 1.3));
  painter.restore();
}

struct Bundle {
  int id;
  int billDollars;
  QString band;
  QColor bandColour;
  QColor textColour;
};

void PaintBundle(QPainter& painter, const Bundle& bundle) {
  // Paper edges of the bills under the top one show along the bottom and right.
  const QColor edge(200, 206, 190);
  painter.setPen(QPen(QColor(120, 130, 110), 0.4));
  for (int layer = 3; layer >= 1; --layer) {
    painter.setBrush(layer % 2 == 0 ? edge : edge.darker(108));
    painter.drawRect(QRectF(layer * 0.8 + 0.2, layer * 0.8 + 0.2, 115.5, 46.5));
  }
  PaintBill(painter, QRectF(0, 0, 116, 47.5), bundle.billDollars);
  // The paper band strapped round the middle of the bundle.
  const QRectF band(36, -1, 46, 53);
  QLinearGradient shade(band.topLeft(), band.topRight());
  shade.setColorAt(0.0, bundle.bandColour.darker(125));
  shade.setColorAt(0.15, bundle.bandColour);
  shade.setColorAt(0.85, bundle.bandColour);
  shade.setColorAt(1.0, bundle.bandColour.darker(125));
  painter.setPen(QPen(bundle.bandColour.darker(170), 0.5));
  painter.setBrush(shade);
  painter.drawRect(band);
  painter.setPen(QPen(bundle.textColour, 0.4));
  painter.drawLine(QPointF(band.left() + 2.5, 5), QPointF(band.right() - 2.5, 5));
  painter.drawLine(QPointF(band.left() + 2.5, 44), QPointF(band.right() - 2.5, 44));
  const qreal size = bundle.band.size() >= 8 ? 11.0 : 12.0;
  PaintText(painter, bundle.band, Font(NarrowFamily, size, true),
            QRectF(band.left(), 14, band.width(), 12), Qt::AlignCenter, QBrush(bundle.textColour));
  PaintText(painter,
            QString::number(100) + QStringLiteral(" x $") + QString::number(bundle.billDollars),
            Font(SansFamily, 5.5, true), QRectF(band.left(), 29, band.width(), 7), Qt::AlignCenter,
            QBrush(bundle.textColour));
}

}  // namespace

// One banknote filling `rect` (drawn for a 117 x 50 note; other sizes scale).
void PaintBill(QPainter& painter, const QRectF& rect, int dollars) {
  painter.save();
  painter.translate(rect.topLeft());
  painter.scale(rect.width() / 117.0, rect.height() / 50.0);
  const QRectF note(0, 0, 117, 50);
  // Paper, slightly darker towards the edges.
  QRadialGradient paper(note.center(), 70);
  paper.setColorAt(0.0, Paper.lighter(104));
  paper.setColorAt(1.0, Paper.darker(106));
  painter.fillRect(note, paper);
  PaintGuilloche(painter, note.adjusted(3, 3, -3, -3), static_cast<unsigned>(dollars) + 7u);

  // Engraved border: a heavy frame with a fine line inside it.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Ink, 1.6));
  painter.drawRect(note.adjusted(2.3, 2.3, -2.3, -2.3));
  painter.setPen(QPen(Ink, 0.4));
  painter.drawRect(note.adjusted(4.2, 4.2, -4.2, -4.2));
  // Beading along the frame.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(Ink.red(), Ink.green(), Ink.blue(), 140));
  for (qreal x = 7; x < 111; x += 2.5) {
    painter.drawEllipse(QPointF(x, 3.1), 0.45, 0.45);
    painter.drawEllipse(QPointF(x, 46.9), 0.45, 0.45);
  }

  const QString figure = QString::number(dollars);
  const qreal figureSize = figure.size() >= 4 ? 5.6 : (figure.size() == 3 ? 7.0 : 8.5);
  for (const QPointF corner :
       {QPointF(11, 11), QPointF(106, 11), QPointF(11, 39), QPointF(106, 39)}) {
    PaintRosette(painter, corner, 6.6);
    PaintText(painter, figure, Font(SerifFamily, figureSize, true),
              QRectF(corner.x() - 8, corner.y() - 5, 16, 10), Qt::AlignCenter, QBrush(Ink));
  }

  PaintPortrait(painter, QRectF(46, 9, 25, 31));

  // Issuer over the portrait, value in words under it.
  PaintText(painter, QStringLiteral("BANK OF VELMORA"), Font(SerifFamily, 5.6, true),
            QRectF(20, 3.6, 77, 6), Qt::AlignCenter, QBrush(Ink));
  PaintText(painter, Words(dollars), Font(SerifFamily, 5.2, true), QRectF(20, 40.6, 77, 6),
            Qt::AlignCenter, QBrush(Ink));
  // The large denomination to the left of the portrait, read at a glance.
  const QString big = QStringLiteral("$") + figure;
  const qreal bigSize = big.size() >= 5 ? 11.5 : (big.size() == 4 ? 13.0 : 16.0);
  PaintText(painter, big, Font(SerifFamily, bigSize, true), QRectF(17, 14, 30, 22), Qt::AlignCenter,
            QBrush(Ink), QColor(236, 240, 226), 0.8);
  // The green seal to the right.
  const QPointF seal(86, 25);
  painter.setPen(QPen(Ink, 0.6));
  painter.setBrush(QColor(60, 140, 90, 170));
  QPainterPath star;
  for (int i = 0; i < 24; ++i) {
    const qreal r = i % 2 == 0 ? 8.0 : 6.6;
    const qreal a = i * 3.14159265 / 12.0;
    const QPointF p = seal + QPointF(r * std::cos(a), r * std::sin(a));
    if (i == 0) {
      star.moveTo(p);
    } else {
      star.lineTo(p);
    }
  }
  star.closeSubpath();
  painter.drawPath(star);
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(seal, 4.6, 4.6);
  PaintText(painter, figure, Font(SerifFamily, figure.size() >= 3 ? 4.6 : 6.0, true),
            QRectF(seal.x() - 5, seal.y() - 3, 10, 6), Qt::AlignCenter, QBrush(QColor(10, 50, 30)));
  painter.restore();
}

void AddMoney(PictureList& pictures) {
  for (const int id : catalogue::BillIds) {
    const int dollars = id - 1000;
    pictures.push_back({QString::number(id), catalogue::BillSize, [dollars](QPainter& painter) {
                          PaintBill(painter, QRectF(QPointF(0, 0), catalogue::BillSize), dollars);
                        }});
  }
  const std::array<Bundle, 6> bundles{{
      {DenominationImageId(10000), 10, QStringLiteral("$10,000"), QColor(112, 132, 156), Qt::white},
      {DenominationImageId(20000), 20, QStringLiteral("$20,000"), QColor(120, 20, 40), Qt::white},
      {DenominationImageId(50000), 50, QStringLiteral("$50,000"), QColor(250, 196, 150),
       QColor(90, 30, 10)},
      {DenominationImageId(100000), 100, QStringLiteral("$100,000"), QColor(128, 128, 30),
       Qt::white},
      {DenominationImageId(500000), 500, QStringLiteral("$500,000"), QColor(116, 66, 26),
       Qt::white},
      {DenominationImageId(5000), 5, QStringLiteral("$5,000"), QColor(206, 28, 28), Qt::white},
  }};
  for (const Bundle& bundle : bundles) {
    pictures.push_back({QString::number(bundle.id), catalogue::BundleSize,
                        [bundle](QPainter& painter) { PaintBundle(painter, bundle); }});
  }
}

}  // namespace velmora::art

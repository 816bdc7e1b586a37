// The table's fixed pictures: the deck stack, the mahogany cash tray with its
// bet caption, the green hatch that covers it, and the frame of the bet field.

#include "resources/Catalogue.h"
#include "resources/renderer/Paint.h"
#include "resources/renderer/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace velmora::art {

namespace {

void PaintDeckStack(QPainter& painter) {
  // Cards lying a little askew under the top one: their edges show at the left
  // and bottom, where the deck card (drawn over at offset 5, 3) leaves room.
  for (int layer = 0; layer < 3; ++layer) {
    const QRectF card(0.5 + layer * 2.0, 2.5 + (2 - layer) * 0.5 + 0.5, 70.0, 96.0);
    painter.setPen(QPen(QColor(40, 40, 40), 1.0));
    painter.setBrush(layer % 2 == 0 ? QColor(236, 236, 236) : QColor(250, 250, 250));
    painter.drawPath(RoundedRect(card, 3.0));
  }
  painter.setPen(QPen(QColor(40, 40, 40), 1.0));
  painter.setBrush(Qt::white);
  painter.drawPath(RoundedRect(QRectF(5.5, 3.5, 70.0, 95.0), 3.0));
}

// A recess in the wood where the bills lie.
void PaintCompartment(QPainter& painter, const QRectF& rect) {
  QLinearGradient inside(rect.topLeft(), rect.bottomLeft());
  inside.setColorAt(0.0, QColor(28, 6, 2, 200));
  inside.setColorAt(0.25, QColor(50, 14, 6, 140));
  inside.setColorAt(1.0, QColor(80, 26, 12, 90));
  painter.fillRect(rect, inside);
  painter.setPen(QPen(QColor(20, 4, 0, 200), 1.0));
  painter.drawLine(rect.topLeft(), rect.topRight());
  painter.drawLine(rect.topLeft(), rect.bottomLeft());
  painter.setPen(QPen(QColor(200, 120, 80, 110), 1.0));
  painter.drawLine(rect.bottomLeft(), rect.bottomRight());
}

void PaintTrayBackground(QPainter& painter) {
  const QRectF tray(0, 0, 112, 400);
  PaintMahogany(painter, tray, 31);
  for (int slot = 0; slot < 5; ++slot) {
    PaintCompartment(painter, QRectF(19, 69 + slot * 63, 95, 54));
  }
  // "New Bet:" above the field (which lies at 17..97 x 24..48), "$" below it.
  PaintText(painter, QStringLiteral("New Bet:"), Font(SerifFamily, 16, true, true),
            QRectF(0, 2, 112, 19), Qt::AlignCenter, GoldBrush(QRectF(0, 6, 112, 13)),
            QColor(40, 10, 0), 0.9);
  PaintText(painter, QStringLiteral("$"), Font(SerifFamily, 19, true), QRectF(0, 50, 112, 18),
            Qt::AlignCenter, GoldBrush(QRectF(0, 52, 112, 15)), QColor(40, 10, 0), 0.9);
  // A bevel all round.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(190, 110, 70, 160), 1.0));
  painter.drawLine(QPointF(0.5, 0.5), QPointF(111.5, 0.5));
  painter.drawLine(QPointF(0.5, 0.5), QPointF(0.5, 399.5));
  painter.setPen(QPen(QColor(20, 4, 0, 200), 1.0));
  painter.drawLine(QPointF(0.5, 399.5), QPointF(111.5, 399.5));
}

void PaintTrayHatch(QPainter& painter) {
  const QRectF hatch(0, 0, 112, 399);
  QLinearGradient base(hatch.topLeft(), hatch.topRight());
  base.setColorAt(0.0, QColor(8, 50, 24));
  base.setColorAt(0.5, QColor(18, 78, 38));
  base.setColorAt(1.0, QColor(6, 44, 20));
  painter.fillRect(hatch, base);
  // The printed pattern: bills tiled at an angle, faint in the green.
  painter.save();
  painter.setClipRect(hatch.adjusted(4, 4, -4, -4));
  painter.setOpacity(0.16);
  const std::array<int, 4> denominations{100, 20, 50, 10};
  int index = 0;
  for (qreal y = -20; y < 420; y += 34) {
    for (qreal x = (static_cast<int>(y) / 34) % 2 == 0 ? -30 : -70; x < 140; x += 82) {
      painter.save();
      painter.translate(x, y);
      painter.rotate(-12);
      PaintBill(painter, QRectF(0, 0, 78, 33),
                denominations[static_cast<std::size_t>(index++ % 4)]);
      painter.restore();
    }
  }
  painter.restore();
  // A dark band behind each word so they read over the pattern.
  for (const QRectF band : {QRectF(4, 10, 104, 30), QRectF(4, 359, 104, 30)}) {
    QLinearGradient shade(band.topLeft(), band.bottomLeft());
    shade.setColorAt(0.0, QColor(0, 20, 8, 0));
    shade.setColorAt(0.5, QColor(0, 20, 8, 200));
    shade.setColorAt(1.0, QColor(0, 20, 8, 0));
    painter.fillRect(band, shade);
  }
  PaintText(painter, QStringLiteral("Velmora"), Font(SerifFamily, 23, true, true),
            QRectF(0, 12, 112, 26), Qt::AlignCenter, GoldBrush(QRectF(0, 15, 112, 20)),
            QColor(0, 20, 6), 1.0);
  PaintText(painter, QStringLiteral("Bank"), Font(SerifFamily, 23, true, true),
            QRectF(0, 361, 112, 26), Qt::AlignCenter, GoldBrush(QRectF(0, 364, 112, 20)),
            QColor(0, 20, 6), 1.0);
  // Raised panel edges and a pull handle on the left, where the hatch is grasped.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(120, 200, 140, 150), 1.5));
  painter.drawLine(QPointF(1, 1), QPointF(111, 1));
  painter.drawLine(QPointF(1, 1), QPointF(1, 398));
  painter.setPen(QPen(QColor(0, 16, 6), 1.5));
  painter.drawLine(QPointF(1, 398), QPointF(111, 398));
  painter.drawLine(QPointF(111, 1), QPointF(111, 398));
  QLinearGradient brass(QPointF(6, 0), QPointF(12, 0));
  brass.setColorAt(0.0, QColor(250, 220, 120));
  brass.setColorAt(1.0, QColor(150, 100, 20));
  painter.setPen(QPen(QColor(60, 40, 0), 0.6));
  painter.setBrush(brass);
  painter.drawRoundedRect(QRectF(6, 176, 6, 46), 3, 3);
}

void PaintBetFieldFrame(QPainter& painter) {
  const QRectF frame(0, 0, 85, 29);
  PaintMahogany(painter, frame, 47);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(230, 160, 110, 170), 1.0));
  painter.drawRect(QRectF(0.5, 0.5, 84, 28));
  painter.setPen(QPen(QColor(30, 6, 0), 1.0));
  painter.drawRect(QRectF(1.5, 1.5, 81, 25));
  // The field itself lies in the middle; when it is hidden an empty dark slot shows.
  painter.fillRect(QRectF(2, 2, 80, 24), QColor(12, 4, 2));
  painter.setPen(QPen(QColor(220, 170, 60, 140), 0.6));
  painter.drawRect(QRectF(2.5, 2.5, 79, 23));
}

}  // namespace

void AddTrayPictures(PictureList& pictures) {
  const auto add = [&](FixedPicture picture, void (*draw)(QPainter&)) {
    pictures.push_back({QString::fromLatin1(catalogue::FixedPictureName(picture)),
                        catalogue::FixedPictureSize(picture), draw});
  };
  add(FixedPicture::DeckStack, PaintDeckStack);
  add(FixedPicture::TrayBackground, PaintTrayBackground);
  add(FixedPicture::TrayHatch, PaintTrayHatch);
  add(FixedPicture::BetFieldFrame, PaintBetFieldFrame);
}

}  // namespace velmora::art

// The pictures of the bankrupt dialog and of the statistics window.

#include "resources/Catalogue.h"
#include "resources/renderer/BankruptLettering.h"
#include "resources/renderer/Paint.h"
#include "resources/renderer/Pictures.h"
#include "resources/renderer/Sources.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <utility>

namespace velmora::art {

namespace {

// A credit card lying at `angle` degrees, `rect` before turning.
void PaintCreditCard(QPainter& painter, const QRectF& rect, qreal angle, const QColor& colour,
                     const QString& brand) {
  painter.save();
  painter.translate(rect.center());
  painter.rotate(angle);
  const QRectF card(-rect.width() / 2, -rect.height() / 2, rect.width(), rect.height());
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 70));
  painter.drawRoundedRect(card.translated(1.5, 1.5), 2.5, 2.5);
  QLinearGradient face(card.topLeft(), card.bottomRight());
  face.setColorAt(0.0, colour.lighter(150));
  face.setColorAt(1.0, colour.darker(130));
  painter.setPen(QPen(colour.darker(200), 0.6));
  painter.setBrush(face);
  painter.drawRoundedRect(card, 2.5, 2.5);
  // Chip, number and the brand.
  const qreal u = rect.width() / 40.0;
  QLinearGradient gold(QPointF(0, card.top() + 7 * u), QPointF(0, card.top() + 13 * u));
  gold.setColorAt(0.0, QColor(250, 230, 140));
  gold.setColorAt(1.0, QColor(190, 150, 40));
  painter.setBrush(gold);
  painter.drawRoundedRect(QRectF(card.left() + 4 * u, card.top() + 7 * u, 7 * u, 6 * u), u, u);
  painter.setPen(QPen(QColor(255, 255, 255, 210), 0.8 * u, Qt::DotLine));
  painter.drawLine(QPointF(card.left() + 4 * u, card.top() + 17 * u),
                   QPointF(card.right() - 5 * u, card.top() + 17 * u));
  PaintText(painter, brand, Font(SansFamily, 4.5 * u, true, true),
            QRectF(card.left(), card.bottom() - 7 * u, card.width() - 3 * u, 6 * u),
            Qt::AlignRight | Qt::AlignVCenter, QBrush(Qt::white));
  painter.restore();
}

void PaintBankrupt(QPainter& painter, const Sources& sources) {
  const QRectF area(0, 0, 275, 150);
  QRadialGradient felt(QPointF(110, 60), 170);
  felt.setColorAt(0.0, QColor(20, 140, 50));
  felt.setColorAt(1.0, QColor(0, 70, 20));
  painter.fillRect(area, felt);

  // The empty wallet, open, lower left.
  sources.RenderClipart(painter,
                        QStringLiteral("signs_and_symbols/money/portafoglio_architetto_f_01.svg"),
                        QRectF(), QRectF(6, 86, 70, 59));
  // Cards fanned in the narrow part at the right of the divider (x 226..229).
  PaintCreditCard(painter, QRectF(232, 52, 40, 26), -70, QColor(30, 60, 170),
                  QStringLiteral("VISTA"));
  PaintCreditCard(painter, QRectF(232, 88, 40, 26), -100, QColor(200, 150, 20),
                  QStringLiteral("GOLD"));
  PaintCreditCard(painter, QRectF(231, 120, 40, 26), -80, QColor(170, 20, 30),
                  QStringLiteral("CREDIT"));
  PaintCreditCard(painter, QRectF(84, 92, 40, 26), -15, QColor(200, 150, 20),
                  QStringLiteral("GOLD"));

  PaintText(painter, QStringLiteral("You're Broke!"), Font(SerifFamily, 33, true, true),
            QRectF(4, 4, 220, 40), Qt::AlignCenter, QBrush(QColor(255, 240, 60)), QColor(60, 0, 0),
            1.4);
  PaintText(painter, QStringLiteral("Game Over"), Font(SerifFamily, 22, true),
            QRectF(4, 44, 220, 26), Qt::AlignCenter, QBrush(QColor(240, 30, 30)),
            QColor(255, 255, 255), 1.1);
  // The good news, above the New Game button; its gold runs down each line.
  using namespace bankrupt;
  for (const auto& [text, box] : {std::pair{CreditText, CreditBox}, {ApprovedText, ApprovedBox}}) {
    PaintText(painter, text, LetteringFont(), box, Qt::AlignCenter,
              GoldBrush(QRectF(0, box.top() + 2, 1, 15)), QColor(0, 30, 0), LetteringOutline);
  }
}

void PaintStatistics(QPainter& painter, const Sources& sources) {
  // The window stretches this picture from 167 to 211 pixels high, so it is
  // drawn on a 100 x 211 canvas squeezed to fit: round things come out round.
  painter.save();
  painter.scale(1.0, 167.0 / 211.0);
  const QRectF area(0, 0, 100, 211);
  QLinearGradient backdrop(area.topLeft(), area.bottomLeft());
  backdrop.setColorAt(0.0, QColor(0, 60, 20));
  backdrop.setColorAt(1.0, QColor(0, 20, 6));
  painter.fillRect(area, backdrop);

  PaintText(painter, QStringLiteral("Velmora"), Font(SerifFamily, 22, true, true),
            QRectF(0, 4, 100, 26), Qt::AlignCenter, GoldBrush(QRectF(0, 8, 100, 20)),
            QColor(0, 0, 0), 0.9);
  PaintText(painter, QStringLiteral("Statistics"), Font(SerifFamily, 14, true, true),
            QRectF(0, 30, 100, 18), Qt::AlignCenter, QBrush(Qt::white), QColor(0, 0, 0), 0.6);

  // A bar chart of wins on a card-table grid.
  const QRectF chart(10, 56, 80, 64);
  painter.setPen(QPen(QColor(120, 200, 140, 90), 0.6));
  for (int row = 0; row <= 4; ++row) {
    const qreal y = chart.top() + row * chart.height() / 4;
    painter.drawLine(QPointF(chart.left(), y), QPointF(chart.right(), y));
  }
  const std::array<qreal, 6> values{0.35, 0.55, 0.45, 0.7, 0.62, 0.9};
  for (std::size_t i = 0; i < values.size(); ++i) {
    const qreal h = chart.height() * values[i];
    const QRectF bar(chart.left() + 3 + i * 13.0, chart.bottom() - h, 9, h);
    QLinearGradient gold(bar.topLeft(), bar.topRight());
    gold.setColorAt(0.0, QColor(255, 230, 120));
    gold.setColorAt(1.0, QColor(170, 110, 10));
    painter.setPen(QPen(QColor(60, 40, 0), 0.5));
    painter.setBrush(gold);
    painter.drawRect(bar);
  }
  painter.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
  painter.drawLine(chart.bottomLeft(), chart.bottomRight());

  // A winning hand fanned at the bottom.
  const std::array<const char*, 3> cards{"1_spade", "king_spade", "1_heart"};
  for (std::size_t i = 0; i < cards.size(); ++i) {
    painter.save();
    painter.translate(50, 222);
    painter.rotate(-22.0 + i * 22.0);
    painter.scale(0.62, 0.62);
    sources.RenderDeckElement(painter, QString::fromLatin1(cards[i]), QRectF(-35.5, -150, 71, 96));
    painter.restore();
  }
  // Chips beside the cards.
  PaintChip(painter, QPointF(16, 196), 9, QColor(200, 20, 20));
  PaintChip(painter, QPointF(84, 198), 9, QColor(30, 70, 200));
  painter.restore();
}

}  // namespace

void AddBankruptPicture(PictureList& pictures, const Sources& sources) {
  pictures.push_back(
      {QString::fromLatin1(catalogue::FixedPictureName(FixedPicture::BankruptPicture)),
       catalogue::FixedPictureSize(FixedPicture::BankruptPicture),
       [&sources](QPainter& painter) { PaintBankrupt(painter, sources); }});
}

void AddStatisticsPicture(PictureList& pictures, const Sources& sources) {
  pictures.push_back(
      {QString::fromLatin1(catalogue::FixedPictureName(FixedPicture::StatisticsPicture)),
       catalogue::FixedPictureSize(FixedPicture::StatisticsPicture),
       [&sources](QPainter& painter) { PaintStatistics(painter, sources); }});
}

}  // namespace velmora::art

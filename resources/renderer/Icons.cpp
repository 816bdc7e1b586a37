// Small pictures: the help window's topic, hand-rank and heading markers, the
// window icons, the statistics toolbar glyphs and the dialogs' icons.

#include "resources/Catalogue.h"
#include "resources/renderer/Paint.h"
#include "resources/renderer/Pictures.h"
#include "resources/renderer/Sources.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace velmora::art {

namespace {

const QColor HelpBlue(20, 60, 220);

// A sheet of paper with a folded corner.
void PaintPage(QPainter& painter, const QRectF& rect) {
  const qreal fold = rect.width() * 0.3;
  QPainterPath page;
  page.moveTo(rect.topLeft());
  page.lineTo(rect.right() - fold, rect.top());
  page.lineTo(rect.right(), rect.top() + fold);
  page.lineTo(rect.bottomRight());
  page.lineTo(rect.bottomLeft());
  page.closeSubpath();
  painter.setPen(QPen(QColor(70, 70, 80), 1.0));
  painter.setBrush(Qt::white);
  painter.drawPath(page);
  QPainterPath corner;
  corner.moveTo(rect.right() - fold, rect.top());
  corner.lineTo(rect.right() - fold, rect.top() + fold);
  corner.lineTo(rect.right(), rect.top() + fold);
  painter.setBrush(QColor(200, 200, 210));
  painter.drawPath(corner);
}

void PaintQuestionMark(QPainter& painter, const QRectF& box, const QColor& colour, qreal size,
                       const QColor& outline = QColor(), qreal outlineWidth = 0.0) {
  PaintText(painter, QStringLiteral("?"), Font(SansFamily, size, true), box, Qt::AlignCenter,
            QBrush(colour), outline, outlineWidth);
}

void PaintTopicIcon(QPainter& painter) {
  PaintPage(painter, QRectF(0.5, 0.5, 11, 14));
  PaintQuestionMark(painter, QRectF(0.5, 2.5, 11, 12), HelpBlue, 11.5);
}

void PaintHandRankIcon(QPainter& painter) {
  PaintPage(painter, QRectF(0.5, 0.5, 11, 14));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(220, 0, 0));
  painter.drawPath(SuitPath(Suit::Heart, QRectF(1.5, 1.8, 6.0, 5.4)));
  PaintQuestionMark(painter, QRectF(3.5, 5.5, 8, 9), HelpBlue, 9.0);
}

void PaintHeadingIcon(QPainter& painter) {
  // A closed purple book lying a little turned, with its page edges showing.
  painter.setPen(QPen(QColor(40, 0, 50), 1.0));
  painter.setBrush(QColor(240, 236, 220));
  painter.drawRect(QRectF(3.5, 2.5, 11, 12));
  QLinearGradient cover(QPointF(1, 0), QPointF(14, 0));
  cover.setColorAt(0.0, QColor(90, 20, 120));
  cover.setColorAt(1.0, QColor(160, 60, 190));
  painter.setBrush(cover);
  painter.drawRect(QRectF(1.5, 1.5, 11, 12.5));
  painter.setPen(QPen(QColor(60, 0, 80), 1.0));
  painter.drawLine(QPointF(3.5, 1.5), QPointF(3.5, 14));
  PaintQuestionMark(painter, QRectF(3.5, 2.5, 9, 11), QColor(255, 230, 0), 11.0, QColor(60, 0, 60),
                    0.5);
}

void PaintTableIcon(QPainter& painter, const Sources& sources) {
  // The big heart pip and the king's head side by side, cut from the face at
  // its own size: the court figure is pixel art drawn 1:1 at the card's
  // natural size, and any other scale turns its lines into noise at 32 pixels.
  painter.save();
  painter.setClipRect(QRectF(0, 0, 32, 32));
  painter.fillRect(QRectF(0, 0, 32, 32), Qt::white);
  painter.translate(-14, -9);
  sources.RenderDeckElement(painter, QStringLiteral("king_heart"),
                            QRectF(QPointF(0, 0), catalogue::CardSize));
  painter.restore();
  // A frame of one pixel, also where the desktop draws the icon smaller than
  // 32 pixels: a thinner line would blur into grey.
  const qreal frame = std::max(1.0, 1.0 / painter.transform().m11());
  painter.setPen(QPen(Qt::black, frame));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(0, 0, 32, 32).adjusted(frame / 2, frame / 2, -frame / 2, -frame / 2));
}

void PaintStatsIcon(QPainter& painter) {
  // A bar chart on a card.
  painter.setPen(QPen(Qt::black, 1.0));
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(QRectF(3.5, 0.5, 25, 31), 2.5, 2.5);
  const std::array<qreal, 4> heights{9, 15, 12, 22};
  const std::array<QColor, 4> colours{QColor(30, 110, 220), QColor(210, 30, 30),
                                      QColor(20, 140, 60), QColor(240, 180, 0)};
  for (std::size_t i = 0; i < heights.size(); ++i) {
    painter.setBrush(colours[i]);
    painter.drawRect(QRectF(6.5 + i * 5.0, 28.5 - heights[i], 4, heights[i]));
  }
  painter.setPen(QPen(QColor(220, 0, 0), 0.0));
  painter.setBrush(QColor(220, 0, 0));
  painter.drawPath(SuitPath(Suit::Heart, QRectF(6, 2.5, 7, 6.5)));
}

void PaintSaveGlyph(QPainter& painter) {
  // A floppy disk.
  painter.setPen(QPen(QColor(10, 10, 40), 1.0));
  painter.setBrush(QColor(40, 70, 160));
  QPainterPath disk;
  disk.moveTo(3.5, 3.5);
  disk.lineTo(19.5, 3.5);
  disk.lineTo(21.5, 5.5);
  disk.lineTo(21.5, 21.5);
  disk.lineTo(3.5, 21.5);
  disk.closeSubpath();
  painter.drawPath(disk);
  painter.setBrush(QColor(220, 224, 230));
  painter.drawRect(QRectF(7.5, 3.5, 10, 7));
  painter.setBrush(QColor(40, 70, 160));
  painter.drawRect(QRectF(14.5, 4.5, 2, 5));
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(6.5, 13.5, 12, 8));
  painter.setPen(QPen(QColor(120, 120, 140), 0.8));
  painter.drawLine(QPointF(8, 16), QPointF(17, 16));
  painter.drawLine(QPointF(8, 18.5), QPointF(17, 18.5));
}

void PaintOpenGlyph(QPainter& painter) {
  // An open folder.
  painter.setPen(QPen(QColor(90, 60, 0), 1.0));
  painter.setBrush(QColor(220, 170, 40));
  QPainterPath back;
  back.moveTo(2.5, 20.5);
  back.lineTo(2.5, 6.5);
  back.lineTo(8.5, 6.5);
  back.lineTo(10.5, 8.5);
  back.lineTo(18.5, 8.5);
  back.lineTo(18.5, 20.5);
  back.closeSubpath();
  painter.drawPath(back);
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(5.5, 10.5, 11, 8));
  painter.setBrush(QColor(250, 210, 80));
  QPainterPath front;
  front.moveTo(2.5, 20.5);
  front.lineTo(6.5, 12.5);
  front.lineTo(22.5, 12.5);
  front.lineTo(18.5, 20.5);
  front.closeSubpath();
  painter.drawPath(front);
}

void PaintCurrentGlyph(QPainter& painter) {
  // A card of the table with a curved arrow back to it: the current game.
  painter.setPen(QPen(Qt::black, 1.0));
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(QRectF(9.5, 4.5, 12, 16), 1.5, 1.5);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(220, 0, 0));
  painter.drawPath(SuitPath(Suit::Heart, QRectF(12, 9, 7, 6.5)));
  painter.setPen(QPen(QColor(20, 80, 220), 2.0, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  QPainterPath arrow;
  arrow.moveTo(3.5, 20);
  arrow.quadTo(3.5, 10, 9.0, 10);
  painter.drawPath(arrow);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(20, 80, 220));
  QPainterPath head;
  head.moveTo(10.5, 10);
  head.lineTo(6.5, 6);
  head.lineTo(6.5, 14);
  head.closeSubpath();
  painter.drawPath(head);
}

void PaintHelpGlyph(QPainter& painter) {
  QRadialGradient ball(QPointF(10, 9), 12);
  ball.setColorAt(0.0, QColor(120, 170, 255));
  ball.setColorAt(1.0, QColor(10, 50, 180));
  painter.setPen(QPen(QColor(0, 20, 90), 1.0));
  painter.setBrush(ball);
  painter.drawEllipse(QPointF(12.5, 12.5), 9.5, 9.5);
  PaintQuestionMark(painter, QRectF(3, 3, 19, 19), Qt::white, 15.0);
}

void PaintCardFan(QPainter& painter) {
  // Two cards fanned: the ace of spades over the ace of hearts.
  const auto card = [&](qreal angle, Suit suit) {
    painter.save();
    painter.translate(16, 29);
    painter.rotate(angle);
    painter.setPen(QPen(Qt::black, 0.9));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(-8, -25, 16, 23), 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SuitColor(suit));
    painter.drawPath(SuitPath(suit, QRectF(-4.5, -18.5, 9, 9)));
    PaintText(painter, QStringLiteral("A"), Font(SerifFamily, 6.5, true), QRectF(-7.5, -25, 5, 7),
              Qt::AlignCenter, QBrush(SuitColor(suit)));
    painter.restore();
  };
  card(-16, Suit::Heart);
  card(14, Suit::Spade);
}

void PaintSpeaker(QPainter& painter) {
  painter.setPen(QPen(QColor(20, 20, 20), 1.0));
  QLinearGradient body(QPointF(0, 10), QPointF(0, 22));
  body.setColorAt(0.0, QColor(200, 200, 210));
  body.setColorAt(1.0, QColor(90, 90, 100));
  painter.setBrush(body);
  QPainterPath cone;
  cone.moveTo(3.5, 12.5);
  cone.lineTo(9.5, 12.5);
  cone.lineTo(16.5, 5.5);
  cone.lineTo(16.5, 26.5);
  cone.lineTo(9.5, 19.5);
  cone.lineTo(3.5, 19.5);
  cone.closeSubpath();
  painter.drawPath(cone);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0, 110, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
  for (int wave = 0; wave < 3; ++wave) {
    const qreal r = 4.0 + wave * 4.0;
    painter.drawArc(QRectF(16 - r, 16 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
  }
}

void PaintBankruptIcon(QPainter& painter) {
  // A stack of chips down to the last one, with the chip about to go.
  PaintChip(painter, QPointF(16, 16), 14.5, QColor(200, 20, 20));
  PaintText(painter, QStringLiteral("$0"), Font(SerifFamily, 9.5, true), QRectF(6, 9, 20, 14),
            Qt::AlignCenter, QBrush(Qt::white), QColor(90, 0, 0), 0.6);
}

}  // namespace

void AddHelpIcons(PictureList& pictures) {
  pictures.push_back({QString::number(TopicIconId), QSize(12, 15), PaintTopicIcon});
  pictures.push_back({QString::number(HandRankIconId), QSize(12, 15), PaintHandRankIcon});
  pictures.push_back({QString::number(HeadingIconId), QSize(16, 16), PaintHeadingIcon});
}

void AddWindowIcons(PictureList& pictures, const Sources& sources) {
  const auto add = [&](FixedPicture picture, std::function<void(QPainter&)> draw) {
    pictures.push_back({QString::fromLatin1(catalogue::FixedPictureName(picture)),
                        catalogue::FixedPictureSize(picture), std::move(draw)});
  };
  add(FixedPicture::TableIcon, [&sources](QPainter& painter) { PaintTableIcon(painter, sources); });
  add(FixedPicture::StatsIcon, PaintStatsIcon);
  add(FixedPicture::StatsSaveGlyph, PaintSaveGlyph);
  add(FixedPicture::StatsOpenGlyph, PaintOpenGlyph);
  add(FixedPicture::StatsCurrentGlyph, PaintCurrentGlyph);
  add(FixedPicture::StatsHelpGlyph, PaintHelpGlyph);
  add(FixedPicture::WelcomeIconTop, PaintCardFan);
  add(FixedPicture::WelcomeIconBottom, PaintSpeaker);
  add(FixedPicture::BankruptIcon, PaintBankruptIcon);
}

}  // namespace velmora::art

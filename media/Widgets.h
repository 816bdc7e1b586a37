// The builders every window makes its fixed-position panels, texts and
// pictures with.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <Qt>

class QAbstractButton;
class QFrame;
class QLabel;
class QWidget;

namespace velmora {
class ClickableImage;
}

namespace velmora::widgets {

// The edges a panel is set into its window with.
enum class Bevel {
  Raised,       // one light line above and left, one dark below and right
  Sunken,       // the same lines the other way round
  WindowRaised  // a raised inner and a lowered outer bevel
};

// A flat-coloured panel; `framed` draws a one-pixel black frame inside it.
QFrame* MakePanel(QWidget& parent, const QRect& geometry, const QColor& background,
                  bool framed = false, const QString& objectName = QString());

// A panel with a bevelled edge that shows what lies beneath it.
QFrame* MakeBevelPanel(QWidget& parent, const QString& objectName, const QRect& geometry,
                       Bevel bevel);
// Gives a panel, label or field a bevelled edge `lineWidth` pixels wide.
void SetBevel(QFrame& frame, Bevel bevel, int lineWidth = 1);

// A plain-text label (player names are shown as typed, never as markup).
QLabel* MakeLabel(QWidget& parent, const QString& objectName, const QString& text,
                  const QRect& geometry, const QColor& colour, const QFont& font,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// A field of a status line: plain text on silver, in a sunken edge.
QLabel* MakeStatusField(QWidget& parent, const QString& objectName, const QRect& geometry);

// The same two, for a label of a subclass that the caller has made.
void StyleLabel(QLabel& label, const QString& objectName, const QString& text,
                const QRect& geometry, const QColor& colour, const QFont& font,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
void StyleStatusField(QLabel& field, const QString& objectName, const QRect& geometry);

// An image control that stretches its picture to its size.
QLabel* MakePicture(QWidget& parent, const QString& objectName, const QRect& geometry);
// The same for a picture that reports clicks.
ClickableImage* MakeClickablePicture(QWidget& parent, const QString& objectName,
                                     const QRect& geometry);

// The font as it is when `width(font)` fits `room`; else the widest stretch
// from 99 down to 51 at which it fits, or 50 when none does. A text narrows
// about in proportion to its stretch, so the search starts where one
// measurement puts the answer and steps from there: every stretch tried
// loads a font of its own, which stays in the font cache.
template <typename Width>
QFont NarrowedToFit(QFont font, qreal room, Width width) {
  const qreal full = width(font);
  if (full <= room) {
    return font;
  }
  const auto fits = [&](int stretch) {
    font.setStretch(stretch);
    return width(font) <= room;
  };
  int stretch = static_cast<int>(100 * room / full);
  stretch = stretch < 51 ? 51 : stretch > 99 ? 99 : stretch;
  if (fits(stretch)) {
    while (stretch < 99 && fits(stretch + 1)) {
      ++stretch;
    }
  } else {
    do {
      --stretch;
    } while (stretch > 50 && !fits(stretch));
  }
  font.setStretch(stretch);
  return font;
}

// A translation longer than the room its control has: the control's font
// narrowed until every line of its text fits. A text that fits, as every
// English one does, leaves the font as it is.
void NarrowToFit(QLabel& label);
void NarrowToFit(QAbstractButton& button);
// A label made wider to the right when its text needs it; never narrower.
void WidenToText(QLabel& label);

// The width of a text's widest line in `font`, as `widget` lays it out.
qreal WidestLine(const QString& text, const QFont& font, const QWidget& widget);
// A caption as shown: each accelerator's "&" gone, "&&" shown as "&".
QString WithoutAccelerators(QString text);
// What the frame the style draws round a push button's caption takes, on
// each side.
int CaptionMargin(const QAbstractButton& button);

}  // namespace velmora::widgets

// The builders every window makes its fixed-position panels, texts and
// pictures with.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <Qt>

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

}  // namespace velmora::widgets

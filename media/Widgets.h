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

namespace velmora::widgets {

// A flat-coloured panel; `framed` draws a one-pixel black frame inside it.
QFrame* MakePanel(QWidget& parent, const QRect& geometry, const QColor& background,
                  bool framed = false, const QString& objectName = QString());

// A plain-text label (player names are shown as typed, never as markup).
QLabel* MakeLabel(QWidget& parent, const QString& objectName, const QString& text,
                  const QRect& geometry, const QColor& colour, const QFont& font,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// An image control that stretches its picture to its size.
QLabel* MakePicture(QWidget& parent, const QString& objectName, const QRect& geometry);

}  // namespace velmora::widgets

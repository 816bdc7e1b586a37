// Small builders for the statistics window's fixed-position panels and texts.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <Qt>

class QFrame;
class QLabel;
class QWidget;

namespace velmora::statwidgets {

// The window's text face: 12-pixel Times New Roman, optionally underlined.
QFont TextFont(bool underlined = false);

// A flat-coloured panel; `framed` draws a one-pixel black frame inside it.
QFrame* MakePanel(QWidget& parent, const QRect& geometry, const QColor& background, bool framed);

// A plain-text label (player names are shown as typed, never as markup).
QLabel* MakeLabel(QWidget& parent, const QString& objectName, const QString& text,
                  const QRect& geometry, const QColor& colour, const QFont& font,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

}  // namespace velmora::statwidgets

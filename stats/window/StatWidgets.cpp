#include "StatWidgets.h"

#include "Look.h"

#include <QFrame>
#include <QLabel>
#include <QPalette>

namespace velmora::statwidgets {

QFont TextFont(bool underlined) {
  QFont font = look::TimesNewRoman(12);
  font.setUnderline(underlined);
  return font;
}

QFrame* MakePanel(QWidget& parent, const QRect& geometry, const QColor& background, bool framed) {
  auto* panel = new QFrame(&parent);
  panel->setGeometry(geometry);
  look::SetBackground(*panel, background);
  if (framed) {
    // A plain box frame is drawn in the foreground colour.
    look::SetTextColour(*panel, look::Black);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
  }
  return panel;
}

QLabel* MakeLabel(QWidget& parent, const QString& objectName, const QString& text,
                  const QRect& geometry, const QColor& colour, const QFont& font,
                  Qt::Alignment alignment) {
  auto* label = new QLabel(&parent);
  if (!objectName.isEmpty()) {
    label->setObjectName(objectName);
  }
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->setGeometry(geometry);
  label->setFont(font);
  label->setAlignment(alignment);
  look::SetTextColour(*label, colour);
  return label;
}

}  // namespace velmora::statwidgets

#include "media/Widgets.h"

#include "media/ClickableImage.h"
#include "media/Look.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace velmora::widgets {

QFrame* MakePanel(QWidget& parent, const QRect& geometry, const QColor& background, bool framed,
                  const QString& objectName) {
  auto* panel = new QFrame(&parent);
  if (!objectName.isEmpty()) {
    panel->setObjectName(objectName);
  }
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

QFrame* MakeBevelPanel(QWidget& parent, const QString& objectName, const QRect& geometry,
                       Bevel bevel) {
  auto* panel = new QFrame(&parent);
  panel->setObjectName(objectName);
  panel->setGeometry(geometry);
  SetBevel(*panel, bevel);
  return panel;
}

void SetBevel(QFrame& frame, Bevel bevel, int lineWidth) {
  switch (bevel) {
    case Bevel::Raised:
      frame.setFrameStyle(QFrame::Panel | QFrame::Raised);
      break;
    case Bevel::Sunken:
      frame.setFrameStyle(QFrame::Panel | QFrame::Sunken);
      break;
    case Bevel::WindowRaised:
      frame.setFrameStyle(QFrame::WinPanel | QFrame::Raised);
      break;
  }
  frame.setLineWidth(lineWidth);
}

QLabel* MakeLabel(QWidget& parent, const QString& objectName, const QString& text,
                  const QRect& geometry, const QColor& colour, const QFont& font,
                  Qt::Alignment alignment) {
  auto* label = new QLabel(&parent);
  StyleLabel(*label, objectName, text, geometry, colour, font, alignment);
  return label;
}

void StyleLabel(QLabel& label, const QString& objectName, const QString& text,
                const QRect& geometry, const QColor& colour, const QFont& font,
                Qt::Alignment alignment) {
  if (!objectName.isEmpty()) {
    label.setObjectName(objectName);
  }
  label.setTextFormat(Qt::PlainText);
  label.setText(text);
  label.setGeometry(geometry);
  label.setFont(font);
  label.setAlignment(alignment);
  look::SetTextColour(label, colour);
}

QLabel* MakeStatusField(QWidget& parent, const QString& objectName, const QRect& geometry) {
  auto* field = new QLabel(&parent);
  StyleStatusField(*field, objectName, geometry);
  return field;
}

void StyleStatusField(QLabel& field, const QString& objectName, const QRect& geometry) {
  field.setObjectName(objectName);
  field.setGeometry(geometry);
  SetBevel(field, Bevel::Sunken);
  field.setTextFormat(Qt::PlainText);
  look::SetBackground(field, look::Silver);
}

QLabel* MakePicture(QWidget& parent, const QString& objectName, const QRect& geometry) {
  auto* picture = new QLabel(&parent);
  picture->setObjectName(objectName);
  picture->setGeometry(geometry);
  picture->setScaledContents(true);
  return picture;
}

ClickableImage* MakeClickablePicture(QWidget& parent, const QString& objectName,
                                     const QRect& geometry) {
  auto* picture = new ClickableImage(&parent);
  picture->setObjectName(objectName);
  picture->setGeometry(geometry);
  return picture;
}

qreal WidestLine(const QString& text, const QFont& font, const QWidget& widget) {
  const QFontMetricsF metrics(font, &widget);
  qreal widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    widest = std::max(widest, metrics.horizontalAdvance(line));
  }
  return widest;
}

QString WithoutAccelerators(QString text) {
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

void NarrowToFit(QLabel& label) {
  const QString text = label.text();
  label.setFont(NarrowedToFit(label.font(), label.contentsRect().width(),
                              [&](const QFont& font) { return WidestLine(text, font, label); }));
}

int CaptionMargin(const QAbstractButton& button) {
  const QStyle& style = *button.style();
  return style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) / 2 +
         style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
}

void NarrowToFit(QAbstractButton& button) {
  const int margin = CaptionMargin(button);
  const QString caption = WithoutAccelerators(button.text()).trimmed();
  button.setFont(NarrowedToFit(button.font(), button.width() - 2 * margin, [&](const QFont& font) {
    return WidestLine(caption, font, button);
  }));
}

void WidenToText(QLabel& label) {
  const int needed = static_cast<int>(std::ceil(WidestLine(label.text(), label.font(), label))) +
                     label.width() - label.contentsRect().width();
  if (needed > label.width()) {
    label.resize(needed, label.height());
  }
}

}  // namespace velmora::widgets

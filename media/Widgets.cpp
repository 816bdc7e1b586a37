#include "media/Widgets.h"

#include "media/ClickableImage.h"
#include "media/Look.h"

#include <QFrame>
#include <QLabel>

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

}  // namespace velmora::widgets

#include "ClickableImage.h"

#include <QMouseEvent>

namespace velmora {

ClickableImage::ClickableImage(QWidget* parent) : QLabel(parent) {
  setScaledContents(true);
}

void ClickableImage::mousePressEvent(QMouseEvent* event) {
  // A disabled control never gets here: Qt drops mouse input for it.
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void ClickableImage::mouseReleaseEvent(QMouseEvent* event) {
  // Like a button: the click counts when the press and the release are on the control.
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) {
    emit clicked();
  }
}

}  // namespace velmora

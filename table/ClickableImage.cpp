#include "ClickableImage.h"

#include <QMouseEvent>
#include <QPainter>

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

void ClickableImage::paintEvent(QPaintEvent* event) {
  // A picture looks the same whether or not it can be clicked: during a hand the
  // bills in the tray are out of reach, not faded, and the cards never grey.
  const QPixmap picture = pixmap();
  if (picture.isNull()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(contentsRect(), picture);
}

}  // namespace velmora

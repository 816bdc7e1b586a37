#include "media/ClickableImage.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

namespace velmora {

ClickableImage::ClickableImage(QWidget* parent) : QLabel(parent) {
  setScaledContents(true);
}

void ClickableImage::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void ClickableImage::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!isSignalConnected(QMetaMethod::fromSignal(&ClickableImage::doubleClicked))) {
    mousePressEvent(event);
    return;
  }
  // The release that ends a double click is not another click.
  pressed_ = false;
  event->accept();
  if (event->button() == Qt::LeftButton) {
    emit doubleClicked();
  }
}

void ClickableImage::mouseReleaseEvent(QMouseEvent* event) {
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

// An image control that reports clicks: the table's card places and bills.
#pragma once

#include <QLabel>

namespace velmora {

class ClickableImage : public QLabel {
  Q_OBJECT
 public:
  explicit ClickableImage(QWidget* parent);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace velmora

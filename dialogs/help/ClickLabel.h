// A label that reports a click, for the help window's links and their icons.
#pragma once

#include <QLabel>

namespace velmora {

class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  // A click counts when the button is let go over the label, as with push buttons.
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace velmora

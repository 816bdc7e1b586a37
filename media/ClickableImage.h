// A picture or a text that reports clicks: the table's card places and bills,
// the card backs of the welcome and deck dialogs, the help window's links and
// their icons. Like a button, a click is a press and a release of the left
// button on the control; a disabled control never reacts, because Qt gives it
// no mouse input.
#pragma once

#include <QLabel>

namespace velmora {

class ClickableImage : public QLabel {
  Q_OBJECT
 public:
  explicit ClickableImage(QWidget* parent);

 signals:
  void clicked();
  // Only where something listens for it does a double click count on its
  // own; elsewhere its second press starts another click, so fast clicking
  // counts every click.
  void doubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace velmora

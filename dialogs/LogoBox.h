// LogoBox: the borderless splash with the logo, centred on the screen (on
// Wayland, over the centre of the table it belongs to) and visible from its
// creation until its owner deletes it.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;

namespace velmora {

class TLogoBox : public QWidget {
  Q_OBJECT
 public:
  explicit TLogoBox(QWidget* parent = nullptr);

 protected:
  // The player cannot close the splash; only the program hides or closes it.
  void closeEvent(QCloseEvent* event) override;

 private:
  QFrame* Panel1;
  QLabel* Image1;
};

}  // namespace velmora

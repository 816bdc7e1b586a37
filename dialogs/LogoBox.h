// LogoBox: the borderless splash with the logo, centred on the screen (on
// Wayland, over the centre of the table it belongs to) and visible from its
// creation until the table dismisses it.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;

namespace velmora {

class TLogoBox : public QWidget {
  Q_OBJECT
 public:
  explicit TLogoBox(QWidget* parent = nullptr);

  // Hides the splash for good: it is shown once, so its picture and its
  // window's memory are let go.
  void Dismiss();

 protected:
  // The player cannot close the splash; only the program hides or closes it.
  void closeEvent(QCloseEvent* event) override;

 private:
  QFrame* Panel1;
  QLabel* Image1;
};

}  // namespace velmora

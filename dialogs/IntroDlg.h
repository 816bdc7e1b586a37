// IntroDlg: the welcome dialog, shown once after the splash. Enter starts the
// game with the chosen name, bank, card back and sound; anything else ends it.
#pragma once

#include <QDialog>

namespace velmora {

class Platform;
struct GameState;

class TIntroDlg : public QDialog {
  Q_OBJECT
 public:
  TIntroDlg(Platform& platform, GameState& state, QWidget* parent = nullptr);
  // Set only by the Enter button; cleared each time the dialog is shown.
  bool WelcomeAccepted() const { return welcomeAccepted_; }

 protected:
  bool welcomeAccepted_ = false;
};

}  // namespace velmora

// IntroDlg: the welcome dialog, shown once after the splash. Enter starts the
// game with the chosen name, bank, card back and sound; anything else ends it.
#pragma once

#include <QDialog>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velmora {

class Platform;
class ClickableImage;
struct GameState;

class TIntroDlg : public QDialog {
  Q_OBJECT
 public:
  TIntroDlg(Platform& platform, GameState& state, QWidget* parent = nullptr);
  // Set only by the Enter button; cleared each time the dialog is shown.
  bool WelcomeAccepted() const { return welcomeAccepted_; }

 protected:
  bool welcomeAccepted_ = false;

  void showEvent(QShowEvent* event) override;

 private:
  void BetSetResetClick();
  void KeepNameOnOneLine(const QString& text);
  void CardChangeClick();
  void RBbank0Click();
  void RBbank1Click();
  void RBbank2Click();
  void OKClick();
  void QuitClick();

  Platform& platform_;
  GameState& state_;
  // The back shown in the dialog: FirstBackId + this index.
  int WelcomeDeckIndex = 0;

  QFrame* Bevel1;
  QLabel* Label1;
  QLabel* Label2;
  QLineEdit* PlrNameEdit;
  QGroupBox* GroupBox1;
  QLabel* StartBankLabl;
  QRadioButton* RBbank0;
  QRadioButton* RBbank1;
  QRadioButton* RBbank2;
  QLabel* ClickCardLabl;
  QLabel* Label3;
  QFrame* Panel1;
  ClickableImage* CardPic;
  QCheckBox* RandDeckChk;
  QCheckBox* SoundCheck;
  QPushButton* Quit;
  QPushButton* OK;
  QLabel* Image2;
  QLabel* Image1;
};

}  // namespace velmora

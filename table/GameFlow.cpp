// The game around the hands: the end of the splash and the welcome, New Game.
#include "dialogs/IntroDlg.h"
#include "hand/GameState.h"
#include "media/ClickableImage.h"
#include "media/Platform.h"
#include "table/MainForm.h"
#include "table/PictureNames.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {

void TMainForm::SplashTimeTimer() {
  SplashTime.stop();
  windows_.ReleaseLogoBox();
  BetLabl->show();
  MoneyTabl->show();  // still covered by its closed hatch
  MoneyBreakPanl->show();
  BankLabl->show();
  Bet->show();
  BetLabl->setText(WelcomeText());
  CaptionBar->setText(WelcomeText());

  platform_.RunModal(windows_.IntroDlg());
  if (platform_.ProgramEnded()) {
    return;
  }
  const bool accepted = windows_.IntroDlg().WelcomeAccepted();
  // Nothing opens the welcome again: its widgets and its window's buffer go.
  windows_.ReleaseIntroDlg();
  if (!accepted) {
    EndTheProgram();
    return;
  }

  engine_.StartPlay();
  state_.TableCash = state_.Bank;
  UpdateMoney();
  Bet->setEnabled(true);
  BetEdit->show();
  BetEdit->setFocus();
  for (ClickableImage* slot : moneySlots_) {
    slot->show();
  }
  ShowDeckCardBack();
  DeckStack->show();
  DeckCard->show();
  DlrNameLabl->show();
  PlrNameLabl->show();
  platform_.Sleep(100);
  SetNameLabel(QString::fromStdString(state_.PlayerName));

  if (state_.SoundOn) {
    if (TestSound()) {
      Sound->setChecked(true);
    } else {
      ShowError(platform_, this, tr("Sound Error"),
                tr("    Could not initiate sound file.\nThe Sound option will be disabled."));
      if (platform_.ProgramEnded()) {
        return;
      }
      SwitchSoundOff();
    }
  } else {
    Sound->setChecked(false);
  }

  state_.HatchPosition = 0;
  EnableTimer(OpenHatch);
}

void TMainForm::NewGameClick() {
  // A hand in progress is abandoned before anything else: none of its steps
  // may run into the new game (the question below runs a nested event loop in
  // which its timers would go on firing), and a new bet must not start a
  // second chain beside it.
  StopHandTimers();
  MediaPlayer1.Close();
  const QMessageBox::StandardButton answer =
      platform_.ShowMessage(this, QMessageBox::Question, tr("New Game"),
                            tr("Save current statistics?"), QMessageBox::Yes | QMessageBox::No);
  if (platform_.ProgramEnded()) {
    return;
  }
  // The hand abandoned, nothing of it reaches the statistics kept.
  engine_.NewGame(answer == QMessageBox::Yes, CalendarClock());

  for (std::size_t p = 0; p < 5; ++p) {
    EmptyPicture(*playerCards_[p]);
    EmptyPicture(*dealerCards_[p]);
  }
  DlrNameLabl->show();
  PlrNameLabl->show();
  state_.TableCash = state_.Bank;
  UpdateMoney();
  BetLabl->setText(PlaceBetText());
  PlrLabl->clear();
  DlrLabl->clear();
  MainLabl->clear();
  BetEdit->setText(QString());
  BetEdit->setEnabled(true);
  Sound->setEnabled(true);
  Bet->show();
  // A hand stopped during its deal leaves the Deal button disabled.
  Bet->setEnabled(true);
  Draw->hide();
  LastBetLabl->clear();
  for (ClickableImage* slot : moneySlots_) {
    slot->setEnabled(true);
  }
  // The engine has drawn the deck picture's back when backs are random.
  ShowBack(*DeckCard);
  DeckStack->show();
  DeckCard->show();
  CaptionBar->setText(StatusText(Status::Start));
  BetEdit->show();
  BetEdit->setFocus();
  NewGame->setEnabled(false);
  Deck->setEnabled(true);
}

}  // namespace velmora

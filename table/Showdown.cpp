// The showdown: both final hands ranked and recorded, the pot settled, the
// outcome named, then betting reopens or the player is bankrupt.
#include "dialogs/ExitDlg.h"
#include "hand/GameState.h"
#include "media/GameWords.h"
#include "media/Platform.h"
#include "table/MainForm.h"

#include <QLabel>

namespace velmora {

QString TMainForm::OutcomeText(RankOrder outcome) {
  switch (outcome) {
    case RankOrder::SecondBetter:
      return tr("Dealer wins!");
    case RankOrder::FirstBetter:
      return tr("You're a winner!");
    case RankOrder::Equal:
      break;
  }
  return tr("Push.. Split the Pot!");
}

void TMainForm::pickAwinnerTimer() {
  pickAwinner.stop();
  const std::optional<SettlementResult> settled = engine_.Settle();
  if (!settled) {
    return;
  }
  MainLabl->setText(OutcomeText(settled->outcome));
  if (settled->outcome == RankOrder::FirstBetter) {
    PlaySoundEffect("plrwin.wav");
  }
  DlrLabl->setText(HandCategoryWord(settled->dealerCategory));
  PlrLabl->setText(HandCategoryWord(settled->playerCategory));

  if (settled->bankrupt) {
    DeclareBankrupt();
  } else {
    OpenBetting();
  }
}

void TMainForm::DeclareBankrupt() {
  CaptionBar->clear();
  PlaySoundEffect("bust.wav");
  platform_.RunModal(windows_.ExitDlg());
  if (platform_.ProgramEnded()) {
    return;
  }
  if (windows_.ExitDlg().BankruptChoseNewGame()) {
    NewGameClick();
  } else {
    EndTheProgram();
  }
}

}  // namespace velmora

// The showdown: both final hands ranked and recorded, the pot settled, the
// outcome named, then betting reopens or the player is bankrupt.
#include "dialogs/ExitDlg.h"
#include "hand/GameState.h"
#include "media/Platform.h"
#include "media/ToQString.h"
#include "table/MainForm.h"

#include <QLabel>

namespace velmora {

void TMainForm::pickAwinnerTimer() {
  pickAwinner.stop();
  const std::optional<SettlementResult> settled = engine_.Settle();
  if (!settled) {
    return;
  }
  MainLabl->setText(ToQString(settled->outcomeText));
  if (settled->outcome == RankOrder::FirstBetter) {
    PlaySoundEffect("plrwin.wav");
  }
  DlrLabl->setText(ToQString(settled->dealerHandName));
  PlrLabl->setText(ToQString(settled->playerHandName));

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

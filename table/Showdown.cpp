// The showdown: both final hands ranked and recorded, the pot settled, the
// outcome named, then betting reopens or the player is bankrupt.
#include "dialogs/ExitDlg.h"
#include "hand/GameState.h"
#include "media/Platform.h"
#include "table/MainForm.h"

#include <QLabel>

#include <string_view>

namespace velmora {

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void TMainForm::pickAwinnerTimer() {
  pickAwinner.stop();
  const std::optional<SettlementResult> settled = engine_.Settle();
  if (!settled) {
    return;
  }
  MainLabl->setText(Text(settled->outcomeText));
  if (settled->outcome == 1) {
    PlaySoundEffect("plrwin.wav");
  }
  DlrLabl->setText(Text(settled->dealerHandName));
  PlrLabl->setText(Text(settled->playerHandName));

  if (settled->bankrupt) {
    DeclareBankrupt();
  } else {
    OpenBetting();
  }
}

void TMainForm::DeclareBankrupt() {
  CaptionBar->clear();
  PlaySoundEffect("bust.wav");
  platform_.RunModal(*windows_.ExitDlg);
  if (platform_.ProgramEnded()) {
    return;
  }
  if (windows_.ExitDlg->BankruptChoseNewGame()) {
    NewGameClick();
  } else {
    EndTheProgram();
  }
}

}  // namespace velmora

// The showdown: both final hands ranked and recorded, the pot settled, the
// outcome named, then betting reopens or the player is bankrupt.
#include "ExitDlg.h"
#include "GameState.h"
#include "Look.h"
#include "MainForm.h"
#include "Platform.h"
#include "Settlement.h"

#include <QLabel>

#include <cstdint>

namespace velmora {

namespace {

QString CategoryName(const HandRank& rank) {
  const auto category = static_cast<std::size_t>(rank[0]);
  if (category >= HandCategoryNames.size()) {
    return {};
  }
  const std::string_view name = HandCategoryNames[category];
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

void TMainForm::pickAwinnerTimer() {
  pickAwinner.stop();
  state_.PlayerFinalRank = EvaluateHand(state_.PlayerHand);
  state_.DealerFinalRank = EvaluateHand(state_.DealerHand);
  state_.Statistics.RecordFinalHands(state_.PlayerHand, state_.PlayerFinalRank,
                                     state_.PlayerDealtRank, state_.DealerHand,
                                     state_.DealerFinalRank, state_.DealerDealtRank);

  const int outcome = CompareRanks(state_.PlayerFinalRank, state_.DealerFinalRank);
  if (outcome == 2) {
    state_.Bank = BankAfterLoss(state_.Bank, state_.LastBet);
    state_.Statistics.RecordOutcome(2, static_cast<std::uint32_t>(state_.Bank));
    MainLabl->setText("Dealer wins!");
  } else if (outcome == 1) {
    state_.Bank = BankAfterWin(state_.Bank, state_.LastBet);
    state_.Statistics.RecordOutcome(1, static_cast<std::uint32_t>(state_.Bank));
    MainLabl->setText("You're a winner!");
    PlaySoundEffect("plrwin.wav");
  } else {
    // Each side takes back its stake.
    state_.Statistics.RecordOutcome(0, static_cast<std::uint32_t>(state_.Bank));
    MainLabl->setText("Push.. Split the Pot!");
  }
  state_.Statistics.RecordHandTotals(static_cast<std::uint32_t>(state_.LastBet),
                                     static_cast<std::uint32_t>(state_.Bank));

  DlrLabl->setText(CategoryName(state_.DealerFinalRank));
  PlrLabl->setText(CategoryName(state_.PlayerFinalRank));

  if (state_.Bank > 0) {
    OpenBetting();
  } else {
    DeclareBankrupt();
  }
}

void TMainForm::DeclareBankrupt() {
  CaptionBar->clear();
  PlaySoundEffect("bust.wav");
  look::CentreOnScreen(*windows_.ExitDlg);
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

// Betting: the New Bet field checked at every change, the Deal button that
// closes betting and starts the hand, the cash tray with its bills, and the
// hatch that uncovers the tray once.
#include "hand/GameState.h"
#include "media/ClickableImage.h"
#include "media/Images.h"
#include "media/Platform.h"
#include "money/BetText.h"
#include "money/CashTray.h"
#include "money/Settlement.h"
#include "table/MainForm.h"
#include "table/PictureNames.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstdint>
#include <optional>

namespace velmora {

namespace {

std::optional<std::int32_t> ParseField(const QLineEdit& field) {
  return ParseBet(field.text().toStdString());
}

}  // namespace

QString TMainForm::PlaceBetText() {
  return tr("Place Your Bet..");
}

QString TMainForm::PotText(std::int32_t lastBet) {
  return tr("Game Pot:  $%1").arg(PotAmount(lastBet));
}

QString TMainForm::LastBetText(std::int32_t lastBet) {
  return tr("Last Bet: $%1").arg(lastBet);
}

QString TMainForm::BankText(std::int64_t tableCash) {
  // Nothing free to bet shows "(Empty)", as the tray then offers no bill.
  return tableCash == 0 ? tr("(Empty)") : tr("Bank: $%1").arg(tableCash);
}

QString TMainForm::StatusText(Status status) {
  switch (status) {
    case Status::Betting:
      return tr("  Change your bet or click Deal to play");
    case Status::Discarding:
      return tr("  Click on cards to remove and click Draw to replace");
    case Status::Start:
      break;
  }
  return tr("  Enter your bet and click Deal to start");
}

QStringList TMainForm::StatusTexts() {
  return {WelcomeText(), StatusText(Status::Start), StatusText(Status::Betting),
          StatusText(Status::Discarding)};
}

void TMainForm::BetEditChange() {
  const BetFieldCheck check = engine_.CheckBetField(BetEdit->text().toStdString());
  if (check.refusal) {
    ShowMessage(*check.refusal);
    BetEdit->setText(QString());  // runs this handler again, which shows the whole bank
    return;
  }
  state_.TableCash = check.tableCash;
  UpdateMoney();
}

void TMainForm::BetClick() {
  const HandEngine::BetVerdict verdict = engine_.AcceptBet(BetEdit->text().toStdString());
  if (verdict.refusal) {
    ShowMessage(*verdict.refusal);
    BetEdit->setFocus();
  }
  if (!verdict.accepted) {
    return;
  }

  kingOhearts.stop();
  BetLabl->setText(PotText(state_.LastBet));
  LastBetLabl->setText(LastBetText(state_.LastBet));
  BetEdit->setText(QString());
  BetEdit->hide();
  BetEdit->setEnabled(false);
  Draw->setEnabled(true);
  Deck->setEnabled(false);
  state_.TableCash = engine_.CashBesideBet();
  UpdateMoney();
  for (ClickableImage* slot : moneySlots_) {
    slot->setEnabled(false);
    slot->setToolTip(QString());
  }
  Sound->setEnabled(false);
  Bet->setEnabled(false);
  DealClick();
}

void TMainForm::UpdateMoney() {
  BankLabl->setText(BankText(state_.TableCash));
  const TrayBills bills = ChooseBills(state_.TableCash);
  for (std::size_t s = 0; s < moneySlots_.size(); ++s) {
    const std::int32_t bill = bills.slotValues[s];
    state_.SlotValue[s] = bill;
    if (bill != 0) {
      ShowBillPicture(*moneySlots_[s], bill);
      moneySlots_[s]->setToolTip(tr("Bet $%1").arg(bill));
    } else {
      EmptyPicture(*moneySlots_[s]);
      moneySlots_[s]->setToolTip(QString());
    }
  }
  // The refresh works the amount down as it picks the bills.
  state_.TableCash = bills.remainder;
}

void TMainForm::MoneySlotClick(int slot) {
  const std::int32_t bill = state_.SlotValue.at(static_cast<std::size_t>(slot));
  if (bill == 0) {
    return;
  }
  const std::optional<std::int32_t> current =
      BetEdit->text().isEmpty() ? std::optional<std::int32_t>(0) : ParseField(*BetEdit);
  // The change handler keeps the field convertible; a bill never pushes it past the free cash.
  const std::int64_t amount = std::int64_t{current.value_or(0)} + bill;
  BetEdit->setText(QString::number(amount));
}

void TMainForm::OpenHatchTimer() {
  if (state_.HatchPosition > 112) {
    OpenHatch.stop();
    // Slid open for good, the hatch shows only the left edge of its picture
    // beside the tray.
    SlidePic->setScaledContents(false);
    SlidePic->setPixmap(LeftEdgeOf(SlidePic->pixmap()));
    // Only the welcome texts give way; anything written meanwhile stays.
    if (BetLabl->text() == WelcomeText()) {
      BetLabl->setText(PlaceBetText());
    }
    if (CaptionBar->text() == WelcomeText()) {
      CaptionBar->setText(StatusText(Status::Start));
    }
    // A hand dealt while the hatch slid keeps Deal dead until it ends.
    Bet->setEnabled(engine_.BettingOpen());
  } else {
    TableHatch->move(state_.HatchPosition, 0);
  }
  state_.HatchPosition += 1;
}

void TMainForm::OpenBetting() {
  state_.TableCash = state_.Bank;
  UpdateMoney();
  Sound->setEnabled(true);
  Bet->show();
  Bet->setEnabled(true);
  Draw->hide();
  Draw->setEnabled(true);
  BetEdit->setEnabled(true);
  Deck->setEnabled(true);
  for (ClickableImage* slot : moneySlots_) {
    slot->setEnabled(true);
  }
  PlaySoundEffect("bethatch.wav");
  BetEdit->show();
  CaptionBar->setText(StatusText(Status::Betting));
  BetEdit->setFocus();
}

}  // namespace velmora

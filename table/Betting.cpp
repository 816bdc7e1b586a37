// Betting: the New Bet field checked at every change, the Deal button that
// closes betting and starts the hand, the cash tray with its bills, and the
// hatch that uncovers the tray once.
#include "BetText.h"
#include "CashTray.h"
#include "ClickableImage.h"
#include "GameState.h"
#include "MainForm.h"
#include "PictureNames.h"
#include "Platform.h"
#include "Settlement.h"

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

const QString WelcomeText = QStringLiteral("Welcome to Velmora!");

}  // namespace

void TMainForm::BetEditChange() {
  if (BetEdit->text().isEmpty()) {
    state_.TableCash = state_.Bank;
    UpdateMoney();
    return;
  }
  const std::optional<std::int32_t> value = ParseField(*BetEdit);
  if (!value) {
    ShowError(platform_, this, "Bet Error", "Invalid bet charactor!");
    BetEdit->setText(QString());  // runs this handler again, which shows the whole bank
    return;
  }
  // 64-bit: a negative bet beside a large bank must not wrap.
  const std::int64_t cash = std::int64_t{state_.Bank} - *value;
  if (cash < 0) {
    ShowError(platform_, this, "Bet Error", "You don't have that much!");
    BetEdit->setText(QString());
    return;
  }
  state_.TableCash = cash;
  UpdateMoney();
}

void TMainForm::BetClick() {
  const auto refuse = [this](const QString& text) {
    ShowError(platform_, this, "Illegal Bet", text);
    BetEdit->setFocus();
  };
  if (BetEdit->text().isEmpty()) {
    if (state_.LastBet > state_.Bank) {
      refuse("Your last bet exceeds your bank account!\n         Decrease your bet..");
      return;
    }
  } else {
    const std::optional<std::int32_t> value = ParseField(*BetEdit);
    if (!value) {
      refuse("No betting charactors!\n      Try again..");
      return;
    }
    if (*value > state_.Bank) {
      refuse("You don't have that much!\n       Try again..");
      return;
    }
    if (*value < 1) {
      refuse("You must bet something..");
      return;
    }
    state_.LastBet = *value;
  }
  if (state_.LastBet == 0) {
    refuse("You must bet something..");
    return;
  }

  kingOhearts.stop();
  state_.DealerHasKingOfHearts = false;
  BetLabl->setText(QString::fromStdString(PotText(state_.LastBet)));
  LastBetLabl->setText(QString::fromStdString(LastBetText(state_.LastBet)));
  BetEdit->setText(QString());
  BetEdit->hide();
  BetEdit->setEnabled(false);
  Draw->setEnabled(true);
  Deck->setEnabled(false);
  state_.TableCash = std::int64_t{state_.Bank} - state_.LastBet;
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
  BankLabl->setText(QString::fromStdString(BankLabelText(state_.TableCash)));
  const TrayBills bills = ChooseBills(state_.TableCash);
  for (std::size_t s = 0; s < moneySlots_.size(); ++s) {
    const std::int32_t bill = bills.slotValues[s];
    state_.SlotValue[s] = bill;
    if (bill != 0) {
      ShowBillPicture(*moneySlots_[s], bill);
      moneySlots_[s]->setToolTip("Bet $" + QString::number(bill));
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
    // Only the welcome texts give way; anything written meanwhile stays.
    if (BetLabl->text() == WelcomeText) {
      BetLabl->setText("Place Your Bet..");
    }
    if (CaptionBar->text() == WelcomeText) {
      CaptionBar->setText("  Enter your bet and click Deal to start");
    }
    Bet->setEnabled(true);
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
  Draw->hide();
  Draw->setEnabled(true);
  BetEdit->setEnabled(true);
  Deck->setEnabled(true);
  for (ClickableImage* slot : moneySlots_) {
    slot->setEnabled(true);
  }
  PlaySoundEffect("bethatch.wav");
  BetEdit->show();
  CaptionBar->setText("  Change your bet or click Deal to play");
  BetEdit->setFocus();
}

}  // namespace velmora

// What a screen reader meets at the table besides the pictures' names: what
// each message line and card place is, the status line by its role, and
// spoken marks.
#include "media/ClickableImage.h"
#include "table/MainForm.h"
#include "table/SpokenLabel.h"

#include <array>
#include <utility>

namespace velmora {

void TMainForm::DescribeForScreenReaders() {
  InstallSpokenLabelRoles();
  CaptionBar->SetRole(QAccessible::StatusBar);
  const std::array<std::pair<QLabel*, const char*>, 7> lines{{
      {BetLabl, QT_TR_NOOP("headline")},
      {MainLabl, QT_TR_NOOP("announcement")},
      {DlrLabl, QT_TR_NOOP("dealer's hand")},
      {PlrLabl, QT_TR_NOOP("your hand")},
      {CaptionBar, QT_TR_NOOP("status line")},
      {LastBetLabl, QT_TR_NOOP("last bet")},
      {BankLabl, QT_TR_NOOP("bank")},
  }};
  for (const auto& [label, description] : lines) {
    label->setAccessibleDescription(tr(description));
  }
  DlrLabl->SetSpokenPrefix(tr("Dealer's hand: "));
  PlrLabl->SetSpokenPrefix(tr("Your hand: "));

  for (std::size_t p = 0; p < 5; ++p) {
    const QString number = QString::number(p + 1);
    dealerCards_[p]->setAccessibleDescription(tr("dealer's card %1").arg(number));
    playerCards_[p]->setAccessibleDescription(tr("your card %1").arg(number));
  }
  markAnnouncer_ = new Announcer(this);
}

void TMainForm::AnnounceMark(int position) {
  markAnnouncer_->Announce(playerCards_.at(static_cast<std::size_t>(position))->accessibleName());
}

}  // namespace velmora

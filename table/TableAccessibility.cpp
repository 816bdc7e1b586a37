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
      {BetLabl, "headline"},
      {MainLabl, "announcement"},
      {DlrLabl, "dealer's hand"},
      {PlrLabl, "your hand"},
      {CaptionBar, "status line"},
      {LastBetLabl, "last bet"},
      {BankLabl, "bank"},
  }};
  for (const auto& [label, description] : lines) {
    label->setAccessibleDescription(description);
  }
  DlrLabl->SetSpokenPrefix("Dealer's hand: ");
  PlrLabl->SetSpokenPrefix("Your hand: ");

  for (std::size_t p = 0; p < 5; ++p) {
    const QString number = QString::number(p + 1);
    dealerCards_[p]->setAccessibleDescription("dealer's card " + number);
    playerCards_[p]->setAccessibleDescription("your card " + number);
  }
  markAnnouncer_ = new Announcer(this);
}

void TMainForm::AnnounceMark(int position) {
  markAnnouncer_->Announce(playerCards_.at(static_cast<std::size_t>(position))->accessibleName());
}

}  // namespace velmora

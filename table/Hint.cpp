// The H key while the player chooses discards: the Hint window, whose
// choice marks exactly its cards, as clicks on them would.
#include "advice/DiscardAdvice.h"
#include "hand/GameState.h"
#include "media/Platform.h"
#include "table/HintWindow.h"
#include "table/MainForm.h"

#include <QApplication>

namespace velmora {

namespace {

// The advice takes a moment: the pointer says so meanwhile.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

void TMainForm::HintClick() {
  if (engine_.Phase() != HandPhase::ChoosingDiscards) {
    return;
  }
  if (hintWindow_ == nullptr) {
    hintWindow_ = new THintWindow(this);
  }
  {
    const WaitCursor waiting;
    hintWindow_->ShowChoices(state_.PlayerHand, AdviseDiscards(state_.PlayerHand));
  }
  PlaceBeside(*hintWindow_, *this);
  const int result = platform_.RunModal(*hintWindow_);
  if (platform_.ProgramEnded()) {
    return;
  }
  // The keys go back to the table, the Draw button's as before.
  activateWindow();
  if (result != QDialog::Accepted) {
    return;
  }
  const DiscardFlags wanted = hintWindow_->SelectedChoice().discards;
  for (std::size_t p = 0; p < 5; ++p) {
    if (state_.Discards[p] != wanted[p]) {
      PlrCardClick(static_cast<int>(p));
    }
  }
}

}  // namespace velmora

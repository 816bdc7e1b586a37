// One hand from the deal to the reveal of the dealer's cards: the deal
// animation, the player's discards and draw, the dealer's draw and refill,
// and the king of hearts that pulls faces while it lies on the table.
#include "hand/GameState.h"
#include "media/ClickableImage.h"
#include "media/Images.h"
#include "media/Platform.h"
#include "media/ToQString.h"
#include "table/MainForm.h"
#include "table/PictureNames.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace velmora {

QString TMainForm::DealerTakesText(int cards) {
  return tr("Dealer takes %1").arg(cards);
}

void TMainForm::DealClick() {
  const std::optional<DealResult> deal = engine_.Deal(CalendarClock());
  if (!deal) {
    return;
  }
  if (deal->firstDealOfGame) {
    // The deck picture lies on the table only before the first hand of a game.
    DeckStack->hide();
    DeckCard->hide();
    NewGame->setEnabled(true);
  }
  for (QLabel* label : {MainLabl, DlrLabl, PlrLabl, CaptionBar}) {
    label->clear();
  }
  for (std::size_t p = 0; p < 5; ++p) {
    EmptyPicture(*playerCards_[p]);
    EmptyPicture(*dealerCards_[p]);
  }
  state_.DealStep = 0;
  EnableTimer(DealDelay);
}

void TMainForm::DealDelayTimer() {
  const int step = state_.DealStep;
  // A tick past the last one (a handler driven by hand beside its timer)
  // must not reach past the row.
  if (step > 9) {
    return;
  }
  if (step == 9) {
    DealDelay.stop();
  }
  if (step == 0 && state_.SoundOn) {
    PlaySoundEffect("shuffle.wav");
    PrepareCardFlip();
  }
  PlayCardFlip();

  // The cards appear in the order they were dealt: the player's face up, the dealer's face down.
  const auto position = static_cast<std::size_t>(step / 2);
  if (step % 2 == 0) {
    ShowFace(*playerCards_[position], state_.PlayerHand[position]);
  } else {
    ShowBack(*dealerCards_[position]);
  }

  if (step == 9) {
    engine_.DealShown();
    CloseSound();
    CaptionBar->setText(StatusText(Status::Discarding));
    Sound->setEnabled(true);
    Draw->show();
    // Hidden, and dead until betting opens again.
    Bet->hide();
    Draw->setFocus();
  }
  state_.DealStep += 1;
  // All five places count, also those whose card is not shown yet.
  if (HoldsKingOfHearts(state_.PlayerHand)) {
    EnableTimer(kingOhearts);
  }
}

void TMainForm::PlrCardClick(int position) {
  // Cards can be marked only while the player chooses discards.
  const std::optional<bool> marked = engine_.ToggleDiscard(position);
  if (!marked) {
    return;
  }
  const auto p = static_cast<std::size_t>(position);
  const bool isKing = state_.PlayerHand[p] == KingOfHearts;
  if (*marked) {
    ShowMarkedCard(*playerCards_[p], state_.DeckBackId, state_.PlayerHand[p]);
    if (isKing) {
      kingOhearts.stop();
    }
  } else {
    ShowFace(*playerCards_[p], state_.PlayerHand[p]);
    if (isKing) {
      EnableTimer(kingOhearts);
    }
  }
  AnnounceMark(position);
  Draw->setFocus();
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
  // Digits typed into the bet field never get here: the field takes them.
  // While the player chooses, Draw has the focus and lets them through.
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  const int key = event->key();
  // Return presses the focused Deal or Draw button, as Space does; a button
  // outside a dialog lets the key through to here.
  if (modifiers == Qt::NoModifier && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
    QWidget* focused = focusWidget();
    if ((focused == Bet || focused == Draw) && focused->isVisible() && focused->isEnabled()) {
      event->accept();
      if (!event->isAutoRepeat()) {
        static_cast<QPushButton*>(focused)->click();
      }
      return;
    }
  }
  if (modifiers == Qt::NoModifier && key == Qt::Key_H) {
    event->accept();
    if (!event->isAutoRepeat()) {
      HintClick();
    }
    return;
  }
  if (modifiers != Qt::NoModifier || key < Qt::Key_1 || key > Qt::Key_5) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  event->accept();
  // Holding a key down must not flicker the card between its face and a back.
  if (!event->isAutoRepeat()) {
    PlrCardClick(key - Qt::Key_1);
  }
}

void TMainForm::DrawClick() {
  const std::optional<DrawResult> draw = engine_.Draw();
  if (!draw) {
    return;
  }
  if (draw->refusal) {
    ShowMessage(*draw->refusal);
    return;
  }

  Sound->setEnabled(false);
  Draw->setEnabled(false);
  CaptionBar->clear();
  for (std::size_t p = 0; p < 5; ++p) {
    if (state_.Replaced[p] == 1) {
      EmptyPicture(*playerCards_[p]);
    }
  }
  if (HoldsKingOfHearts(state_.PlayerHand)) {
    EnableTimer(kingOhearts);
  }
  state_.DealStep = 0;
  EnableTimer(PlrReplATimer);
}

void TMainForm::PlrReplATimerTimer() {
  const int step = state_.DealStep;
  if (step > 4) {
    return;
  }
  if (step == 4) {
    PlrReplATimer.stop();
  }
  if (step == 0) {
    PrepareCardFlip();
  }
  // Five ticks, one per position; positions kept give empty ticks.
  const auto p = static_cast<std::size_t>(step);
  if (state_.Replaced[p] == 1) {
    PlayCardFlip();
    ShowFace(*playerCards_[p], state_.PlayerHand[p]);
  }
  if (step == 4) {
    CloseSound();
    EnableTimer(DlrDraw);
  }
  if (state_.PlayerHand[p] == KingOfHearts) {
    EnableTimer(kingOhearts);
  }
  state_.DealStep += 1;
}

void TMainForm::DlrDrawTimer() {
  DlrDraw.stop();
  const std::optional<HouseDrawResult> house = engine_.HouseDraw();
  if (!house) {
    return;
  }
  MainLabl->setText(DealerTakesText(house->cardsDrawn));
  if (house->showsAce) {
    // Drawing to a lone ace: the ace (already moved to the left) is shown.
    ShowFace(*DlrCard0, state_.DealerHand[0]);
  }
  // The discards are taken from the right-hand end of the row whichever cards
  // were replaced; face down, the difference cannot be seen.
  for (int p = 5 - state_.DealerDrawCount; p < 5; ++p) {
    EmptyPicture(*dealerCards_[static_cast<std::size_t>(p)]);
  }
  state_.DealStep = 0;
  EnableTimer(DlrReplA);
}

void TMainForm::DlrReplATimer() {
  const int step = state_.DealStep;
  if (step > 3) {
    return;
  }
  if (step == 3) {
    DlrReplA.stop();
  }
  if (step == 0) {
    PrepareCardFlip();
  }
  // Four ticks; a smaller draw has its empty ticks first.
  if (state_.DealerDrawCount > 3 - step) {
    ShowBack(*dealerCards_[static_cast<std::size_t>(step + 1)]);
    PlayCardFlip();
  }
  if (step == 3) {
    CloseSound();
    EnableTimer(DlrShow);
  }
  state_.DealStep += 1;
}

void TMainForm::DlrShowTimer() {
  DlrShow.stop();
  const std::optional<bool> king = engine_.Reveal();
  if (!king) {
    return;
  }
  MainLabl->clear();
  if (*king) {
    EnableTimer(kingOhearts);
  }
  for (std::size_t p = 0; p < 5; ++p) {
    ShowFace(*dealerCards_[p], state_.DealerHand[p]);
  }
  EnableTimer(pickAwinner);
}

void TMainForm::kingOheartsTimer() {
  const bool dealerRow = state_.DealerHasKingOfHearts;
  const Hand& hand = dealerRow ? state_.DealerHand : state_.PlayerHand;
  for (std::size_t p = 0; p < 5; ++p) {
    if (hand[p] != KingOfHearts) {
      continue;
    }
    QLabel& image = dealerRow ? *dealerCards_[p] : *playerCards_[p];
    if (state_.KingFacePhase == 0) {
      ShowCardPicture(image, KingOfHeartsAltImageId);
      state_.KingFacePhase = 1;
    } else {
      ShowCardPicture(image, CardImageId(KingOfHearts));
      state_.KingFacePhase = 0;
    }
  }
}

void TMainForm::ShowDlrClick() {
  if (!state_.DealerCardsShown) {
    for (std::size_t p = 0; p < 5; ++p) {
      ShowFace(*dealerCards_[p], state_.DealerHand[p]);
    }
    state_.DealerCardsShown = true;
  } else {
    for (QLabel* image : dealerCards_) {
      ShowBack(*image);
    }
    state_.DealerCardsShown = false;
  }
}

}  // namespace velmora

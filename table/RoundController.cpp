// One hand from the deal to the reveal of the dealer's cards: the deal
// animation, the player's discards and draw, the dealer's draw and refill,
// and the king of hearts that pulls faces while it lies on the table.
#include "ClickableImage.h"
#include "GameState.h"
#include "Images.h"
#include "MainForm.h"
#include "PictureNames.h"
#include "Platform.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace velmora {

namespace {

bool HoldsKingOfHearts(const Hand& hand) {
  return std::find(hand.begin(), hand.end(), KingOfHearts) != hand.end();
}

}  // namespace

void TMainForm::DealClick() {
  if (!state_.FirstDealDone) {
    // The deck picture lies on the table only before the first hand of a game.
    DeckStack->hide();
    DeckCard->hide();
    NewGame->setEnabled(true);
    state_.FirstDealDone = true;
  }
  state_.NextCardNumber = 1;
  state_.DealerCardsShown = false;
  state_.Discards = {};
  state_.Replaced = {};

  const Clock clock = [this] { return platform_.CalendarSeconds(); };
  Shuffle(state_.Deck, state_.Random, clock);
  DealHands(state_.Deck, state_.NextCardNumber, state_.PlayerHand, state_.DealerHand);
  state_.PlayerDealtRank = EvaluateHand(state_.PlayerHand);
  state_.DealerDealtRank = EvaluateHand(state_.DealerHand);

  for (QLabel* label : {MainLabl, DlrLabl, PlrLabl, CaptionBar}) {
    label->clear();
  }
  for (std::size_t p = 0; p < 5; ++p) {
    EmptyPicture(*playerCards_[p]);
    EmptyPicture(*dealerCards_[p]);
  }
  if (state_.RandomizeDeck && !state_.DeckJustChosen) {
    DrawRandomBack();
  }
  state_.DeckJustChosen = false;
  state_.DealStep = 0;
  EnableTimer(DealDelay);
}

void TMainForm::DealDelayTimer() {
  const int step = state_.DealStep;
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
    CloseSound();
    CaptionBar->setText("  Click on cards to remove and click Draw to replace");
    Sound->setEnabled(true);
    Draw->show();
    Bet->hide();
    Bet->setEnabled(true);
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
  if (Draw->isHidden() || !Draw->isEnabled()) {
    return;
  }
  const auto p = static_cast<std::size_t>(position);
  const bool isKing = state_.PlayerHand[p] == KingOfHearts;
  if (state_.Discards[p] == 0) {
    ShowMarkedCard(*playerCards_[p], state_.DeckBackId, state_.PlayerHand[p]);
    if (isKing) {
      kingOhearts.stop();
    }
    state_.Discards[p] = 1;
  } else {
    ShowFace(*playerCards_[p], state_.PlayerHand[p]);
    if (isKing) {
      EnableTimer(kingOhearts);
    }
    state_.Discards[p] = 0;
  }
  AnnounceMark(position);
  Draw->setFocus();
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
  // Digits typed into the bet field never get here: the field takes them.
  // While the player chooses, Draw has the focus and lets them through.
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  const int key = event->key();
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
  const auto marked =
      static_cast<int>(std::count(state_.Discards.begin(), state_.Discards.end(), 1));
  if (marked == 5) {
    ShowError(platform_, this, "Illegal Draw", "You Can't draw 5!");
    return;
  }
  if (marked == 4) {
    const auto held = static_cast<std::size_t>(
        std::find(state_.Discards.begin(), state_.Discards.end(), 0) - state_.Discards.begin());
    if (!IsAce(state_.PlayerHand[held])) {
      ShowError(platform_, this, "Illegal Draw", "You can only Draw 4 to an Ace!");
      return;
    }
  }

  state_.Statistics.RecordPlayerDraw(marked);
  Sound->setEnabled(false);
  Draw->setEnabled(false);
  CaptionBar->clear();
  for (std::size_t p = 0; p < 5; ++p) {
    if (state_.Discards[p] == 1) {
      EmptyPicture(*playerCards_[p]);
    }
  }
  ReplaceDiscards(state_.Deck, state_.Positions, state_.NextCardNumber, state_.PlayerHand,
                  state_.Discards, state_.Replaced);
  if (HoldsKingOfHearts(state_.PlayerHand)) {
    EnableTimer(kingOhearts);
  }
  state_.DealStep = 0;
  EnableTimer(PlrReplATimer);
}

void TMainForm::PlrReplATimerTimer() {
  const int step = state_.DealStep;
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
  RankCounts counts{};
  HandRank rank{};
  state_.DealerDrawCount = ChooseDealerDraw(state_.Deck, state_.Positions, state_.DealerHand,
                                            counts, rank, state_.NextCardNumber);
  MainLabl->setText("Dealer takes " + QString::number(state_.DealerDrawCount));
  if (state_.DealerDrawCount == 4) {
    // Drawing to a lone ace: the ace (already moved to the left) is shown.
    ShowFace(*DlrCard0, state_.DealerHand[0]);
  }
  state_.Statistics.RecordDealerDraw(state_.DealerDrawCount);
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
  MainLabl->clear();
  if (HoldsKingOfHearts(state_.DealerHand)) {
    state_.DealerHasKingOfHearts = true;
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

#include "dialogs/Decks.h"

#include "hand/GameState.h"
#include "media/ClickableImage.h"
#include "media/Images.h"
#include "media/Look.h"
#include "media/Widgets.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace velmora {

TDecks::TDecks(GameState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      state_(state) {
  setObjectName("Decks");
  setWindowTitle(tr("Select a Deck"));
  setFont(look::MsSansSerif(11));
  setFixedSize(429, 286);

  Panel1 = widgets::MakeBevelPanel(*this, "Panel1", {0, 0, 429, 245}, widgets::Bevel::Raised);
  Panel2 = widgets::MakePanel(*Panel1, {8, 8, 413, 227}, look::Green, false, "Panel2");
  widgets::SetBevel(*Panel2, widgets::Bevel::Raised);
  widgets::MakePanel(*Panel2, {1, 1, 411, 4}, look::Olive);
  widgets::MakePanel(*Panel2, {1, 222, 411, 4}, look::Olive);
  widgets::MakePanel(*Panel2, {1, 1, 4, 225}, look::Olive);
  widgets::MakePanel(*Panel2, {408, 1, 4, 225}, look::Olive);

  for (int deck = 0; deck < DeckCount; ++deck) {
    const auto index = static_cast<std::size_t>(deck);
    const int left = 8 + 80 * (deck % 5);
    const int top = deck < 5 ? 10 : 117;
    QFrame* panel = widgets::MakePanel(*Panel2, {left, top, 75, 100}, look::Green, false,
                                       QString("Deck%1Pnl").arg(deck));
    ClickableImage* picture =
        widgets::MakeClickablePicture(*panel, QString("Deck%1Pic").arg(deck), {2, 2, 71, 96});
    picture->setAlignment(Qt::AlignCenter);
    picture->setCursor(Qt::PointingHandCursor);
    connect(picture, &ClickableImage::clicked, this, [this, deck] { DeckTrigClick(deck); });
    connect(picture, &ClickableImage::doubleClicked, this, [this, deck] { DeckPicDblClick(deck); });
    ShowImage(*picture, BackImageId(deck));
    DeckPnl[index] = panel;
    DeckPic[index] = picture;
  }

  RandDeckChk = new QCheckBox(tr("Randomize"), this);
  RandDeckChk->setObjectName("RandDeckChk");
  RandDeckChk->setGeometry(10, 248, 81, 17);

  OKBtn = new QPushButton(tr("&OK"), this);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setGeometry(264, 253, 75, 25);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &TDecks::OKBtnClick);

  CancelBtn = new QPushButton(tr("&Cancel"), this);
  CancelBtn->setObjectName("CancelBtn");
  CancelBtn->setGeometry(346, 253, 75, 25);
  // Enter always means OK. A button that takes over as the default while it
  // has the focus would keep it after a click with the mouse, and the dialog,
  // reused, opens again with Cancel focused.
  CancelBtn->setAutoDefault(false);
  connect(CancelBtn, &QPushButton::clicked, this, &TDecks::CancelBtnClick);
}

void TDecks::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  look::CentreWhenOpened(*this, *event);
  Update();
}

void TDecks::Update() {
  DeckDialogSelection = state_.DeckBackId;
  RandDeckChk->setChecked(state_.RandomizeDeck);
  SetCardFrame();
}

void TDecks::DeckTrigClick(int deck) {
  if (RandDeckChk->isChecked()) {
    return;
  }
  DeckDialogSelection = BackImageId(deck);
  SetCardFrame();
}

void TDecks::DeckPicDblClick(int deck) {
  if (RandDeckChk->isChecked()) {
    return;
  }
  DeckTrigClick(deck);
  OKBtnClick();
}

void TDecks::SetCardFrame() {
  for (QFrame* panel : DeckPnl) {
    look::SetBackground(*panel, look::Green);
  }
  const int selected = DeckDialogSelection - BackImageId(0);
  if (selected >= 0 && selected < DeckCount) {
    look::SetBackground(*DeckPnl[static_cast<std::size_t>(selected)], look::Red);
  }
}

void TDecks::OKBtnClick() {
  if (RandDeckChk->isChecked()) {
    state_.RandomizeDeck = true;
  } else {
    state_.RandomizeDeck = false;
    state_.DeckBackId = DeckDialogSelection;
  }
  accept();
}

void TDecks::CancelBtnClick() {
  reject();
}

}  // namespace velmora

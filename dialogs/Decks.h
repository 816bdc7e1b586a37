// Decks: the deck selection dialog. OK applies the highlighted back or the
// random-back option to the game state; Cancel and the close box change nothing.
#pragma once

#include "cards/Cards.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

namespace velmora {

class ClickableImage;
struct GameState;

class TDecks : public QDialog {
  Q_OBJECT
 public:
  explicit TDecks(GameState& state, QWidget* parent = nullptr);

  static constexpr int DeckCount = 10;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Update();
  // The ten click and double-click handlers differ only in the deck number.
  void DeckTrigClick(int deck);
  void DeckPicDblClick(int deck);
  void SetCardFrame();
  void OKBtnClick();
  void CancelBtnClick();

  GameState& state_;
  // Image id of the highlighted back, one of the BackCount from FirstBackId.
  int DeckDialogSelection = FirstBackId;

  QFrame* Panel1;
  QFrame* Panel2;
  std::array<QFrame*, DeckCount> DeckPnl{};
  std::array<ClickableImage*, DeckCount> DeckPic{};
  QCheckBox* RandDeckChk;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
};

}  // namespace velmora

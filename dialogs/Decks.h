// Decks: the deck selection dialog. OK applies the highlighted back or the
// random-back option to the game state; Cancel and the close box change nothing.
#pragma once

#include <QDialog>

namespace velmora {

struct GameState;

class TDecks : public QDialog {
  Q_OBJECT
 public:
  explicit TDecks(GameState& state, QWidget* parent = nullptr);
};

}  // namespace velmora

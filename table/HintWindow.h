// The Hint window: the draws the player may make with this hand, best first,
// each with its chances against the house. The arrow keys select a draw (the
// best at first), Enter takes it and Escape leaves the hand as it is.
#pragma once

#include "advice/DiscardAdvice.h"
#include "cards/Cards.h"

#include <QDialog>

#include <vector>

class QKeyEvent;
class QShowEvent;
class QListWidget;

namespace velmora {

class THintWindow final : public QDialog {
  Q_OBJECT

 public:
  explicit THintWindow(QWidget* parent);

  // Lists `choices` (best first) for `hand` and selects the best.
  void ShowChoices(const Hand& hand, const std::vector<DiscardChoice>& choices);
  // The selected choice; the window is accepted only with one selected.
  const DiscardChoice& SelectedChoice() const;
  // One line of the list: DescribeChoice's words in the player's language.
  static QString ChoiceText(const Hand& hand, const DiscardChoice& choice);

  QListWidget* Choices = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void TakeSelected();

  std::vector<DiscardChoice> choices_;
};

// Places `window` beside `table`, level with its top: at its right when the
// screen has room, else at its left, else over the table's upper part.
void PlaceBeside(QWidget& window, const QWidget& table);

}  // namespace velmora

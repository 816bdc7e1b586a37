// ExitDlg: the bankrupt dialog. New Game, View Stats or Exit.
#pragma once

#include <QDialog>

#include <functional>

namespace velmora {

class Platform;
struct GameState;

class TExitDlg : public QDialog {
  Q_OBJECT
 public:
  // `showStatistics` opens the statistics window modally (saving and restoring
  // the working directory around it).
  TExitDlg(Platform& platform, GameState& state, std::function<void()> showStatistics,
           QWidget* parent = nullptr);
  // Set only by the New Game button; cleared each time the dialog is shown.
  bool BankruptChoseNewGame() const { return bankruptChoseNewGame_; }

 protected:
  bool bankruptChoseNewGame_ = false;
};

}  // namespace velmora

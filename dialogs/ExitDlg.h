// ExitDlg: the bankrupt dialog. New Game, View Stats or Exit.
#pragma once

#include <QDialog>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;

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

  void showEvent(QShowEvent* event) override;

 private:
  void UpdateValuesClick();
  void NewGameBtnClick();
  void ExitBtnClick();
  void ViewStatsBtnClick();

  GameState& state_;
  std::function<void()> showStatistics_;

  QFrame* Bevel1;
  QFrame* Panel1;
  QLabel* Image1;
  QPushButton* NewGameBtn;
  QFrame* Panel6;
  QPushButton* ViewStatsBtn;
  QPushButton* ExitBtn;
  QLabel* StaticText3;
  QLabel* Image2;
  QLabel* StaticText1;
};

}  // namespace velmora

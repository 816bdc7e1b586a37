// StatBox: the statistics window. Shows the current game on two pages, saves
// it, and shows saved files instead until the player returns to the game.
#pragma once

#include <QDialog>

#include <functional>

namespace velmora {

class Platform;
struct GameState;

class TStatBox : public QDialog {
  Q_OBJECT
 public:
  // `showHelp` opens the help window modally.
  TStatBox(Platform& platform, const GameState& state, std::function<void()> showHelp,
           QWidget* parent = nullptr);
};

// How both the table and the bankrupt dialog open the statistics window:
// centred, modal, with the working directory saved before and restored after,
// because its file dialogs may change it and the sounds are found relative to it.
void ShowStatisticsWindow(Platform& platform, TStatBox& statBox);

}  // namespace velmora

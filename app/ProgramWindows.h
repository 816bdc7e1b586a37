// The program's eight windows: the table, the welcome dialog, the statistics
// window, the bankrupt dialog, the logo box, the deck selection dialog, the
// about box and the help window. The table and the logo box are created at
// start-up; each of the others when it is first opened, so that starting
// costs only what the player sees. Every dialog sets itself up again each
// time it opens, so one built late looks and acts as one built at start-up.
// The welcome dialog, which opens once a run, is let go when it has been
// answered; the others are kept until the program ends.
#pragma once

#include <memory>

namespace velmora {

class Platform;
class TAbout;
class TDecks;
class TExitDlg;
class THelpBox;
class TIntroDlg;
class TLogoBox;
class TMainForm;
class TStatBox;
struct GameState;

class ProgramWindows {
 public:
  // The table and the logo box are visible from here on; the table's splash
  // timer is running.
  ProgramWindows(Platform& platform, GameState& state);
  ~ProgramWindows();
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;

  TMainForm& MainForm() { return *mainForm_; }
  // None once the table has dismissed the splash.
  TLogoBox* LogoBox() { return logoBox_.get(); }
  // Created on the first call (the welcome dialog again after its release).
  TIntroDlg& IntroDlg();
  TStatBox& StatBox();
  TExitDlg& ExitDlg();
  TDecks& Decks();
  TAbout& About();
  THelpBox& HelpBox();

 private:
  void ShowHelp();

  Platform& platform_;
  GameState& state_;
  // Destroyed in reverse order: the table, which the dialogs belong to, last.
  std::unique_ptr<TMainForm> mainForm_;
  std::unique_ptr<TIntroDlg> introDlg_;
  std::unique_ptr<TStatBox> statBox_;
  std::unique_ptr<TExitDlg> exitDlg_;
  std::unique_ptr<TLogoBox> logoBox_;
  std::unique_ptr<TDecks> decks_;
  std::unique_ptr<TAbout> about_;
  std::unique_ptr<THelpBox> helpBox_;
};

}  // namespace velmora

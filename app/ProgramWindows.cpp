#include "app/ProgramWindows.h"

#include "dialogs/About.h"
#include "dialogs/Decks.h"
#include "dialogs/ExitDlg.h"
#include "dialogs/HelpBox.h"
#include "dialogs/IntroDlg.h"
#include "dialogs/LogoBox.h"
#include "media/Look.h"
#include "media/Platform.h"
#include "statswindow/StatBox.h"
#include "table/MainForm.h"

namespace velmora {

ProgramWindows::ProgramWindows(Platform& platform, GameState& state)
    : platform_(platform), state_(state) {
  mainForm_ = std::make_unique<TMainForm>(platform, state);
  mainForm_->show();
  look::CentreOnScreen(*mainForm_);
  // The splash is a window of its own, shown over the table from its creation;
  // it belongs to the table, so that the window system keeps it there.
  logoBox_ = std::make_unique<TLogoBox>(mainForm_.get());

  mainForm_->SetWindows({.IntroDlg = [this]() -> TIntroDlg& { return IntroDlg(); },
                         .ReleaseIntroDlg = [this] { introDlg_.reset(); },
                         .StatBox = [this]() -> TStatBox& { return StatBox(); },
                         .ExitDlg = [this]() -> TExitDlg& { return ExitDlg(); },
                         .ReleaseLogoBox = [this] { logoBox_.reset(); },
                         .Decks = [this]() -> TDecks& { return Decks(); },
                         .About = [this]() -> TAbout& { return About(); },
                         .HelpBox = [this]() -> THelpBox& { return HelpBox(); }});
}

ProgramWindows::~ProgramWindows() = default;

TIntroDlg& ProgramWindows::IntroDlg() {
  if (!introDlg_) {
    introDlg_ = std::make_unique<TIntroDlg>(platform_, state_, mainForm_.get());
  }
  return *introDlg_;
}

TStatBox& ProgramWindows::StatBox() {
  if (!statBox_) {
    const auto showHelp = [this] { ShowHelp(); };
    statBox_ = std::make_unique<TStatBox>(platform_, state_, showHelp, mainForm_.get());
  }
  return *statBox_;
}

TExitDlg& ProgramWindows::ExitDlg() {
  if (!exitDlg_) {
    const auto showStatistics = [this] { ShowStatisticsWindow(platform_, StatBox()); };
    exitDlg_ = std::make_unique<TExitDlg>(platform_, state_, showStatistics, mainForm_.get());
  }
  return *exitDlg_;
}

TDecks& ProgramWindows::Decks() {
  if (!decks_) {
    decks_ = std::make_unique<TDecks>(state_, mainForm_.get());
  }
  return *decks_;
}

TAbout& ProgramWindows::About() {
  if (!about_) {
    about_ = std::make_unique<TAbout>(mainForm_.get());
  }
  return *about_;
}

THelpBox& ProgramWindows::HelpBox() {
  if (!helpBox_) {
    helpBox_ = std::make_unique<THelpBox>(mainForm_.get());
  }
  return *helpBox_;
}

void ProgramWindows::ShowHelp() {
  // The help window centres itself when it opens.
  platform_.RunModal(HelpBox());
}

}  // namespace velmora

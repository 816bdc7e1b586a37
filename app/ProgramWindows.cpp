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

ProgramWindows::ProgramWindows(Platform& platform, GameState& state) : platform_(platform) {
  mainForm_ = std::make_unique<TMainForm>(platform, state);
  mainForm_->show();
  look::CentreOnScreen(*mainForm_);
  TMainForm* table = mainForm_.get();

  introDlg_ = std::make_unique<TIntroDlg>(platform, state, table);
  // The help window is created last; the statistics window reaches it when asked.
  const auto showHelp = [this] { ShowHelp(); };
  statBox_ = std::make_unique<TStatBox>(platform, state, showHelp, table);
  exitDlg_ = std::make_unique<TExitDlg>(
      platform, state, [this, &platform] { ShowStatisticsWindow(platform, *statBox_); }, table);
  // The splash is a window of its own, shown over the table from its creation;
  // it belongs to the table, so that the window system keeps it there.
  logoBox_ = std::make_unique<TLogoBox>(table);
  decks_ = std::make_unique<TDecks>(state, table);
  about_ = std::make_unique<TAbout>(table);
  helpBox_ = std::make_unique<THelpBox>(table);

  mainForm_->SetWindows({introDlg_.get(), statBox_.get(), exitDlg_.get(), logoBox_.get(),
                         decks_.get(), about_.get(), helpBox_.get()});
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::ShowHelp() {
  // The help window centres itself when it opens.
  platform_.RunModal(*helpBox_);
}

}  // namespace velmora

// StatBox: the statistics window. Shows the current game on two pages, saves
// it, and shows saved files instead until the player returns to the game.
#pragma once

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>

class QAction;
class QLabel;
class QPushButton;
class QTabWidget;
class QTimer;
class QToolButton;
class QWidget;

namespace velmora {

class Platform;
struct GameState;
struct SavedStatistics;

class TStatBox : public QDialog {
  Q_OBJECT
 public:
  // `showHelp` opens the help window modally.
  TStatBox(Platform& platform, const GameState& state, std::function<void()> showHelp,
           QWidget* parent = nullptr);

  // Fills every page from the current game and returns to current mode.
  void UpdateClick();
  void ShowCurrentStatistics() { UpdateClick(); }
  // Fills every page from a file that has been read without error.
  void ShowSavedStatistics(const SavedStatistics& saved, const QString& path);

  void SaveSpBtnClick();
  void OpenSpBtnClick();
  void CloseSpBtnClick();
  void HelpSpBtnClick();
  void OKBtnClick();
  void Timer1Timer();

  // True while a saved file is shown instead of the current game.
  bool Viewing() const { return viewing_; }

  // "3 Hands": the count of a winning streak, in the player's language.
  static QString StreakText(std::uint32_t streak);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QWidget* BuildClientArea();
  void BuildMenu();
  void BuildToolbar(QWidget& client);
  void BuildPicturePanel(QWidget& client);
  void BuildPages(QWidget& client);
  QWidget* BuildSummaryPage();
  QWidget* BuildAccumulativePage();

  // Every label and card place; `backId` stands in for best cards before the first hand.
  void Fill(const SavedStatistics& shown, int backId);
  // The captions of the accumulative page's rows, indexed by category and by cards drawn.
  static QString CategoryCaption(int category);
  static QString DrawCaption(int cards);
  void EnterCurrentMode();
  void EnterViewingMode(const QString& path);
  // Writes the current game to `path`; a failure is reported and changes nothing.
  void SaveTo(const QString& path);

  Platform& platform_;
  const GameState& state_;
  std::function<void()> showHelp_;
  bool viewing_ = false;

  QTimer* Timer1 = nullptr;  // the clock, every 950 ms in current mode

  // Menu "Stats".
  QAction* saveItem_ = nullptr;
  QAction* openItem_ = nullptr;
  QAction* currentGameItem_ = nullptr;
  QAction* helpItem_ = nullptr;
  QAction* closeItem_ = nullptr;

  // Toolbar, clock strip, pages and the close button.
  QToolButton* SaveSpBtn = nullptr;
  QToolButton* OpenSpBtn = nullptr;
  QToolButton* CloseSpBtn = nullptr;
  QToolButton* HelpSpBtn = nullptr;
  QLabel* DateLabl = nullptr;
  QLabel* TimeLabl = nullptr;
  QTabWidget* StatPages = nullptr;
  QWidget* SummaryTabSht = nullptr;
  QWidget* HandRankTabSht = nullptr;
  QPushButton* OKBtn = nullptr;

  // Summary page.
  QLabel* gameTotalLabl = nullptr;
  QLabel* PlrWinsLabl = nullptr;
  QLabel* winPercentLabl = nullptr;
  QLabel* FinStatsLabl = nullptr;
  QLabel* StartBankLabl = nullptr;
  QLabel* PlrBankAveLabl = nullptr;
  QLabel* PlrBankMaxLabl = nullptr;
  QLabel* plrBetAveLabl = nullptr;
  QLabel* plrBetMaxLabl = nullptr;
  QLabel* ResetsLabl = nullptr;
  QLabel* PlrWinStreakLabl = nullptr;
  QLabel* DlrWinStreakLabl = nullptr;
  QLabel* dlrBestLabl = nullptr;
  QLabel* plrBestTitleLabl = nullptr;
  QLabel* plrBestLabl = nullptr;
  std::array<QLabel*, 5> PlrCard{};  // PlrCard0..PlrCard4
  std::array<QLabel*, 5> DlrCard{};  // DlrCard0..DlrCard4

  // Accumulative page: category counts indexed by category (0 high card .. 9
  // royal flush), draw counts by the number of cards drawn.
  std::array<QLabel*, 10> PlrCategoryLabl{};
  std::array<QLabel*, 10> DlrCategoryLabl{};
  QLabel* PlrRankTotalLabl = nullptr;
  QLabel* DlrRankTotalLabl = nullptr;
  QLabel* plrAccumTitleLabl = nullptr;
  std::array<QLabel*, 5> PlrDrawLabl{};
  std::array<QLabel*, 5> DlrDrawLabl{};
  QLabel* PlrDrawTotalLabl = nullptr;
  QLabel* DlrDrawTotalLabl = nullptr;
  QLabel* PlrAccumDrawLabl = nullptr;
  QLabel* PlrDrawImprove = nullptr;
  QLabel* DlrDrawImprove = nullptr;
};

// How both the table and the bankrupt dialog open the statistics window:
// modal (it centres itself), with the working directory saved before and restored after,
// because its file dialogs may change it and the sounds are found relative to it.
void ShowStatisticsWindow(Platform& platform, TStatBox& statBox);

}  // namespace velmora

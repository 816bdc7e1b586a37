#include "statswindow/StatBox.h"

#include "hand/GameState.h"
#include "media/GameWords.h"
#include "media/Images.h"
#include "media/Look.h"
#include "media/Platform.h"
#include "media/Widgets.h"
#include "stats/HandDescription.h"
#include "stats/StatisticsFile.h"
#include "stats/StatisticsSummary.h"
#include "statswindow/FittedText.h"
#include "statswindow/HandDescriptionText.h"
#include "statswindow/IsolatedName.h"
#include "statswindow/StatClock.h"
#include "statswindow/StatFileWriting.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <climits>

namespace velmora {

namespace {

constexpr int ClientWidth = 503;
constexpr int ClientHeight = 316;

const QString StatsSuffix = QStringLiteral("vlm");

// Read when shown, so that they follow the translation installed then.
QString StatsFilter() {
  return TStatBox::tr("Velmora Game Stats (*.vlm)");
}
QString SaveTip() {
  return TStatBox::tr("Save Stats...");
}
QString CurrentTip() {
  return TStatBox::tr("Current Game Stats");
}

// The first card back stands in for best cards a saved file does not have.
constexpr int SavedFileBackId = FirstBackId;

// A best-hand card from a file can hold any number the checksums allow;
// only real cards are drawn, anything else leaves the place empty.
void ShowCardCorner(QLabel& place, Card card) {
  if (card >= 1 && card <= 52) {
    ShowImage(place, CardImageId(card));
  } else {
    ClearImage(place);
  }
}

QToolButton* MakeSpeedButton(QWidget& parent, const QString& name, FixedPicture glyph, int left,
                             const QString& tip) {
  auto* button = new QToolButton(&parent);
  button->setObjectName(name);
  button->setGeometry(left, 5, 25, 25);
  button->setIcon(QIcon(FixedPictureImage(glyph)));
  button->setIconSize(QSize(21, 21));
  button->setAutoRaise(true);
  button->setToolTip(tip);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

void SetOffered(QToolButton& button, bool offered, const QString& tip) {
  button.setEnabled(offered);
  button.setToolTip(offered ? tip : QString());
}

}  // namespace

TStatBox::TStatBox(Platform& platform, const GameState& state, std::function<void()> showHelp,
                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      platform_(platform),
      state_(state),
      showHelp_(std::move(showHelp)) {
  setObjectName("StatBox");
  setWindowTitle(tr("Current Game Statistics"));
  setWindowIcon(QIcon(FixedPictureImage(FixedPicture::StatsIcon)));
  setFont(look::MsSansSerif(11));

  BuildMenu();
  QWidget* client = BuildClientArea();
  const int menuHeight = client->y();
  setFixedSize(ClientWidth, menuHeight + ClientHeight);

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(950);
  connect(Timer1, &QTimer::timeout, this, &TStatBox::Timer1Timer);
}

void TStatBox::BuildMenu() {
  auto* bar = new QMenuBar(this);
  bar->setObjectName("MainMenu");
  bar->setNativeMenuBar(false);
  QMenu* stats = bar->addMenu(tr("S&tats"));
  saveItem_ = stats->addAction(tr("&Save..."), this, &TStatBox::SaveSpBtnClick);
  stats->addSeparator();
  openItem_ = stats->addAction(tr("&Open..."), this, &TStatBox::OpenSpBtnClick);
  currentGameItem_ = stats->addAction(tr("Current &Game"), this, &TStatBox::UpdateClick);
  currentGameItem_->setEnabled(false);
  stats->addSeparator();
  helpItem_ = stats->addAction(tr("&Help..."), this, &TStatBox::HelpSpBtnClick);
  stats->addSeparator();
  closeItem_ = stats->addAction(tr("&Close"), this, &TStatBox::OKBtnClick);
  bar->setGeometry(0, 0, ClientWidth, bar->sizeHint().height());
}

QWidget* TStatBox::BuildClientArea() {
  const auto* bar = findChild<QMenuBar*>("MainMenu");
  auto* client = new QWidget(this);
  client->setObjectName("ClientArea");
  client->setGeometry(0, bar->height(), ClientWidth, ClientHeight);

  widgets::MakePanel(*client, {0, 0, ClientWidth, 2}, look::Black, false);
  BuildToolbar(*client);
  BuildPicturePanel(*client);
  BuildPages(*client);
  widgets::MakePanel(*client, {0, 270, ClientWidth, 2}, look::Black, false);

  OKBtn = new QPushButton(tr("&Close"), client);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setGeometry(423, 281, 75, 26);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &TStatBox::OKBtnClick);
  return client;
}

void TStatBox::BuildToolbar(QWidget& client) {
  SaveSpBtn = MakeSpeedButton(client, "SaveSpBtn", FixedPicture::StatsSaveGlyph, 4, SaveTip());
  OpenSpBtn = MakeSpeedButton(client, "OpenSpBtn", FixedPicture::StatsOpenGlyph, 29,
                              tr("Open saved Stats.."));
  CloseSpBtn =
      MakeSpeedButton(client, "CloseSpBtn", FixedPicture::StatsCurrentGlyph, 54, CurrentTip());
  HelpSpBtn =
      MakeSpeedButton(client, "HelpSpBtn", FixedPicture::StatsHelpGlyph, 79, tr("Velmora Help..."));
  SetOffered(*CloseSpBtn, false, CurrentTip());
  connect(SaveSpBtn, &QToolButton::clicked, this, &TStatBox::SaveSpBtnClick);
  connect(OpenSpBtn, &QToolButton::clicked, this, &TStatBox::OpenSpBtnClick);
  connect(CloseSpBtn, &QToolButton::clicked, this, &TStatBox::CloseSpBtnClick);
  connect(HelpSpBtn, &QToolButton::clicked, this, &TStatBox::HelpSpBtnClick);
}

void TStatBox::BuildPicturePanel(QWidget& client) {
  QFrame* panel = widgets::MakePanel(client, {1, 33, 108, 234}, look::Black, false);
  panel->setObjectName("PicturePanel");
  auto* picture = new QLabel(panel);
  picture->setObjectName("StatsPicture");
  picture->setGeometry(4, 4, 100, 211);
  picture->setScaledContents(true);
  picture->setPixmap(FixedPictureImage(FixedPicture::StatisticsPicture));

  QFrame* strip = widgets::MakePanel(*panel, {4, 217, 100, 14}, look::Black, false);
  const QFont clock = look::ArialNarrow(11);
  // Date and time share the whole strip, one from each end: which of them is
  // the wider depends on the locale ("11:20:07 PM" beside "12/31/99", "23:39:14"
  // beside "6 Dec 2026"), and each gets whatever room the other leaves.
  const QRect clockRoom{1, 0, 98, 14};
  DateLabl = widgets::MakeLabel(*strip, "DateLabl", QString(), clockRoom, look::Olive, clock,
                                Qt::AlignLeft | Qt::AlignVCenter);
  TimeLabl = widgets::MakeLabel(*strip, "TimeLabl", QString(), clockRoom, look::Olive, clock,
                                Qt::AlignRight | Qt::AlignVCenter);
}

void TStatBox::BuildPages(QWidget& client) {
  StatPages = new QTabWidget(&client);
  StatPages->setObjectName("StatPages");
  StatPages->setGeometry(111, 5, 390, 259);
  SummaryTabSht = BuildSummaryPage();
  HandRankTabSht = BuildAccumulativePage();
  StatPages->addTab(SummaryTabSht, tr("Summary"));
  StatPages->addTab(HandRankTabSht, tr("Accumulative"));
  StatPages->setCurrentWidget(SummaryTabSht);
}

void TStatBox::Fill(const SavedStatistics& shown, int backId) {
  const auto text = [](const std::string& figure) { return QString::fromStdString(figure); };
  const QString name = statwidgets::IsolatedName(text(shown.PlayerName));
  const StatisticsSummary summary = SummaryOf(shown);
  const GameStatistics& record = shown.Record;

  gameTotalLabl->setText(text(summary.HandsPlayed));
  PlrWinsLabl->setText(tr("%1 won:  %2").arg(name, text(summary.PlayerWins)));
  winPercentLabl->setText(text(summary.WinPercent));
  PlrDrawImprove->setText(tr("%1: %2").arg(name, text(summary.Player.Improved)));
  DlrDrawImprove->setText(text(summary.Dealer.Improved));
  plrBetAveLabl->setText(text(summary.AverageBet));
  StartBankLabl->setText(text(summary.StartingBank));
  PlrBankAveLabl->setText(text(summary.AverageBank));
  PlrBankMaxLabl->setText(text(summary.HighestBank));
  plrBetMaxLabl->setText(text(summary.HighestBet));
  ResetsLabl->setText(text(summary.BankruptCount));
  PlrWinStreakLabl->setText(tr("%1: %2").arg(name, StreakText(record.PlayerLongestStreak)));
  DlrWinStreakLabl->setText(StreakText(record.DealerLongestStreak));

  statwidgets::ShowFitted(*plrBestTitleLabl, tr("%1's Best Hand:").arg(name));
  statwidgets::ShowFitted(*FinStatsLabl, tr("%1's Financial Stats:").arg(name));
  statwidgets::ShowFitted(*plrAccumTitleLabl, name + ':');
  statwidgets::ShowFitted(*PlrAccumDrawLabl, name + ':');
  plrBestLabl->setText(HandDescriptionText(record.PlayerBestRank));
  dlrBestLabl->setText(HandDescriptionText(record.DealerBestRank));

  for (std::size_t i = 0; i < 5; ++i) {
    if (summary.ShowsBestCards) {
      ShowCardCorner(*PlrCard[i], record.PlayerBestCards[i]);
      ShowCardCorner(*DlrCard[i], record.DealerBestCards[i]);
    } else {
      ShowImage(*PlrCard[i], backId);
      ShowImage(*DlrCard[i], backId);
    }
  }

  for (std::size_t i = 0; i < 10; ++i) {
    PlrCategoryLabl[i]->setText(text(summary.Player.Categories[i]));
    DlrCategoryLabl[i]->setText(text(summary.Dealer.Categories[i]));
  }
  PlrRankTotalLabl->setText(text(summary.Player.CategoryTotal));
  DlrRankTotalLabl->setText(text(summary.Dealer.CategoryTotal));
  for (std::size_t i = 0; i < 5; ++i) {
    PlrDrawLabl[i]->setText(text(summary.Player.Draws[i]));
    DlrDrawLabl[i]->setText(text(summary.Dealer.Draws[i]));
  }
  PlrDrawTotalLabl->setText(text(summary.Player.DrawTotal));
  DlrDrawTotalLabl->setText(text(summary.Dealer.DrawTotal));
}

QString TStatBox::StreakText(std::uint32_t streak) {
  if (streak == 1) {
    return tr("%1 Hand").arg(streak);
  }
  // Every other count is translated with its number, so that a language
  // whose singular takes more than one ("0 main" in French) says so;
  // English, which has no file, keeps the text of the code.
  const int count = static_cast<int>(std::min<std::uint32_t>(streak, INT_MAX));
  return tr("%1 Hands", nullptr, count).arg(streak);
}

void TStatBox::UpdateClick() {
  const GameStatistics& statistics = state_.Statistics;
  // The stamp is not shown in current mode; the clock strip follows Timer1.
  const SavedStatistics current =
      SnapshotOf(statistics, state_.PlayerName, state_.StartingBank, SaveStamp{});
  const bool backValid = state_.DeckBackId >= BackImageId(0) && state_.DeckBackId <= BackImageId(9);
  Fill(current, backValid ? state_.DeckBackId : BackImageId(0));
  EnterCurrentMode();
}

void TStatBox::ShowSavedStatistics(const SavedStatistics& saved, const QString& path) {
  Fill(saved, SavedFileBackId);
  EnterViewingMode(path);
  const StatisticsSummary summary = SummaryOf(saved);
  TimeLabl->setText(QString::fromStdString(summary.SaveTime));
  DateLabl->setText(QString::fromStdString(summary.SaveDate));
}

void TStatBox::EnterCurrentMode() {
  viewing_ = false;
  setWindowTitle(tr("Current Game Statistics"));
  SetOffered(*CloseSpBtn, false, CurrentTip());
  SetOffered(*SaveSpBtn, true, SaveTip());
  currentGameItem_->setEnabled(false);
  saveItem_->setEnabled(true);
  // The clock shows the present at once rather than a viewed file's stamp
  // until the first tick.
  Timer1Timer();
  if (!Timer1->isActive()) {
    Timer1->start();
  }
}

void TStatBox::EnterViewingMode(const QString& path) {
  viewing_ = true;
  Timer1->stop();
  setWindowTitle(tr("Viewing %1").arg(path));
  SetOffered(*CloseSpBtn, true, CurrentTip());
  SetOffered(*SaveSpBtn, false, SaveTip());
  currentGameItem_->setEnabled(true);
  saveItem_->setEnabled(false);
}

void TStatBox::SaveSpBtnClick() {
  for (;;) {
    const QString chosen = platform_.AskSaveFileName(this, tr("Save Velmora Game Stats As"),
                                                     StatsFilter(), StatsSuffix);
    if (chosen.isEmpty()) {
      return;
    }
    const QString path = QFileInfo(chosen).absoluteFilePath();
    if (QFileInfo::exists(path)) {
      const auto answer =
          platform_.ShowMessage(this, QMessageBox::Question, tr("Overwrite Existing Stat File"),
                                tr("%1 already exists. Do you want to replace it?").arg(path),
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      if (answer == QMessageBox::No) {
        continue;
      }
      if (answer != QMessageBox::Yes) {
        return;
      }
    }
    SaveTo(path);
    return;
  }
}

void TStatBox::SaveTo(const QString& path) {
  const std::optional<QString> failure = WriteStatisticsFile(
      platform_, path, state_.Statistics, QString::fromStdString(state_.PlayerName),
      state_.StartingBank, SaveStampAt(platform_.CalendarSeconds()));
  if (failure) {
    //: %1 the file, %2 the system's reason.
    ShowError(platform_, this, tr("Save Error"),
              tr("%1 could not be saved.\n%2").arg(path, *failure));
  }
}

void TStatBox::OpenSpBtnClick() {
  const QString chosen =
      platform_.AskOpenFileName(this, tr("Open Velmora Game Stats"), StatsFilter(), StatsSuffix);
  if (chosen.isEmpty()) {
    return;
  }
  const QString path = QFileInfo(chosen).absoluteFilePath();
  const ReadResult result = ReadStatisticsFile(path.toStdString());
  for (const FileOpenReport& report : result.Reports) {
    // The rules say which report; the words are the window's.
    if (report.Number == 0) {
      ShowError(platform_, this, tr("File Not Found"), tr("%1. File does not exist.").arg(path));
    } else {
      ShowError(platform_, this, tr("File Open Error #%1").arg(report.Number),
                tr("Invalid data file!"));
    }
  }
  if (result.Valid()) {
    ShowSavedStatistics(*result.Statistics, path);
  }
}

void TStatBox::CloseSpBtnClick() {
  UpdateClick();
}

void TStatBox::HelpSpBtnClick() {
  if (showHelp_) {
    showHelp_();
  }
}

void TStatBox::OKBtnClick() {
  accept();
}

void TStatBox::Timer1Timer() {
  const QDateTime now = LocalDateTimeAt(platform_.CalendarSeconds());
  const QLocale locale = QLocale::system();
  DateLabl->setText(ClockDateText(now.date(), locale));
  TimeLabl->setText(ClockTimeText(now.time(), locale));
}

void TStatBox::showEvent(QShowEvent* event) {
  // Only a real opening refreshes: coming back from the window's own file
  // dialogs and message boxes must keep a viewed file on screen.
  if (look::CentreWhenOpened(*this, *event)) {
    UpdateClick();
  }
  QDialog::showEvent(event);
}

void TStatBox::hideEvent(QHideEvent* event) {
  if (!event->spontaneous()) {
    Timer1->stop();
  }
  QDialog::hideEvent(event);
}

void ShowStatisticsWindow(Platform& platform, TStatBox& statBox) {
  const QString workingDirectory = QDir::currentPath();
  platform.RunModal(statBox);
  QDir::setCurrent(workingDirectory);
}

}  // namespace velmora

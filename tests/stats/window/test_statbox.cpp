// The statistics window driven through the fake platform: what each label
// shows, the two modes, saving with its overwrite question and failures,
// opening with its error reports, the clock, and the working directory.
#include "FakePlatform.h"
#include "GameState.h"
#include "Images.h"
#include "StatBox.h"
#include "StatClock.h"
#include "StatisticsFile.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <ctime>

using namespace velmora;
using velmora::testing::FakePlatform;

namespace {

// 1999-12-31 15:05:07 and 2026-03-04 09:08:00, UTC (the test runs in UTC).
constexpr std::int64_t NewYearsEve = 946652707;
constexpr std::int64_t MarchMorning = 1772615280;

// One game as the table keeps it, and the window over it.
struct Game {
  GameState state;
  FakePlatform platform;
  int helpCalls = 0;
  TStatBox box{platform, state, [this] { ++helpCalls; }};

  Game() {
    state.PlayerName = "Player";
    state.StartingBank = 1000;
    state.Bank = 1000;
    state.DeckBackId = 63;
    state.Statistics.StartGameStatistics(1000);
    platform.seconds = NewYearsEve;
  }

  // One hand from draw to showdown; the player's hand counts as improved when asked.
  void Play(const Hand& player, const Hand& dealer, int playerDraw, int dealerDraw,
            std::int32_t bet, bool playerImproved = false) {
    GameStatistics& s = state.Statistics;
    s.RecordPlayerDraw(playerDraw);
    s.RecordDealerDraw(dealerDraw);
    const HandRank p = EvaluateHand(player);
    const HandRank d = EvaluateHand(dealer);
    s.RecordFinalHands(player, p, playerImproved ? HandRank{} : p, dealer, d, d);
    const int outcome = CompareRanks(p, d);
    state.Bank += outcome == 1 ? bet : outcome == 2 ? -bet : 0;
    s.RecordOutcome(outcome, state.Bank);
    s.RecordHandTotals(static_cast<std::uint32_t>(bet), static_cast<std::uint32_t>(state.Bank));
  }

  // Win with a pair of queens, win with three sevens (drawn into), lose to a heart flush.
  void PlayThreeHands() {
    Play({11, 24, 34, 43, 14}, {51, 8, 19, 29, 2}, 3, 2, 10);
    Play({6, 19, 32, 40, 15}, {1, 14, 8, 23, 50}, 1, 3, 20, true);
    Play({13, 3, 31, 47, 24}, {1, 3, 5, 7, 9}, 0, 0, 30);
  }

  QString Text(const char* name) const {
    const auto* label = box.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
  }
  QAction* Item(const QString& text) const {
    for (QAction* action : box.findChildren<QAction*>()) {
      if (action->text() == text) {
        return action;
      }
    }
    return nullptr;
  }
  QToolButton* Button(const char* name) const { return box.findChild<QToolButton*>(name); }
  QTimer* Clock() const { return box.findChild<QTimer*>("Timer1"); }

  std::string FileFor(const SaveStamp& stamp) const {
    return FormatStatisticsFile(state.Statistics, "Player", state.StartingBank, stamp);
  }
};

bool ShowsImage(const QLabel* place, int id) {
  return place != nullptr && place->pixmap().toImage() == ImageById(id).toImage();
}

int CardsShowing(const TStatBox& box, int id) {
  int count = 0;
  for (const char* seat : {"PlrCard", "DlrCard"}) {
    for (int i = 0; i < 5; ++i) {
      count += ShowsImage(box.findChild<QLabel*>(seat + QString::number(i)), id) ? 1 : 0;
    }
  }
  return count;
}

// The mode as the controls show it: caption, toolbar, menu and clock.
QString Controls(const Game& game) {
  QString seen = game.box.windowTitle();
  for (const char* name : {"SaveSpBtn", "CloseSpBtn"}) {
    seen += QStringLiteral("|%1:%2:%3")
                .arg(name)
                .arg(game.Button(name)->isEnabled())
                .arg(game.Button(name)->toolTip());
  }
  for (const char* item : {"&Save...", "Current &Game"}) {
    seen += QStringLiteral("|%1:%2").arg(item).arg(game.Item(item)->isEnabled());
  }
  return seen + QStringLiteral("|clock:%1").arg(game.Clock()->isActive());
}
const QString CurrentControls =
    "Current Game Statistics|SaveSpBtn:1:Save Stats...|CloseSpBtn:0:|&Save...:1|"
    "Current &Game:0|clock:1";
QString ViewingControls(const QString& path) {
  return "Viewing " + path +
         "|SaveSpBtn:0:|CloseSpBtn:1:Current Game Stats|&Save...:0|Current &Game:1|clock:0";
}

// Everything a player can see of the window, pictures by identity.
QStringList Snapshot(const Game& game) {
  QStringList seen{Controls(game)};
  for (const QLabel* label : game.box.findChildren<QLabel*>()) {
    seen << label->objectName() + '=' + label->text() + '#' +
                QString::number(label->pixmap().cacheKey());
  }
  return seen;
}

// A message box as "icon|caption|text|buttons".
QString Shown(const velmora::testing::ShownMessage& message) {
  return QStringLiteral("%1|%2|%3|%4")
      .arg(message.icon)
      .arg(message.caption, message.text)
      .arg(message.buttons.toInt());
}
const QString StopIcon = QString::number(QMessageBox::Critical);

// "name=text|name=text|...": each label's expected text.
void ExpectTexts(const Game& game, const QString& expected) {
  for (const QString& entry : expected.split('|')) {
    const QString name = entry.section('=', 0, 0);
    QCOMPARE(name + '=' + game.Text(name.toLatin1().constData()), entry);
  }
}

void WriteFile(const QString& path, const QByteArray& contents) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(contents);
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A valid file with some lines replaced (1-based line numbers).
QByteArray Altered(const std::string& valid, const std::map<int, QByteArray>& lines) {
  QList<QByteArray> parts = QByteArray::fromStdString(valid).split('\n');
  for (const auto& [line, text] : lines) {
    parts[line - 1] = text + '\r';
  }
  return parts.join('\n');
}

}  // namespace

class TestStatBox : public QObject {
  Q_OBJECT
 private slots:
  void labelsBeforeAndAfterKnownHands();
  void savedFileIsViewedUntilTheCurrentGameIsAskedFor();
  void failedReadsChangeNothing();
  void overwriteQuestion();
  void failedSaveIsReportedAndKeepsWhatWasThere();
  void viewedFileStaysUntilTheWindowIsShownAgain();
  void showingRestoresTheWorkingDirectory();
  void widestTextsFitTheirLabels();
  void clockFitsInCommonLocales();
};

void TestStatBox::labelsBeforeAndAfterKnownHands() {
  Game game;
  game.box.show();
  QCOMPARE(Controls(game), CurrentControls);
  ExpectTexts(game,
              "gameTotalLabl=0|PlrWinsLabl=Player won:  0|winPercentLabl=0%|plrBetAveLabl=$0|"
              "StartBankLabl=$1000|PlrBankAveLabl=$1000|PlrBankMaxLabl=$1000|"
              "PlrWinStreakLabl=Player: 0 Hands|DlrWinStreakLabl=0 Hands|plrBestLabl=(None)|"
              "dlrBestLabl=(None)|PlrDrawImprove=Player: 0%|DlrDrawImprove=0%|"
              "PlrRankTotalLabl=0|DlrDrawTotalLabl=0");
  QCOMPARE(CardsShowing(game.box, 63), 10);

  game.PlayThreeHands();
  // The window refreshes when it is shown again, not while it stays open.
  QCOMPARE(game.Text("gameTotalLabl"), QString("0"));
  game.box.hide();
  game.box.show();
  // Average bank (1000 + 1010 + 1030 + 1000) / 4. Categories: the player a
  // pair, three of a kind and high card; the dealer high card, a pair and a
  // flush. Draws: player 3, 1, 0; dealer 2, 3, 0.
  ExpectTexts(game,
              "gameTotalLabl=3|PlrWinsLabl=Player won:  2|winPercentLabl=66%|"
              "FinStatsLabl=Player's Financial Stats:|plrBestTitleLabl=Player's Best Hand:|"
              "plrAccumTitleLabl=Player:|PlrAccumDrawLabl=Player:|PlrBankAveLabl=$1010|"
              "PlrBankMaxLabl=$1030|plrBetAveLabl=$20|plrBetMaxLabl=$30|ResetsLabl=0|"
              "PlrWinStreakLabl=Player: 2 Hands|DlrWinStreakLabl=1 Hand|"
              "plrBestLabl=Three Sevens|dlrBestLabl=Ten high Flush \n(Hearts)|"
              "PlrDrawImprove=Player: 33%|DlrDrawImprove=0%|PlrHighCardLabl=1|PlrPairLabl=1|"
              "Plr3KindLabl=1|PlrFlushLabl=0|DlrFlushLabl=1|DlrHighCardLabl=1|DlrPairLabl=1|"
              "Dlr3KindLabl=0|PlrRankTotalLabl=3|DlrRankTotalLabl=3|Plr0CardsLabl=1|"
              "Plr1CardLabl=1|Plr3CardsLabl=1|Plr2CardsLabl=0|Dlr2CardsLabl=1|Dlr1CardLabl=0|"
              "PlrDrawTotalLabl=3|DlrDrawTotalLabl=3");
  const Hand playerBest{6, 19, 32, 40, 15};
  const Hand dealerBest{1, 3, 5, 7, 9};
  for (std::size_t i = 0; i < 5; ++i) {
    QVERIFY(
        ShowsImage(game.box.findChild<QLabel*>(QStringLiteral("PlrCard%1").arg(i)), playerBest[i]));
    QVERIFY(
        ShowsImage(game.box.findChild<QLabel*>(QStringLiteral("DlrCard%1").arg(i)), dealerBest[i]));
  }
}

void TestStatBox::savedFileIsViewedUntilTheCurrentGameIsAskedFor() {
  QTemporaryDir dir;
  const QString played = dir.filePath("played.vlm");
  const QString empty = dir.filePath("empty.vlm");
  Game game;
  game.box.show();
  // A game without hands, saved; then three hands, saved at 3:05:07 PM on 12/31/99.
  game.platform.saveAnswers = {empty};
  game.Button("SaveSpBtn")->click();
  game.PlayThreeHands();
  game.platform.saveAnswers = {played};
  game.Item("&Save...")->trigger();
  const auto& request = game.platform.fileDialogs.back();
  QCOMPARE(request.title + '|' + request.filter + '|' + request.defaultSuffix,
           QString("Save Velmora Game Stats As|Velmora Game Stats (*.vlm)|vlm"));
  QCOMPARE(ReadFile(played),
           QByteArray::fromStdString(game.FileFor(SaveStamp{3, 5, 7, 1, 12, 31, 99})));
  QVERIFY(game.platform.messages.empty());

  game.Play({11, 24, 34, 43, 14}, {51, 8, 19, 29, 2}, 3, 2, 10);  // the game goes on
  game.platform.openAnswers = {played};
  game.Button("OpenSpBtn")->click();
  QCOMPARE(game.platform.fileDialogs.back().title, QString("Open Velmora Game Stats"));
  QCOMPARE(Controls(game), ViewingControls(played));
  ExpectTexts(game, "gameTotalLabl=3|TimeLabl=3:05:07 PM|DateLabl=12/31/99");

  // Another file: a game without hands shows the first back whatever the table uses.
  game.platform.openAnswers = {empty};
  game.Item("&Open...")->trigger();
  QCOMPARE(Controls(game), ViewingControls(empty));
  QCOMPARE(CardsShowing(game.box, 60), 10);

  game.Item("Current &Game")->trigger();
  QCOMPARE(Controls(game), CurrentControls);
  QCOMPARE(game.Text("gameTotalLabl"), QString("4"));

  game.Button("HelpSpBtn")->click();
  game.Item("&Help...")->trigger();
  QCOMPARE(game.helpCalls, 2);
  game.box.findChild<QPushButton*>("OKBtn")->click();
  QVERIFY(!game.box.isVisible());
}

void TestStatBox::failedReadsChangeNothing() {
  QTemporaryDir dir;
  const QString good = dir.filePath("good.vlm");
  Game game;
  game.PlayThreeHands();
  const std::string valid = game.FileFor(SaveStamp{});
  WriteFile(good, QByteArray::fromStdString(valid));
  struct Bad {
    const char* file;
    QByteArray contents;
    QString reports;
  };
  const auto error = [](int number) {
    return StopIcon + "|File Open Error #" + QString::number(number) + "|Invalid data file!|1024";
  };
  const QList<Bad> bads{
      {"long.vlm", QByteArray::fromStdString(valid) + "\r\n", error(1)},
      {"word.vlm", Altered(valid, {{5, "five"}}), error(2)},
      {"hands.vlm", Altered(valid, {{2, "4"}}), error(12)},
      {"banks.vlm", Altered(valid, {{86, "1020"}, {87, "1"}}), error(19) + '/' + error(20)},
  };
  game.box.show();
  // Once in current mode and once while viewing a good file.
  for (const bool viewing : {false, true}) {
    if (viewing) {
      game.platform.openAnswers = {good};
      game.Button("OpenSpBtn")->click();
      QVERIFY(game.box.Viewing());
    }
    const QStringList before = Snapshot(game);
    const QString missing = dir.filePath("missing.vlm");
    game.platform.messages.clear();
    game.platform.openAnswers = {missing};
    game.Button("OpenSpBtn")->click();
    QCOMPARE(game.platform.messages.size(), std::size_t{1});
    QCOMPARE(Shown(game.platform.messages[0]),
             StopIcon + "|File Not Found|" + missing + ". File does not exist.|1024");
    for (const Bad& bad : bads) {
      WriteFile(dir.filePath(bad.file), bad.contents);
      game.platform.messages.clear();
      game.platform.openAnswers = {dir.filePath(bad.file)};
      game.Button("OpenSpBtn")->click();
      QStringList shown;
      for (const auto& message : game.platform.messages) {
        shown << Shown(message);
      }
      QCOMPARE(shown.join('/'), bad.reports);
    }
    QCOMPARE(Snapshot(game), before);
  }
}

void TestStatBox::overwriteQuestion() {
  QTemporaryDir dir;
  const QString old = dir.filePath("old.vlm");
  const QString fresh = dir.filePath("fresh.vlm");
  WriteFile(old, "old contents");
  Game game;
  game.box.show();
  const QByteArray expected =
      QByteArray::fromStdString(game.FileFor(SaveStamp{3, 5, 7, 1, 12, 31, 99}));

  game.platform.saveAnswers = {old};
  game.platform.answers = {QMessageBox::Cancel};
  game.box.SaveSpBtnClick();
  QCOMPARE(game.platform.messages.size(), std::size_t{1});
  QCOMPARE(Shown(game.platform.messages[0]),
           QStringLiteral("%1|Overwrite Existing Stat File|%2 already exists. Do you want to "
                          "replace it?|%3")
               .arg(QMessageBox::Question)
               .arg(old)
               .arg((QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel).toInt()));
  QCOMPARE(ReadFile(old), QByteArray("old contents"));

  // No asks for another name.
  game.platform.saveAnswers = {old, fresh};
  game.platform.answers = {QMessageBox::No};
  game.box.SaveSpBtnClick();
  QCOMPARE(game.platform.fileDialogs.size(), std::size_t{3});
  QCOMPARE(ReadFile(old), QByteArray("old contents"));
  QCOMPARE(ReadFile(fresh), expected);

  game.platform.saveAnswers = {old};
  game.platform.answers = {QMessageBox::Yes};
  game.box.SaveSpBtnClick();
  QCOMPARE(ReadFile(old), expected);
  QCOMPARE(game.platform.messages.size(), std::size_t{3});
}

void TestStatBox::failedSaveIsReportedAndKeepsWhatWasThere() {
  QTemporaryDir dir;
  WriteFile(dir.filePath("file.txt"), "old bytes\r\n");
  QVERIFY(QDir(dir.path()).mkpath("folder"));
  WriteFile(dir.filePath("folder/inside.vlm"), "kept");
  Game game;
  game.box.show();
  const QStringList targets{dir.filePath("missing/stats.vlm"), dir.filePath("file.txt/inner.vlm"),
                            dir.filePath("folder")};
  for (const QString& target : targets) {
    game.platform.messages.clear();
    game.platform.saveAnswers = {target};
    game.platform.answers = {QMessageBox::Yes};  // replace the folder, when asked
    game.box.SaveSpBtnClick();
    // The system's reason follows on the second line.
    const QString report = Shown(game.platform.messages.back());
    const QString lead = StopIcon + "|Save Error|" + target + " could not be saved.\n";
    QVERIFY2(report.startsWith(lead) && !report.startsWith(lead + "|"), qPrintable(report));
  }
  QVERIFY(!QFile::exists(dir.filePath("missing")));
  QCOMPARE(ReadFile(dir.filePath("file.txt")), QByteArray("old bytes\r\n"));
  QCOMPARE(ReadFile(dir.filePath("folder/inside.vlm")), QByteArray("kept"));
  QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);
}

void TestStatBox::viewedFileStaysUntilTheWindowIsShownAgain() {
  QCOMPARE(ClockTimeText(QTime(15, 5, 7), QLocale(QLocale::English, QLocale::UnitedStates)),
           QString("3:05:07 PM"));
  QCOMPARE(ClockTimeText(QTime(15, 5, 7), QLocale(QLocale::German)), QString("15:05:07"));

  QTemporaryDir dir;
  const QString saved = dir.filePath("saved.vlm");
  Game game;
  game.box.show();
  game.platform.seconds = MarchMorning;
  QTRY_COMPARE_WITH_TIMEOUT(game.Text("TimeLabl"), QString("9:08:00 AM"), 3000);
  QCOMPARE(game.Text("DateLabl"), QString("3/4/26"));
  game.platform.saveAnswers = {saved};
  game.box.SaveSpBtnClick();
  game.PlayThreeHands();
  game.box.findChild<QTabWidget*>("StatPages")->setCurrentIndex(1);
  game.platform.openAnswers = {saved};
  game.box.OpenSpBtnClick();

  // Focus coming back from the window's own dialogs, and the clock, leave it alone.
  const QStringList viewing = Snapshot(game);
  for (const auto type : {QEvent::WindowActivate, QEvent::ActivationChange, QEvent::FocusIn,
                          QEvent::WindowDeactivate, QEvent::WindowActivate}) {
    QEvent event(type);
    QCoreApplication::sendEvent(&game.box, &event);
  }
  game.platform.seconds = NewYearsEve;
  QTest::qWait(1200);
  QCOMPARE(Snapshot(game), viewing);

  game.box.hide();
  game.box.show();
  QCOMPARE(Controls(game), CurrentControls);
  ExpectTexts(game, "gameTotalLabl=3|TimeLabl=3:05:07 PM|DateLabl=12/31/99");
  QCOMPARE(game.box.findChild<QTabWidget*>("StatPages")->currentIndex(), 1);  // the page stays
}

void TestStatBox::showingRestoresTheWorkingDirectory() {
  QTemporaryDir elsewhere;
  const QString before = QDir::currentPath();
  Game game;
  bool currentWhenShown = false;
  game.platform.onModal = [&](QDialog&) {
    currentWhenShown = !game.box.Viewing() && game.box.isVisible();
    QDir::setCurrent(elsewhere.path());  // as a file dialog may do
  };
  ShowStatisticsWindow(game.platform, game.box);
  QVERIFY(currentWhenShown);
  QCOMPARE(game.platform.modalTitles, std::vector<QString>{"Current Game Statistics"});
  QCOMPARE(QDir::currentPath(), before);
}

// The clock's widest time and the widest name of ten letters fit their labels
// by the font's own metrics, on the screen the test runs on (1x and 2x).
void TestStatBox::widestTextsFitTheirLabels() {
  QTemporaryDir dir;
  const QString path = dir.filePath("late.vlm");
  Game game;
  game.state.PlayerName = "WWWWWWWWWW";
  game.PlayThreeHands();
  game.platform.seconds = NewYearsEve + 8 * 3600 + 15 * 60;  // 11:20:07 PM
  game.box.show();
  game.platform.saveAnswers = {path};
  game.Button("SaveSpBtn")->click();
  game.platform.openAnswers = {path};
  game.Button("OpenSpBtn")->click();
  ExpectTexts(game,
              "TimeLabl=11:20:07 PM|DateLabl=12/31/99|FinStatsLabl=WWWWWWWWWW's Financial Stats:");

  QStringList clipped;
  for (const char* name :
       {"TimeLabl", "DateLabl", "FinStatsLabl", "plrBestTitleLabl", "plrAccumTitleLabl",
        "PlrAccumDrawLabl", "PlrWinsLabl", "PlrWinStreakLabl", "PlrDrawImprove"}) {
    const auto* label = game.box.findChild<QLabel*>(name);
    QVERIFY2(label != nullptr, name);
    const qreal needed = QFontMetricsF(label->font(), label).horizontalAdvance(label->text());
    const int room = label->contentsRect().width();
    // Nothing of the label may lie outside the panel it stands on either.
    if (needed > room || !label->parentWidget()->rect().contains(label->geometry())) {
      clipped
          << QString("%1: \"%2\" needs %3 px of %4").arg(name, label->text()).arg(needed).arg(room);
    }
  }
  QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join("; ")));
}

// The live clock's date and time share one strip from its two ends: in
// locales whose date is the wider or whose time is, both stay whole and
// apart.
void TestStatBox::clockFitsInCommonLocales() {
  Game game;
  const auto* date = game.box.findChild<QLabel*>("DateLabl");
  const auto* time = game.box.findChild<QLabel*>("TimeLabl");
  QVERIFY(date != nullptr && time != nullptr);
  QCOMPARE(date->geometry(), time->geometry());
  QVERIFY(date->parentWidget()->rect().contains(date->geometry()));
  const QFontMetricsF dateMetrics(date->font(), date);
  const QFontMetricsF timeMetrics(time->font(), time);
  QStringList crowded;
  for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                QLocale(QLocale::English, QLocale::UnitedKingdom),
                                QLocale(QLocale::German), QLocale(QLocale::French)}) {
    for (const QDate& day : {QDate(2026, 12, 31), QDate(2026, 9, 30)}) {
      for (const QTime& clock : {QTime(23, 59, 58), QTime(11, 20, 7)}) {
        const QString dateText = velmora::ClockDateText(day, locale);
        const QString timeText = velmora::ClockTimeText(clock, locale);
        // A blank's width keeps the two apart.
        const qreal needed =
            dateMetrics.horizontalAdvance(dateText + ' ') + timeMetrics.horizontalAdvance(timeText);
        if (needed > date->contentsRect().width()) {
          crowded << QString("%1 \"%2\" \"%3\": %4 px")
                         .arg(locale.name(), dateText, timeText)
                         .arg(needed);
        }
      }
    }
  }
  QVERIFY2(crowded.isEmpty(), qPrintable(crowded.join("; ")));
}

int main(int argc, char** argv) {
  // A fixed zone and US formats, so the clock texts are known.
  qputenv("TZ", "UTC");
  qputenv("LC_ALL", "en_US.UTF-8");
  tzset();
  QApplication app(argc, argv);
  TestStatBox test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_statbox.moc"

// The statistics window driven through the fake platform: what each label
// shows, the two modes, opening with its error reports, the clock, and the
// working directory.
#include "Images.h"
#include "StatClock.h"
#include "StatsWindowGame.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <ctime>

using namespace velmora;
using namespace velmora::testing;

namespace {

// 2026-03-04 09:08:00 UTC.
constexpr std::int64_t MarchMorning = 1772615280;

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

const QString StopIcon = QString::number(QMessageBox::Critical);

// "name=text|name=text|...": each label's expected text.
void ExpectTexts(const Game& game, const QString& expected) {
  for (const QString& entry : expected.split('|')) {
    const QString name = entry.section('=', 0, 0);
    QCOMPARE(name + '=' + game.Text(name.toLatin1().constData()), entry);
  }
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
              "PlrBankAveLabl=$1000|PlrWinStreakLabl=Player: 0 Hands|plrBestLabl=(None)");
  QCOMPARE(CardsShowing(game.box, 63), 10);

  game.PlayThreeHands();
  // The window refreshes when it is shown again, not while it stays open.
  QCOMPARE(game.Text("gameTotalLabl"), QString("0"));
  game.box.hide();
  game.box.show();
  // The figures come from the record's summary; each kind of label is
  // checked at its place. The player: a pair, three sevens drawn into, high
  // card; the dealer: high card, a pair, a heart flush. Draws: 3, 1, 0; 2, 3, 0.
  ExpectTexts(game,
              "gameTotalLabl=3|PlrWinsLabl=Player won:  2|winPercentLabl=66%|"
              "FinStatsLabl=Player's Financial Stats:|PlrBankAveLabl=$1010|PlrBankMaxLabl=$1030|"
              "plrBetAveLabl=$20|PlrWinStreakLabl=Player: 2 Hands|DlrWinStreakLabl=1 Hand|"
              "plrBestLabl=Three Sevens|dlrBestLabl=Ten high Flush \n(Hearts)|"
              "PlrDrawImprove=Player: 33%|Plr3KindLabl=1|PlrFlushLabl=0|DlrFlushLabl=1|"
              "PlrRankTotalLabl=3|Plr1CardLabl=1|Dlr2CardsLabl=1|Dlr1CardLabl=0|"
              "DlrDrawTotalLabl=3");
  const Hand playerBest{6, 19, 32, 40, 15};
  const Hand dealerBest{1, 3, 5, 7, 9};
  for (std::size_t i = 0; i < 5; ++i) {
    QVERIFY(
        ShowsImage(game.box.findChild<QLabel*>("PlrCard" + QString::number(i)), playerBest[i]) &&
        ShowsImage(game.box.findChild<QLabel*>("DlrCard" + QString::number(i)), dealerBest[i]));
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
  QCOMPARE(ReadFile(played), game.FileFor());
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
  const std::string valid = game.FileFor(SaveStamp{}).toStdString();
  QVERIFY(WriteFile(good, QByteArray::fromStdString(valid)));
  struct Bad {
    const char* file;
    QByteArray contents;
    QString reports;
  };
  const auto error = [](int number) {
    return StopIcon + "|File Open Error #" + QString::number(number) + "|Invalid data file!|1024";
  };
  // The reader's own tests go through every check; here one refusal, and
  // two reported together.
  const QList<Bad> bads{
      {"long.vlm", QByteArray::fromStdString(valid) + "\r\n", error(1)},
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
      QVERIFY(WriteFile(dir.filePath(bad.file), bad.contents));
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

  // The live clock in any of these locales: the date and the time share the
  // strip and must not run into each other.
  const auto* date = game.box.findChild<QLabel*>("DateLabl");
  const auto* time = game.box.findChild<QLabel*>("TimeLabl");
  const int strip = date->parentWidget()->width();
  const QFontMetricsF metrics(date->font(), date);
  for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                QLocale(QLocale::English, QLocale::UnitedKingdom),
                                QLocale(QLocale::German, QLocale::Germany)}) {
    for (const QDate& day : {QDate(2026, 12, 31), QDate(2026, 9, 28), QDate(2026, 5, 30)}) {
      for (const QTime& moment : {QTime(23, 58, 58), QTime(11, 58, 58)}) {
        const QString shown = ClockDateText(day, locale) + "  " + ClockTimeText(moment, locale);
        QVERIFY2(metrics.horizontalAdvance(shown) <= strip - 2, qPrintable(shown));
      }
    }
  }
  QCOMPARE(date->geometry(), time->geometry());
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

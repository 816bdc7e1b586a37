// The statistics window driven through the fake platform: what each label
// shows, the two modes, opening with its error reports, the clock, and the
// working directory.
#include "media/Images.h"
#include "media/ToQString.h"
#include "stats/HandDescription.h"
#include "statswindow/StatClock.h"
#include "tests/statswindow/StatsWindowGame.h"

#include <QFontMetricsF>
#include <QPushButton>
#include <QTabWidget>
#include <QTextLayout>
#include <QtTest>

#include <ctime>

using namespace velmora;
using namespace velmora::testing;

namespace {

// 2026-03-04 09:08:00 UTC.
constexpr std::int64_t MarchMorning = 1772615280;

// The ten best-hand pictures show `ids`, the player's five then the dealer's.
void ExpectPictures(const Game& game, const QList<int>& ids) {
  for (qsizetype i = 0; i < ids.size(); ++i) {
    const QString name = (i < 5 ? "PlrCard" : "DlrCard") + QString::number(i % 5);
    const QLabel* label = game.box.findChild<QLabel*>(name);
    QVERIFY2(label && label->pixmap().toImage() == ImageById(ids[i]).toImage(), qPrintable(name));
  }
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
  return seen + QStringLiteral("|clock:%1").arg(game.box.findChild<QTimer*>("Timer1")->isActive());
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

// "name=text|name=text|...": each label's expected text.
void ExpectTexts(const Game& game, const QString& expected) {
  for (const QString& entry : expected.split('|')) {
    const QString name = entry.section('=', 0, 0);
    QCOMPARE(name + '=' + game.Text(name.toLatin1().constData()), entry);
  }
}

// Opening a missing file, and one whose banks do not add up (two errors,
// reported together; the reader's own tests go through every check), leaves
// everything a player sees as it was.
void FailToOpen(Game& game, const QString& folder) {
  const QStringList before = Snapshot(game);
  const QString missing = folder + "/missing.vlm";
  const QString bad = folder + "/bad.vlm";
  QList<QByteArray> lines = game.FileFor().split('\n');
  lines[85] = "1020\r";
  lines[86] = "1\r";
  QVERIFY(WriteFile(bad, lines.join('\n')));
  const QString stop = QString::number(QMessageBox::Critical);
  const QString error = stop + "|File Open Error #%1|Invalid data file!|1024";
  const std::pair<QString, QString> reads[] = {
      {missing, stop + "|File Not Found|" + missing + ". File does not exist.|1024"},
      {bad, error.arg(19) + '/' + error.arg(20)},
  };
  for (const auto& [path, reports] : reads) {
    game.platform.messages.clear();
    game.platform.openAnswers = {path};
    game.Button("OpenSpBtn")->click();
    QCOMPARE(Shown(game.platform.messages), reports);
  }
  QCOMPARE(Snapshot(game), before);
}

// Whether `first` is drawn left of `then` in the label, both found last in
// its text, laid out as a label lays out plain text: in the direction of the
// text's first strong character.
bool DrawnInOrder(const QLabel& label, const QString& first, const QString& then) {
  const QString text = label.text();
  QTextLayout layout(text, label.font());
  QTextOption option;
  option.setTextDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
  layout.setTextOption(option);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  return line.cursorToX(static_cast<int>(text.lastIndexOf(first))) <
         line.cursorToX(static_cast<int>(text.lastIndexOf(then)));
}

// The live clock in the system's long time format: Qt 6.8's locale data
// writes a narrow no-break space before AM and PM where older data has a blank.
bool ShowsClock(const QString& shown, const QString& usualText) {
  QString narrow = usualText;
  narrow.replace(' ', QChar(0x202F));
  return shown == usualText || shown == narrow;
}

}  // namespace

class TestStatBox : public QObject {
  Q_OBJECT
 private slots:
  void labelsBeforeAndAfterKnownHands();
  void savedGameIsViewedUntilTheCurrentIsAskedFor();
  void clockFitsInCommonLocales();
  void namesCannotTurnTheirLabelsAround();
  void bestHandOfNoKnownRankIsReadWhole();
};

// Before the first hand and after three; the window is opened modally, and
// a file dialog that moves the working directory meanwhile does not keep it.
void TestStatBox::labelsBeforeAndAfterKnownHands() {
  QTemporaryDir elsewhere;
  const QString home = QDir::currentPath();
  Game game;
  game.platform.onModal = [&](QDialog&) {
    QCOMPARE(Controls(game), CurrentControls);
    ExpectTexts(game,
                "gameTotalLabl=0|PlrWinsLabl=Player won:  0|winPercentLabl=0%|plrBetAveLabl=$0|"
                "PlrBankAveLabl=$1000|PlrWinStreakLabl=Player: 0 Hands|plrBestLabl=(None)");
    ExpectPictures(game, QList<int>(10, 63));
    // The window refreshes when it is shown again, not while it stays open.
    game.PlayThreeHands();
    QCOMPARE(game.Text("gameTotalLabl"), QString("0"));
    QDir::setCurrent(elsewhere.path());
  };
  ShowStatisticsWindow(game.platform, game.box);
  QCOMPARE(game.platform.modalTitles, std::vector<QString>{"Current Game Statistics"});
  QCOMPARE(QDir::currentPath(), home);
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
  ExpectPictures(game, {6, 19, 32, 40, 15, 1, 3, 5, 7, 9});
  QTemporaryDir dir;
  FailToOpen(game, dir.path());
}

// Saved files are viewed until "Current Game" or the next showing brings the
// game back; a ten-letter name of wide letters and a late hour fit their
// labels, by the font's own metrics on the screen the test runs on (1x, 2x).
void TestStatBox::savedGameIsViewedUntilTheCurrentIsAskedFor() {
  QTemporaryDir dir;
  const QString empty = dir.filePath("empty.vlm");
  const QString played = dir.filePath("played.vlm");
  Game game;
  game.state.PlayerName = "WWWWWWWWWW";
  game.box.show();
  game.platform.seconds = MarchMorning;
  QTRY_VERIFY_WITH_TIMEOUT(ShowsClock(game.Text("TimeLabl"), "9:08:00 AM"), 3000);
  QCOMPARE(game.Text("DateLabl"), QString("3/4/26"));
  game.platform.saveAnswers = {empty};
  game.Button("SaveSpBtn")->click();

  // Three hands saved at 11:20:07 PM on 12/31/99; then the game goes on.
  game.PlayThreeHands();
  game.platform.seconds = NewYearsEve + 8 * 3600 + 15 * 60;
  game.platform.saveAnswers = {played};
  game.Item("&Save...")->trigger();
  QCOMPARE(ReadFile(played), game.FileFor(SaveStamp{11, 20, 7, 1, 12, 31, 99}));
  QVERIFY(game.platform.messages.empty());
  game.Showdown("10", {11, 24, 34, 43, 14}, {51, 8, 19, 29, 2}, 3, 2);

  game.box.findChild<QTabWidget*>("StatPages")->setCurrentIndex(1);
  game.platform.openAnswers = {played};
  game.Button("OpenSpBtn")->click();
  QCOMPARE(Controls(game), ViewingControls(played));
  ExpectTexts(game,
              "gameTotalLabl=3|TimeLabl=11:20:07 PM|DateLabl=12/31/99|"
              "FinStatsLabl=WWWWWWWWWW's Financial Stats:");
  for (const char* name :
       {"TimeLabl", "DateLabl", "FinStatsLabl", "plrBestTitleLabl", "plrAccumTitleLabl",
        "PlrAccumDrawLabl", "PlrWinsLabl", "PlrWinStreakLabl", "PlrDrawImprove"}) {
    const auto* label = game.box.findChild<QLabel*>(name);
    QVERIFY2(label != nullptr, name);
    const qreal needed = QFontMetricsF(label->font(), label).horizontalAdvance(label->text());
    // Nothing of the label may lie outside the panel it stands on either.
    QVERIFY2(needed <= label->contentsRect().width() &&
                 label->parentWidget()->rect().contains(label->geometry()),
             name);
  }
  FailToOpen(game, dir.path());

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

  // Another file: a game without hands shows the first back whatever the table uses.
  game.platform.openAnswers = {empty};
  game.Item("&Open...")->trigger();
  QCOMPARE(Controls(game), ViewingControls(empty));
  ExpectTexts(game, "gameTotalLabl=0|TimeLabl=9:08:00 AM|DateLabl=3/4/26");
  ExpectPictures(game, QList<int>(10, FirstBackId));
  game.Item("Current &Game")->trigger();
  QCOMPARE(Controls(game), CurrentControls);
  QCOMPARE(game.Text("gameTotalLabl"), QString("4"));

  // Shown again while viewing: the current game, on the page that was open.
  game.platform.openAnswers = {played};
  game.box.OpenSpBtnClick();
  game.box.hide();
  game.box.show();
  QCOMPARE(Controls(game), CurrentControls);
  ExpectTexts(game, "gameTotalLabl=4|DateLabl=12/31/99");
  QVERIFY(ShowsClock(game.Text("TimeLabl"), "3:05:07 PM"));
  QCOMPARE(game.box.findChild<QTabWidget*>("StatPages")->currentIndex(), 1);

  game.Button("HelpSpBtn")->click();
  game.Item("&Help...")->trigger();
  QCOMPARE(game.helpCalls, 2);
  game.box.findChild<QPushButton*>("OKBtn")->click();
  QVERIFY(!game.box.isVisible());
}

// A file whose best hands have categories no hand has: the reader lets it
// through, and the long text that stands for such a rank is shown whole, on
// as many lines as it needs, in both best-hand labels.
void TestStatBox::bestHandOfNoKnownRankIsReadWhole() {
  QTemporaryDir dir;
  const QString odd = dir.filePath("odd.vlm");
  Game game;
  game.PlayThreeHands();
  game.state.Statistics.PlayerBestRank[0] = 10;
  game.state.Statistics.DealerBestRank[0] = -1;
  QVERIFY(WriteFile(odd, game.FileFor()));
  game.box.show();
  game.platform.openAnswers = {odd};
  game.Button("OpenSpBtn")->click();
  QCOMPARE(Controls(game), ViewingControls(odd));
  for (const char* name : {"plrBestLabl", "dlrBestLabl"}) {
    const auto* label = game.box.findChild<QLabel*>(name);
    QCOMPARE(label->text(), ToQString(HandRankErrorText));
    // Measured as the label lays its text out.
    const QRect room = label->contentsRect();
    const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
    const QRect needed = QFontMetrics(label->font(), label)
                             .boundingRect(room, int(label->alignment()) | wrap, label->text());
    QVERIFY2(room.contains(needed), name);
  }
}

// The live clock's date and time share one strip from its two ends: in
// locales whose date is the wider or whose time is, both stay whole and
// apart, and no zone's name or its empty brackets are left in the time.
void TestStatBox::clockFitsInCommonLocales() {
  const QLocale us(QLocale::English, QLocale::UnitedStates);
  Game game;
  const auto* date = game.box.findChild<QLabel*>("DateLabl");
  const auto* time = game.box.findChild<QLabel*>("TimeLabl");
  QCOMPARE(date->geometry(), time->geometry());
  const QFontMetricsF dateMetrics(date->font(), date);
  const QFontMetricsF timeMetrics(time->font(), time);
  for (const QLocale& locale :
       {QLocale::c(), us, QLocale(QLocale::English, QLocale::UnitedKingdom),
        QLocale(QLocale::German), QLocale(QLocale::French), QLocale(QLocale::Spanish),
        QLocale(QLocale::Italian), QLocale(QLocale::Portuguese, QLocale::Brazil),
        QLocale(QLocale::Dutch)}) {
    for (const QDate& day : {QDate(2026, 12, 31), QDate(2026, 9, 30), QDate(2026, 5, 30)}) {
      for (const QTime& clock : {QTime(23, 59, 58), QTime(11, 20, 7)}) {
        const QString dateText = ClockDateText(day, locale);
        const QString timeText = ClockTimeText(clock, locale);
        // The zone's name is left out, with whatever set it off.
        QVERIFY2(!timeText.contains(u'(') && timeText == timeText.trimmed(), qPrintable(timeText));
        // A blank's width keeps the two apart.
        const qreal needed =
            dateMetrics.horizontalAdvance(dateText + ' ') + timeMetrics.horizontalAdvance(timeText);
        QVERIFY2(needed <= date->contentsRect().width(), qPrintable(dateText + ' ' + timeText));
      }
    }
  }
}

// A name that sets its own direction, by letters or by invisible controls,
// reads as the player wrote it, but the words and figures after it keep
// their order: "abc won:  2" never reads "2  :now cba".
void TestStatBox::namesCannotTurnTheirLabelsAround() {
  // An override to the end of the line, the same behind a closing mark with
  // nothing to close, and right-to-left letters.
  for (const char* name : {"\u202eabc", "\u2069\u202eab", "אבג"}) {
    Game game;
    game.state.PlayerName = name;
    game.PlayThreeHands();
    game.box.show();
    const std::tuple<const char*, const char*, const char*> orders[] = {
        {"PlrWinsLabl", "won", "2"},
        {"PlrDrawImprove", ":", "33%"},
        {"PlrWinStreakLabl", "2", "Hands"},
        {"FinStatsLabl", "Financial", "Stats"}};
    for (const auto& [label, first, then] : orders) {
      QVERIFY2(DrawnInOrder(*game.box.findChild<QLabel*>(label), first, then),
               qPrintable(QStringLiteral("%1 %2").arg(label, game.Text(label))));
    }
  }
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

// One whole hand played as a blind player plays it: the real table on a real
// display, read and driven through the accessibility bus by a client that
// does what a screen reader does, with keys alone. What the client read and
// heard is compared with what the engine says happened.
//
// Run through tools/accessibility-bus.sh, which provides the bus and the
// display; without them the test skips.
#include "CardNames.h"
#include "DiscardAdvice.h"
#include "TableHarness.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using namespace velmora;
using namespace velmora::testing;

namespace {

// The keys the client presses to mark cards: positions 1 and 3.
constexpr DiscardFlags Marks{0, 1, 0, 1, 0};

QStringList Names(const Hand& hand, const DiscardFlags& marks = {}) {
  QStringList names;
  for (std::size_t p = 0; p < 5; ++p) {
    names.append(QString::fromStdString(CardName(hand[p])) +
                 (marks[p] == 1 ? ", marked for discard" : ""));
  }
  return names;
}

QStringList Strings(const QJsonValue& value) {
  QStringList strings;
  for (const QJsonValue& item : value.toArray()) {
    strings.append(item.toString());
  }
  return strings;
}

}  // namespace

class ScreenReaderTest : public QObject {
  Q_OBJECT

 private slots:
  void aWholeHandPlayedByKeysThroughTheAccessibilityBus() {
    if (qEnvironmentVariableIsEmpty("VELMORA_ACCESSIBILITY_BUS")) {
      QSKIP("needs the accessibility bus and a display: run it through tools/accessibility-bus.sh");
    }
    Table table(false);
    TMainForm& form = *table.form;
    table.Start(1, false);
    // A deal after which the house draws, so that its announcement has a count
    // to say; played with the engine to the end, with the client's marks.
    Hand dealt{};
    GameState expected;
    std::optional<SettlementResult> settled;
    table.platform.seconds =
        SecondsFor(table.state, [&](HandEngine& engine, const GameState& state) {
          engine.DealShown();
          dealt = state.PlayerHand;
          for (int p = 0; p < 5; ++p) {
            if (Marks[static_cast<std::size_t>(p)] == 1) {
              engine.ToggleDiscard(p);
            }
          }
          engine.Draw();
          const int drawn = engine.HouseDraw()->cardsDrawn;
          engine.Reveal();
          settled = engine.Settle();
          expected = state;
          return drawn > 0;
        });
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.focusWidget(), form.BetEdit);

    // The client plays while the table's own timers run in real time.
    QProcess client;
    // The Hint window runs its own event loop, as it does in play, and ends
    // with the client at the latest.
    table.platform.onModal = [&client](QDialog& dialog) {
      const QMetaObject::Connection ended =
          QObject::connect(&client, &QProcess::finished, &dialog, &QDialog::reject);
      dialog.exec();
      QObject::disconnect(ended);
    };
    client.setProcessChannelMode(QProcess::SeparateChannels);
    client.start("/usr/bin/python3", {VELMORA_SCREEN_READER_CLIENT, "--pid",
                                      QString::number(QCoreApplication::applicationPid()), "--bet",
                                      "250", "--keys", "2,4"});
    QVERIFY2(client.waitForStarted(10000), qPrintable(client.errorString()));
    const bool finished =
        QTest::qWaitFor([&client] { return client.state() == QProcess::NotRunning; }, 240000);
    if (!finished) {
      client.kill();
      client.waitForFinished(5000);
    }
    const QByteArray output = client.readAllStandardOutput();
    const QString log = QString::fromLocal8Bit(client.readAllStandardError());
    QVERIFY2(finished, qPrintable("the client did not finish:\n" + log));
    const QJsonObject read = QJsonDocument::fromJson(output).object();
    QVERIFY2(!read.isEmpty(), qPrintable("no report from the client:\n" + output + "\n" + log));
    QVERIFY2(!read.contains("error"), qPrintable(read["error"].toString() + "\n" + output + log));
    QCOMPARE(client.exitCode(), 0);

    // Betting, by what it said before the deal and after it.
    QCOMPARE(read["statusRole"].toString(), QString("status bar"));
    QCOMPARE(read["headline"].toString(), QString("Place Your Bet.."));
    QCOMPARE(read["pot"].toString(), QString("Game Pot:  $500"));

    // The dealt cards by their names, the house's face down; the Hint
    // window's list, read before the marks and left with Escape; the marks as
    // the keys set them.
    QCOMPARE(Strings(read["dealt"]), Names(dealt));
    QCOMPARE(Strings(read["dealerDealt"]), QStringList(5, "face down"));
    QStringList hint;
    for (const DiscardChoice& choice : AdviseDiscards(dealt)) {
      hint.append(QString::fromStdString(DescribeChoice(dealt, choice)));
    }
    QCOMPARE(read["hintListName"].toString(), QString("discard choices, best first"));
    QCOMPARE(Strings(read["hint"]), hint);
    QCOMPARE(Strings(read["hintSelected"]), QStringList{hint.first()});
    QCOMPARE(table.platform.modalTitles.back(), QString("Hint"));
    QCOMPARE(table.platform.modalTitles.size(), std::size_t{2});  // the welcome, then the hint
    QCOMPARE(Strings(read["marked"]), Names(dealt, Marks));

    // What the house drew and who won, announced as they appeared and in that
    // order; the final hands, their names and the bank as the engine has them.
    const QString draw = QString("Dealer takes %1").arg(expected.DealerDrawCount);
    const QString outcome = QString::fromUtf8(settled->outcomeText.data(),
                                              static_cast<qsizetype>(settled->outcomeText.size()));
    const QStringList heard = Strings(read["heard"]);
    QCOMPARE(read["dealerDraw"].toString(), draw);
    QCOMPARE(read["outcome"].toString(), outcome);
    QCOMPARE(read["announcement"].toString(), outcome);
    QVERIFY2(heard.indexOf(draw) >= 0 && heard.indexOf(draw) < heard.indexOf(outcome),
             qPrintable(heard.join(" | ")));
    // (The engine's copy bet $1 where the client bets $250.)
    const std::int32_t bankAfter =
        1000 + std::array{0, 250, -250}.at(static_cast<std::size_t>(settled->outcome));
    QVERIFY(table.state.PlayerHand == expected.PlayerHand && table.state.Bank == bankAfter);
    QCOMPARE(Strings(read["playerFinal"]), Names(expected.PlayerHand));
    QCOMPARE(Strings(read["dealerFinal"]), Names(expected.DealerHand));
    QCOMPARE(read["playerHand"].toString().toStdString(), settled->playerHandName);
    QCOMPARE(read["dealerHand"].toString().toStdString(), settled->dealerHandName);
    const QString bank = QString("Bank: $%1").arg(bankAfter);
    QCOMPARE(read["bank"].toString(), bank);
    QVERIFY2(heard.lastIndexOf(bank) > heard.indexOf(outcome), qPrintable(heard.join(" | ")));
  }
};

QTEST_MAIN(ScreenReaderTest)

#include "ScreenReaderTest.moc"

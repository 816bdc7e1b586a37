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
#include <QLineEdit>
#include <QProcess>
#include <QTest>

#include <algorithm>

using namespace velmora;
using namespace velmora::testing;

namespace {

// The keys the client presses to mark cards: positions 1 and 3.
constexpr DiscardFlags Marks{0, 1, 0, 1, 0};
constexpr std::int32_t StartingBank = 1000;
constexpr std::int32_t BetAmount = 250;

// The hand as the engine plays it from this first deal.
struct ExpectedHand {
  Hand dealtPlayer{};
  Hand player{};
  Hand dealer{};
  int dealerDraw = 0;
  int outcome = 0;
};

// Plays the dealt hand on with the client's marks.
ExpectedHand PlayWithEngine(HandEngine& engine, const GameState& state) {
  ExpectedHand hand;
  engine.DealShown();
  hand.dealtPlayer = state.PlayerHand;
  for (int p = 0; p < 5; ++p) {
    if (Marks[static_cast<std::size_t>(p)] == 1) {
      engine.ToggleDiscard(p);
    }
  }
  engine.Draw();
  hand.dealerDraw = engine.HouseDraw()->cardsDrawn;
  engine.Reveal();
  hand.outcome = engine.Settle()->outcome;
  hand.player = state.PlayerHand;
  hand.dealer = state.DealerHand;
  return hand;
}

QStringList Names(const Hand& hand) {
  QStringList names;
  for (const Card card : hand) {
    names.append(QString::fromStdString(CardName(card)));
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

QString CategoryName(const Hand& hand) {
  const std::string_view name =
      HandCategoryNames.at(static_cast<std::size_t>(EvaluateHand(hand)[0]));
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
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
    // A deal after which the house draws, so that its announcement has a count to say.
    ExpectedHand expected;
    table.platform.seconds =
        SecondsFor(table.state, [&expected](HandEngine& engine, const GameState& state) {
          expected = PlayWithEngine(engine, state);
          return expected.dealerDraw > 0;
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
                                      QString::number(BetAmount), "--keys", "2,4"});
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
    QCOMPARE(read["bankBefore"].toString(), QString("Bank: $%1").arg(StartingBank));
    QCOMPARE(read["pot"].toString(), QString("Game Pot:  $%1").arg(2 * BetAmount));
    QCOMPARE(read["lastBet"].toString(), QString("Last Bet: $%1").arg(BetAmount));
    QCOMPARE(table.state.LastBet, BetAmount);

    // The dealt cards by their names, the house's face down; the marks as the keys set them.
    QCOMPARE(Strings(read["dealt"]), Names(expected.dealtPlayer));
    QCOMPARE(Strings(read["dealerDealt"]), QStringList(5, "face down"));
    QStringList marked = Names(expected.dealtPlayer);
    for (std::size_t p = 0; p < 5; ++p) {
      if (Marks[p] == 1) {
        marked[static_cast<qsizetype>(p)] += ", marked for discard";
      }
    }
    // The Hint window's list, read before the marks and left with Escape.
    QStringList hint;
    for (const DiscardChoice& choice : AdviseDiscards(expected.dealtPlayer)) {
      hint.append(QString::fromStdString(DescribeChoice(expected.dealtPlayer, choice)));
    }
    QCOMPARE(read["hintListName"].toString(), QString("discard choices, best first"));
    QCOMPARE(Strings(read["hint"]), hint);
    QCOMPARE(Strings(read["hintSelected"]), QStringList{hint.first()});
    const std::vector<QString>& windows = table.platform.modalTitles;
    QCOMPARE(std::count(windows.begin(), windows.end(), "Hint"), 1);
    QCOMPARE(Strings(read["marked"]), marked);
    QCOMPARE(table.state.Discards, Marks);

    // What the house drew and who won, announced as they appeared and in that order.
    const QString draw = QString("Dealer takes %1").arg(expected.dealerDraw);
    const std::array<QString, 3> outcomes{"Push.. Split the Pot!", "You're a winner!",
                                          "Dealer wins!"};
    const QString outcome = outcomes.at(static_cast<std::size_t>(expected.outcome));
    const QStringList heard = Strings(read["heard"]);
    QCOMPARE(read["dealerDraw"].toString(), draw);
    QCOMPARE(read["outcome"].toString(), outcome);
    QVERIFY2(heard.indexOf(draw) >= 0 && heard.indexOf(draw) < heard.indexOf(outcome),
             qPrintable(heard.join(" | ")));
    QCOMPARE(table.state.DealerDrawCount, expected.dealerDraw);

    // The final hands, their names and the bank, as read at the end and as the engine has them.
    QCOMPARE(table.state.PlayerHand, expected.player);
    QCOMPARE(table.state.DealerHand, expected.dealer);
    QCOMPARE(Strings(read["playerFinal"]), Names(expected.player));
    QCOMPARE(Strings(read["dealerFinal"]), Names(expected.dealer));
    QCOMPARE(read["announcement"].toString(), outcome);
    QCOMPARE(read["playerHand"].toString(), CategoryName(expected.player));
    QCOMPARE(read["dealerHand"].toString(), CategoryName(expected.dealer));
    const std::array<std::int32_t, 3> banks{StartingBank, StartingBank + BetAmount,
                                            StartingBank - BetAmount};
    const std::int32_t bank = banks.at(static_cast<std::size_t>(expected.outcome));
    QCOMPARE(table.state.Bank, bank);
    const QString bankText = QString("Bank: $%1").arg(bank);
    QCOMPARE(read["bank"].toString(), bankText);
    QVERIFY2(heard.lastIndexOf(bankText) > heard.indexOf(outcome), qPrintable(heard.join(" | ")));
  }
};

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ScreenReaderTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ScreenReaderTest.moc"

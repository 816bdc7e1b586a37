// One whole hand played as a blind player plays it: the real table on a real
// display, read and driven through the accessibility bus by a client that
// does what a screen reader does, with keys alone. What the client read and
// heard is compared with what the engine says happened.
//
// Run through tools/accessibility-bus.sh, which provides the bus and the
// display; without them the test skips.
#include "advice/DiscardAdvice.h"
#include "cards/CardNames.h"
#include "tests/table/TableHarness.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using namespace velmora;
using namespace velmora::testing;

namespace {

QJsonArray Names(const Hand& hand, const DiscardFlags& marks = {}) {
  QJsonArray names;
  for (std::size_t p = 0; p < 5; ++p) {
    names.append(QString::fromStdString(CardName(hand[p])) +
                 (marks[p] == 1 ? ", marked for discard" : ""));
  }
  return names;
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
    Hand dealt{};
    table.platform.seconds = SecondsFor(table.state, [&dealt](auto&, const GameState& state) {
      dealt = state.PlayerHand;  // as dealt: the search stands pat
      return state.DealerDrawCount > 0;
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
    client.start("/usr/bin/python3", {VELMORA_SCREEN_READER_CLIENT, "--pid",
                                      QString::number(QCoreApplication::applicationPid()), "--bet",
                                      "250", "--keys", "2,4"});
    QVERIFY2(client.waitForStarted(10000), qPrintable(client.errorString()));
    // (One that does not finish is killed with the QProcess.)
    const bool finished =
        QTest::qWaitFor([&client] { return client.state() == QProcess::NotRunning; }, 240000);
    const QByteArray output = client.readAllStandardOutput();
    const QString log = QString::fromLocal8Bit(client.readAllStandardError());
    QVERIFY2(finished, qPrintable("the client did not finish:\n" + log));
    const QJsonObject read = QJsonDocument::fromJson(output).object();
    QVERIFY2(!read.isEmpty(), qPrintable("no report from the client:\n" + output + "\n" + log));
    QVERIFY2(!read.contains("error"), qPrintable(read["error"].toString() + "\n" + output + log));
    QCOMPARE(client.exitCode(), 0);

    // What it read while betting, of the dealt cards (the house's face down),
    // of the Hint window (read before the marks and left with Escape), of the
    // marks as its keys 2 and 4 set them, and of the showdown; what it heard
    // of the house's draw and the outcome: all as the table has them.
    const DiscardFlags marks{0, 1, 0, 1, 0};
    QJsonArray hint;
    for (const DiscardChoice& choice : AdviseDiscards(dealt)) {
      hint.append(QString::fromStdString(DescribeChoice(dealt, choice)));
    }
    const QString outcome = form.MainLabl->text();
    const QJsonObject wanted{
        {"statusRole", "status bar"},
        {"headline", "Place Your Bet.."},
        {"pot", "Game Pot:  $500"},
        {"dealt", Names(dealt)},
        {"dealerDealt", QJsonArray::fromStringList(QStringList(5, "face down"))},
        {"hintListName", "discard choices, best first"},
        {"hint", hint},
        {"hintSelected", QJsonArray{hint.first()}},
        {"marked", Names(dealt, marks)},
        {"dealerDraw", QString("Dealer takes %1").arg(table.state.DealerDrawCount)},
        {"outcome", outcome},
        {"announcement", outcome},
        {"playerFinal", Names(table.state.PlayerHand)},
        {"dealerFinal", Names(table.state.DealerHand)},
        {"playerHand", form.PlrLabl->text()},
        {"dealerHand", form.DlrLabl->text()},
        {"bank", form.BankLabl->text()}};
    for (auto field = wanted.begin(); field != wanted.end(); ++field) {
      QVERIFY2(read[field.key()] == field.value(),
               qPrintable(field.key() + " differs:\n" + output));
    }
    QVERIFY(table.state.Discards == marks && table.state.LastBet == 250 && !outcome.isEmpty());
    // The draw announced before the outcome, the bank after it.
    const QStringList heard = read["heard"].toVariant().toStringList();
    const qsizetype draw = heard.indexOf(wanted["dealerDraw"].toString());
    QVERIFY2(draw >= 0 && draw < heard.indexOf(outcome) &&
                 heard.indexOf(outcome) < heard.lastIndexOf(form.BankLabl->text()),
             qPrintable(heard.join(" | ")));
  }
};

QTEST_MAIN(ScreenReaderTest)

#include "ScreenReaderTest.moc"

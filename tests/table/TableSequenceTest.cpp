// The table driven by random sequences of a player's actions, New Game at
// any moment with either answer and bankruptcies included: the statistics
// saved after every action must read back as a valid file, Deal must be
// dead whenever a hand is under way, and at most one step of a hand may be
// pending, none while betting is open.
#include "dialogs/ExitDlg.h"
#include "stats/StatisticsFile.h"
#include "tests/table/TableHarness.h"

#include <QPushButton>

#include <algorithm>
#include <array>
#include <random>

using namespace velmora;
using namespace velmora::testing;

class TableSequenceTest : public QObject {
  Q_OBJECT

 private slots:
  void savedStatisticsStayValidAndDealStaysDeadDuringHands() {
    std::mt19937 random(20240611);
    const auto pick = [&random](int below) {
      return std::uniform_int_distribution<int>(0, below - 1)(random);
    };
    for (int run = 0; run < 4; ++run) {
      Table table;
      table.Start(0, false);
      TMainForm& form = *table.form;
      // A bankruptcy chooses New Game; its question is answered at random.
      table.platform.onModal = [](QDialog& dialog) {
        if (auto* bankrupt = qobject_cast<TExitDlg*>(&dialog)) {
          QTest::mouseClick(bankrupt->findChild<QPushButton*>("NewGameBtn"), Qt::LeftButton);
        }
      };
      // Deal types a new bet when the field is open; otherwise it plays the last one again.
      const std::array<std::pair<QString, std::function<void()>>, 6> actions{
          {{"New Game", [&] { form.NewGameClick(); }},
           {"Deal",
            [&] {
              if (form.BetEdit->isEnabled()) {
                form.BetEdit->clear();
                table.TypeBet(QString::number(1 + pick(std::max(table.state.Bank, 1))));
              }
              table.PressDeal();
            }},
           {"Deal again", [&] { table.PressDeal(); }},
           {"card", [&] { table.ClickCard(pick(5)); }},
           {"Draw", [&] { table.PressDraw(); }},
           {"a timer", [&] { table.Step(); }}}};
      const std::array handTimers{&form.DealDelay, &form.DlrDraw, &form.PlrReplATimer,
                                  &form.DlrReplA,  &form.DlrShow, &form.pickAwinner};
      // Mostly a timer and seldom New Game, so that hands get as far as the
      // house's steps and the showdown.
      std::discrete_distribution<int> weighted{1, 2, 1, 2, 2, 24};
      for (int step = 0; step < 400; ++step) {
        table.platform.answers = {pick(2) == 0 ? QMessageBox::Yes : QMessageBox::No};
        table.platform.seconds = step;
        const auto& [action, act] = actions.at(static_cast<std::size_t>(weighted(random)));
        act();
        const QString where = QString("run %1 step %2 after %3").arg(run).arg(step).arg(action);
        const ReadResult read = ParseStatisticsFile(FormatStatisticsFile(
            table.state.Statistics, "Player", table.state.StartingBank, SaveStamp{}));
        const std::string problem = read.Valid() ? "" : read.Reports.front().Caption;
        QVERIFY2(read.Valid(), qPrintable(where + ": " + problem.c_str()));
        QVERIFY2(!form.Bet->isEnabled() || form.Engine().BettingOpen(), qPrintable(where));
        // One step of a hand pending at a time, and none while betting is open.
        const auto pending = std::ranges::count_if(handTimers, &QTimer::isActive);
        QVERIFY2(pending <= (form.Engine().BettingOpen() ? 0 : 1), qPrintable(where));
      }
    }
  }

  void aDealDuringTheOpeningHatchCannotBeDealtAgain() {
    Table table;
    TMainForm& form = *table.form;
    table.Start(1, true, &form.OpenHatch);  // the splash ends, the hatch starts to slide
    table.PlaceBet("10");
    Fire(form.DealDelay);
    Fire(form.DealDelay);
    const Hand dealt = table.state.PlayerHand;
    while (form.OpenHatch.isActive()) {
      Fire(form.OpenHatch);
    }
    QVERIFY(!form.Bet->isEnabled());
    table.PressDeal();
    QCOMPARE(table.state.PlayerHand, dealt);
    QCOMPARE(table.RunChain(), (Ticks{{&form.DealDelay, 8}}));
  }
};

QTEST_MAIN(TableSequenceTest)

#include "TableSequenceTest.moc"

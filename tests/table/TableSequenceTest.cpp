// The table driven by random sequences of a player's actions, New Game at
// any moment with either answer and bankruptcies included: the statistics
// saved after every action must read back as a valid file, and Deal must
// be dead whenever a hand is under way.
#include "ExitDlg.h"
#include "StatisticsFile.h"
#include "TableHarness.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <random>

using namespace velmora;
using namespace velmora::testing;

namespace {

QString SavedFileProblem(const Table& table) {
  const std::string file =
      FormatStatisticsFile(table.state.Statistics, "Player", table.state.StartingBank, SaveStamp{});
  const ReadResult read = ParseStatisticsFile(file);
  return read.Valid() ? QString() : QString::fromStdString(read.Reports.front().Caption);
}

}  // namespace

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
      for (int step = 0; step < 400; ++step) {
        table.platform.answers = {pick(2) == 0 ? QMessageBox::Yes : QMessageBox::No};
        table.platform.seconds = step;
        QString action;
        switch (pick(8)) {
          case 0:
            action = "New Game";
            form.NewGameClick();
            break;
          case 1:
            action = "Deal";
            if (form.BetEdit->isEnabled()) {
              form.BetEdit->clear();
              table.TypeBet(QString::number(1 + pick(std::max(table.state.Bank, 1))));
            }
            table.PressDeal();
            break;
          case 2:
            action = "Deal again";
            table.PressDeal();
            break;
          case 3:
            action = "card";
            table.ClickCard(pick(5));
            break;
          case 4:
            action = "Draw";
            table.PressDraw();
            break;
          default: {
            const QTimer* timer = table.Step();
            action = timer ? QString("timer of %1 ms").arg(timer->interval()) : "no timer";
            break;
          }
        }
        const QString where = QString("run %1 step %2 after %3").arg(run).arg(step).arg(action);
        const QString problem = SavedFileProblem(table);
        QVERIFY2(problem.isEmpty(), qPrintable(where + ": " + problem));
        QVERIFY2(!form.Bet->isEnabled() || form.Engine().BettingOpen(), qPrintable(where));
      }
    }
  }

  void aDealDuringTheOpeningHatchCannotBeDealtAgain() {
    Table table;
    TMainForm& form = *table.form;
    table.platform.onModal = [](QDialog& dialog) {
      QTest::mouseClick(dialog.findChild<QPushButton*>("OK"), Qt::LeftButton);
    };
    table.Step();  // the splash ends, the hatch starts to slide
    table.TypeBet("10");
    table.PressDeal();
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

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TableSequenceTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "TableSequenceTest.moc"

// The money rules on their own: what the bet field accepts, which bills the
// tray offers for an amount, and the arithmetic of the pot and the bank.
#include "BetText.h"
#include "CashTray.h"
#include "Settlement.h"

#include <QTest>

#include <limits>
#include <optional>
#include <vector>

using namespace velmora;

namespace {

// Bills from the bottom slot up, empty slots left out.
std::vector<std::int32_t> BillsBottomUp(std::int64_t cash) {
  const TrayBills tray = ChooseBills(cash);
  std::vector<std::int32_t> bills;
  for (int slot = 4; slot >= 0; --slot) {
    if (tray.slotValues[static_cast<std::size_t>(slot)] != 0) {
      bills.push_back(tray.slotValues[static_cast<std::size_t>(slot)]);
    }
  }
  return bills;
}

}  // namespace

class MoneyTest : public QObject {
  Q_OBJECT

 private slots:
  void betTextAcceptsDecimalOnly_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("value");
    QTest::newRow("plain") << "250" << true << qint64{250};
    QTest::newRow("leading blanks") << "   42" << true << qint64{42};
    QTest::newRow("plus") << "+7" << true << qint64{7};
    QTest::newRow("minus") << "-5" << true << qint64{-5};
    QTest::newRow("leading zeros") << "000000000000012" << true << qint64{12};
    QTest::newRow("largest") << "2147483647" << true << qint64{2147483647};
    QTest::newRow("smallest") << "-2147483648" << true << qint64{-2147483648LL};
    QTest::newRow("one too large") << "2147483648" << false << qint64{0};
    QTest::newRow("one too small") << "-2147483649" << false << qint64{0};
    QTest::newRow("far too large") << "99999999999999999999999" << false << qint64{0};
    QTest::newRow("letter after") << "12a" << false << qint64{0};
    QTest::newRow("blank after") << "12 " << false << qint64{0};
    QTest::newRow("blank inside") << "1 2" << false << qint64{0};
    QTest::newRow("lone sign") << "-" << false << qint64{0};
    QTest::newRow("blanks only") << "   " << false << qint64{0};
    QTest::newRow("two signs") << "+-3" << false << qint64{0};
    QTest::newRow("dollar hex") << "$1F" << false << qint64{0};
    QTest::newRow("0x hex") << "0x10" << false << qint64{0};
    QTest::newRow("decimal point") << "1.5" << false << qint64{0};
  }
  void betTextAcceptsDecimalOnly() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, value);
    const std::optional<std::int32_t> parsed = ParseBet(text.toStdString());
    QCOMPARE(parsed.has_value(), valid);
    if (valid) {
      QCOMPARE(qint64{*parsed}, value);
    }
  }

  void trayShowsTheStaircaseOfBills_data() {
    QTest::addColumn<qint64>("cash");
    QTest::addColumn<std::vector<std::int32_t>>("bills");
    QTest::newRow("0") << qint64{0} << std::vector<std::int32_t>{};
    QTest::newRow("1") << qint64{1} << std::vector<std::int32_t>{1};
    QTest::newRow("6") << qint64{6} << std::vector<std::int32_t>{5, 1};
    QTest::newRow("100") << qint64{100} << std::vector<std::int32_t>{50, 20, 5, 1};
    QTest::newRow("101") << qint64{101} << std::vector<std::int32_t>{100, 1};
    QTest::newRow("750") << qint64{750} << std::vector<std::int32_t>{500, 100, 20, 5, 1};
    QTest::newRow("1000") << qint64{1000} << std::vector<std::int32_t>{500, 100, 50, 20, 5};
    QTest::newRow("5000") << qint64{5000} << std::vector<std::int32_t>{1000, 500, 100, 50, 20};
    QTest::newRow("5001") << qint64{5001} << std::vector<std::int32_t>{5000, 1};
    QTest::newRow("123456") << qint64{123456}
                            << std::vector<std::int32_t>{100000, 20000, 1000, 100, 50};
    QTest::newRow("negative") << qint64{-5} << std::vector<std::int32_t>{};
  }
  void trayShowsTheStaircaseOfBills() {
    QFETCH(qint64, cash);
    QFETCH(std::vector<std::int32_t>, bills);
    QCOMPARE(BillsBottomUp(cash), bills);
  }

  void trayFillsFromTheBottomAndLeavesTheRemainder() {
    const TrayBills small = ChooseBills(6);
    QCOMPARE(small.slotValues, (SlotValues{0, 0, 0, 1, 5}));
    QCOMPARE(small.remainder, std::int64_t{0});
    // 1000 never reaches the $1 bill: what is left after the $5 bill is 5.
    QCOMPARE(ChooseBills(1000).remainder, std::int64_t{5});
  }

  void everyBillFitsTheFreeCash() {
    // Each bill offered can be added to the bet without exceeding the cash,
    // and the bills are all different and descend from the bottom slot up.
    for (std::int64_t cash = 1; cash <= 20000; cash += (cash < 2000 ? 1 : 37)) {
      const SlotValues slotValues = ChooseBills(cash).slotValues;
      std::int32_t below = std::numeric_limits<std::int32_t>::max();
      for (int slot = 4; slot >= 0; --slot) {
        const std::int32_t bill = slotValues[static_cast<std::size_t>(slot)];
        if (bill == 0) {
          continue;
        }
        QVERIFY2(bill <= cash, qPrintable(QString::number(cash)));
        QVERIFY2(bill < below, qPrintable(QString::number(cash)));
        below = bill;
      }
      QVERIFY(slotValues[4] != 0);
    }
  }

  void hugeAmountsShowTheLargestBundleWithoutWrapping() {
    QCOMPARE(ChooseBills(500001).slotValues[4], 500000);
    QCOMPARE(ChooseBills(500000).slotValues[4], 100000);
    // A bet field holding the most negative number beside the largest bank.
    const std::int64_t cash = std::int64_t{2147483647} - std::int64_t{-2147483648LL};
    QCOMPARE(BankLabelText(cash), std::string("Bank: $4294967295"));
    const TrayBills tray = ChooseBills(cash);
    QCOMPARE(tray.slotValues[4], 500000);
    QVERIFY(tray.remainder >= 0);
  }

  void bankLabelShowsEmptyOnlyForZero() {
    QCOMPARE(BankLabelText(0), std::string("(Empty)"));
    QCOMPARE(BankLabelText(750), std::string("Bank: $750"));
    QCOMPARE(BankLabelText(-5), std::string("Bank: $-5"));
  }

  void settlementPaysTheBetAndStopsAtTheLargestBank() {
    QCOMPARE(BankAfterWin(100, 100), 200);
    QCOMPARE(BankAfterLoss(100, 100), 0);
    QCOMPARE(BankAfterWin(HighestBank - 10, 10), HighestBank);
    QCOMPARE(BankAfterWin(HighestBank - 10, 500), HighestBank);
    QCOMPARE(BankAfterWin(HighestBank, HighestBank), HighestBank);
  }

  void potIsTwiceTheBetWithoutOverflow() {
    QCOMPARE(PotText(250), std::string("Game Pot:  $500"));
    QCOMPARE(PotText(HighestBank), std::string("Game Pot:  $4294967294"));
    QCOMPARE(LastBetText(250), std::string("Last Bet: $250"));
  }
};

QTEST_APPLESS_MAIN(MoneyTest)
#include "MoneyTest.moc"

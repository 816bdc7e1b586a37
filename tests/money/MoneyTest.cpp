// The money rules on their own: what the bet field accepts, which bills the
// tray offers for an amount, and the arithmetic of the pot and the bank.
#include "money/BetText.h"
#include "money/CashTray.h"
#include "money/Settlement.h"

#include <QTest>

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

using namespace velmora;

namespace {

// Bills from the bottom slot up, empty slots left out.
std::vector<std::int32_t> BillsBottomUp(std::int64_t cash) {
  const SlotValues values = ChooseBills(cash).slotValues;
  std::vector<std::int32_t> bills(values.rbegin(), values.rend());
  std::erase(bills, 0);
  return bills;
}

}  // namespace

class MoneyTest : public QObject {
  Q_OBJECT

 private slots:
  void betTextAcceptsPlainDecimalOnly() {
    for (const auto& [text, value] : {std::pair{"250", 250},
                                      {"   42", 42},
                                      {"+7", 7},
                                      {"-5", -5},
                                      {"000000000000012", 12},
                                      {"2147483647", 2147483647},
                                      {"-2147483648", std::numeric_limits<std::int32_t>::min()}}) {
      QVERIFY2(ParseBet(text) == value, text);
    }
    for (const char* text : {"2147483648", "-2147483649", "99999999999999999999999", "12a", "12 ",
                             "-", "   ", "+-3", "$1F"}) {
      QVERIFY2(!ParseBet(text), text);
    }
  }

  void trayShowsADescendingStaircaseOfBills() {
    const std::vector<std::pair<std::int64_t, std::vector<std::int32_t>>> cases{
        {0, {}},
        {100, {50, 20, 5, 1}},
        {101, {100, 1}},
        {1000, {500, 100, 50, 20, 5}},
        {500000, {100000, 50000, 20000, 5000, 1000}}};
    for (const auto& [cash, bills] : cases) {
      QVERIFY2(BillsBottomUp(cash) == bills, qPrintable(QString::number(cash)));
    }
    // 1000 never reaches the $1 bill: what is left after the $5 bill is 5.
    QCOMPARE(ChooseBills(1000).remainder, std::int64_t{5});
    // A bet field holding the most negative number beside the largest bank.
    const std::int64_t most = std::int64_t{2147483647} + 2147483648LL;
    QCOMPARE(BankLabelText(most), std::string("Bank: $4294967295"));
    QCOMPARE(ChooseBills(most).slotValues[4], 500000);
    QVERIFY(ChooseBills(most).remainder >= 0);
  }

  void everyBillFitsTheFreeCash() {
    // Each bill offered can be added to the bet without exceeding the cash,
    // and the bills are all different and descend from the bottom slot up,
    // which is never left empty.
    for (std::int64_t cash = 1; cash <= 20000; cash += (cash < 2000 ? 1 : 37)) {
      const std::vector<std::int32_t> bills = BillsBottomUp(cash);
      QVERIFY2(!bills.empty() && bills.front() <= cash &&
                   ChooseBills(cash).slotValues[4] == bills.front() &&
                   std::is_sorted(bills.rbegin(), bills.rend()) &&
                   std::adjacent_find(bills.begin(), bills.end()) == bills.end(),
               qPrintable(QString::number(cash)));
    }
  }

  void textsAndSettlement() {
    QCOMPARE(BankLabelText(0), std::string("(Empty)"));
    QCOMPARE(BankLabelText(-5), std::string("Bank: $-5"));
    QCOMPARE(PotText(HighestBank), std::string("Game Pot:  $4294967294"));
    QCOMPARE(LastBetText(250), std::string("Last Bet: $250"));
    QCOMPARE(BankAfterLoss(1000, 250), 750);
    // A win at the top of the range stops at the largest bank.
    QCOMPARE(BankAfterWin(HighestBank - 10, 10), HighestBank);
    QCOMPARE(BankAfterWin(HighestBank, HighestBank), HighestBank);
  }
};

QTEST_APPLESS_MAIN(MoneyTest)
#include "MoneyTest.moc"

// The discard advisor: which draws it weighs, how it orders them, that its
// figures repeat, and that they agree with whole deals played as the table
// plays them.
#include "DiscardAdvice.h"
#include "DrawRules.h"
#include "HandCodes.h"
#include "ReferencePlay.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>

using namespace velmora;
using velmora::testing::HandOf;

namespace {

int Drawn(const DiscardFlags& discards) {
  return static_cast<int>(std::count(discards.begin(), discards.end(), 1));
}

const DiscardChoice* Find(const std::vector<DiscardChoice>& choices, const DiscardFlags& discards) {
  const auto found = std::find_if(choices.begin(), choices.end(),
                                  [&](const DiscardChoice& c) { return c.discards == discards; });
  return found == choices.end() ? nullptr : &*found;
}

// A chance's standard error over n independent deals.
double StandardError(double chance, double n) {
  return std::sqrt(std::max(chance * (1 - chance), 1e-6) / n);
}

}  // namespace

class DiscardAdviceTest : public QObject {
  Q_OBJECT

 private slots:
  void everyAllowedDrawBestFirst_data() {
    QTest::addColumn<QString>("hand");
    QTest::addColumn<int>("count");
    // 1 + 5 + 10 + 10 draws of up to three cards, and one four-card draw per ace.
    QTest::newRow("no ace") << "KC 7S 3H 9H 2C" << 26;
    QTest::newRow("one ace") << "AD 7S 3H 9H 2C" << 27;
    QTest::newRow("two aces") << "2C 7S AH 9H AC" << 28;
    QTest::newRow("four aces") << "AH AD AC AS 2D" << 30;
  }

  void everyAllowedDrawBestFirst() {
    QFETCH(QString, hand);
    QFETCH(int, count);
    const Hand cards = HandOf(hand.toStdString());
    const std::vector<DiscardChoice> choices = AdviseDiscards(cards, {.samples = 4000});
    QCOMPARE(static_cast<int>(choices.size()), count);

    std::set<DiscardFlags> seen;
    for (std::size_t k = 0; k < choices.size(); ++k) {
      const DiscardChoice& choice = choices[k];
      QVERIFY(seen.insert(choice.discards).second);
      QVERIFY(CheckDraw(cards, choice.discards) == DrawVerdict::Allowed);
      QVERIFY(choice.win >= 0 && choice.push >= 0 && choice.lose >= 0);
      QVERIFY(std::abs(choice.win + choice.push + choice.lose - 1) < 1e-12);
      if (k == 0) {
        continue;
      }
      const DiscardChoice& before = choices[k - 1];
      QVERIFY(before.expectedReturn >= choice.expectedReturn);
      if (before.expectedReturn == choice.expectedReturn) {
        QVERIFY(Drawn(before.discards) <= Drawn(choice.discards));
        if (Drawn(before.discards) == Drawn(choice.discards)) {
          QVERIFY(before.discards > choice.discards);  // leftmost discards first
        }
      }
    }
  }

  void royalFlushStandsPat() {
    const std::vector<DiscardChoice> choices =
        AdviseDiscards(HandOf("TS JS QS KS AS"), {.samples = 20000});
    QCOMPARE(choices.front().discards, (DiscardFlags{}));
    // Nothing beats a royal flush; only another one ties it.
    QCOMPARE(choices.front().lose, 0.0);
    QVERIFY(choices.front().win > 0.999);
    // Every draw breaks it.
    QVERIFY(choices[1].expectedReturn < 0.9);
  }

  void sameAnswerEveryTime() {
    const Hand hand = HandOf("AH AD 7C 4S 2D");
    const AdviceOptions options{.samples = 6000, .threads = 2};
    const std::vector<DiscardChoice> first = AdviseDiscards(hand, options);
    const auto same = [](const std::vector<DiscardChoice>& a, const std::vector<DiscardChoice>& b) {
      return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.discards == y.discards && x.win == y.win && x.push == y.push && x.lose == y.lose;
      });
    };
    for (const int threads : {2, 1, 3, 0}) {
      QVERIFY2(same(AdviseDiscards(hand, {.samples = 6000, .threads = threads}), first),
               qPrintable(QString::number(threads)));
    }

    // The same cards in another order: the same figures for the same cards
    // thrown away. Order [2, 0, 4, 1, 3] of the hand above.
    const Hand moved{hand[2], hand[0], hand[4], hand[1], hand[3]};
    const std::vector<DiscardChoice> shuffled = AdviseDiscards(moved, options);
    QCOMPARE(shuffled.size(), first.size());
    for (const DiscardChoice& choice : shuffled) {
      const DiscardFlags& d = choice.discards;
      const DiscardChoice* original = Find(first, {d[1], d[3], d[0], d[4], d[2]});
      QVERIFY(original != nullptr);
      QCOMPARE(choice.win, original->win);
      QCOMPARE(choice.push, original->push);
    }

    // Other cards, other deals: the figures are not simply reused.
    const std::vector<DiscardChoice> other = AdviseDiscards(HandOf("AH AD 7C 4S 3D"), options);
    QVERIFY(Find(other, {})->win != Find(first, {})->win);
  }

  void agreesWithDealsPlayedAtTheTable_data() {
    QTest::addColumn<QString>("hand");
    QTest::newRow("two aces") << "AH AD 7C 4S 2D";
    QTest::newRow("four to a flush") << "2H 7H JH 9H KC";
    QTest::newRow("pair of deuces, ace") << "2S 2D AC 9H 5C";
  }

  void agreesWithDealsPlayedAtTheTable() {
    QFETCH(QString, hand);
    const Hand cards = HandOf(hand.toStdString());
    const std::vector<DiscardChoice> choices = AdviseDiscards(cards);
    // The best, standing pat, and the last: the whole range of draw sizes.
    for (const DiscardChoice* choice : {&choices.front(), Find(choices, {}), &choices.back()}) {
      constexpr std::int64_t kDeals = 150000;
      const reference::Outcomes table =
          reference::PlayAtTheTable(cards, choice->discards, kDeals, 7);
      const double n = static_cast<double>(table.deals());
      for (const auto& [advised, played] :
           {std::pair{choice->win, static_cast<double>(table.wins) / n},
            std::pair{choice->push, static_cast<double>(table.pushes) / n},
            std::pair{choice->lose, static_cast<double>(table.losses) / n}}) {
        // Four standard errors of the difference of two independent estimates.
        const double tolerance =
            4 * std::hypot(StandardError(played, DefaultAdviceSamples), StandardError(played, n));
        QVERIFY2(std::abs(advised - played) <= tolerance,
                 qPrintable(QStringLiteral("%1: advised %2, played %3")
                                .arg(QString::fromStdString(DescribeChoice(cards, *choice)))
                                .arg(advised)
                                .arg(played)));
      }
    }
  }

  void descriptions() {
    const Hand hand = HandOf("2C 7S 5C 9H 3C");
    const DiscardChoice two{{0, 0, 1, 0, 1}, 0.472, 0.004, 0.524, -0.052};
    QCOMPARE(
        DescribeChoice(hand, two),
        "Discard Five of Clubs, Three of Clubs \u2014 wins 47.2 %, pushes 0.4 %, loses 52.4 %");
    const DiscardChoice pat{{}, 0.99951, 0.00049, 0, 0.99902};
    QCOMPARE(DescribeChoice(hand, pat), "Stand pat \u2014 wins 100.0 %, pushes 0.0 %, loses 0.0 %");
  }

  void refusesWhatIsNotAHand() {
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, AdviseDiscards({1, 2, 3, 4, 1}));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, AdviseDiscards({0, 2, 3, 4, 5}));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, AdviseDiscards({1, 2, 3, 4, 53}));
  }
};

QTEST_APPLESS_MAIN(DiscardAdviceTest)

#include "DiscardAdviceTest.moc"

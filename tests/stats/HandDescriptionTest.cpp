// The words of every category, the plural rule and the guarded lookups.
#include "stats/HandDescription.h"

#include <QTest>

using namespace velmora;

class HandDescriptionTest : public QObject {
  Q_OBJECT
 private slots:
  void namesEveryCategory() {
    const std::pair<HandRank, const char*> cases[] = {
        {{0, 0, 0, 0, 0, 0, 0}, "(None)"},
        {{0, 12, 11, 7, 3, 1, 0}, "Ace high \n(King kicker)"},
        {{1, 10, 7, 3, 1, 0, 0}, "Pair of Queens \n(Nine kicker)"},
        {{1, 4, 12, 3, 1, 0, 0}, "Pair of Sixs \n(Ace kicker)"},
        {{2, 11, 2, 5, 0, 0, 0}, "Two Pair \n(Kings and Fours)"},
        {{3, 4, 99, -7, 0, 0, 42}, "Three Sixs"},  // unused fields may hold anything
        {EvaluateHand({13, 1, 15, 29, 43}), "Five high Straight"},
        {{5, 12, 10, 7, 3, 1, 1}, "Ace high Flush \n(Hearts)"},
        {{5, 9, 7, 5, 3, 1, 4}, "Jack high Flush \n(Spades)"},
        {{6, 4, 0, 0, 0, 0, 0}, "Full House \n(Sixs over Deuces)"},
        {{7, 9, 3, 0, 0, 0, 0}, "Four Jacks"},
        {EvaluateHand({39, 27, 28, 29, 30}), "Five high Straight Flush \n(Clubs)"},
        {{9, -1, 99, 0, 0, 0, 2}, "Royal Flush \n(Diamonds)"},
    };
    for (const auto& [rank, text] : cases) {
      QCOMPARE(QString::fromStdString(DescribeHand(rank)), QString::fromUtf8(text));
      QVERIFY(NamesHand(rank));
    }
  }

  void impossibleRanksGiveTheErrorText() {
    const HandRank impossible[] = {
        {10, 12, 0, 0, 0, 0, 0}, {-1, 0, 0, 0, 0, 0, 0},  {1, 13, 0, 0, 0, 0, 0},
        {0, 12, -1, 0, 0, 0, 0}, {5, 12, 10, 7, 3, 1, 0}, {6, 11, 13, 0, 0, 0, 0},
    };
    for (const HandRank& rank : impossible) {
      QVERIFY(DescribeHand(rank) == "Hand Rank program error.. Please notify the author");
      QVERIFY(!NamesHand(rank));
    }
  }
};

QTEST_APPLESS_MAIN(HandDescriptionTest)

#include "HandDescriptionTest.moc"

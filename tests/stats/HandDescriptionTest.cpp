// The words of every category, the plural rule and the guarded lookups.
#include "HandDescription.h"
#include "Suites.h"

#include <QTest>

using namespace velmora;

namespace {

struct Case {
  HandRank rank;
  const char* text;
};

QString Describe(const HandRank& rank) {
  return QString::fromStdString(DescribeHand(rank));
}

}  // namespace

class HandDescriptionTest : public QObject {
  Q_OBJECT
 private slots:
  void namesEveryCategory() {
    const Case cases[] = {
        {{0, 0, 0, 0, 0, 0, 0}, "(None)"},
        {{0, 12, 11, 7, 3, 1, 0}, "Ace high \n(King kicker)"},
        {{1, 10, 7, 3, 1, 0, 0}, "Pair of Queens \n(Nine kicker)"},
        {{1, 4, 12, 3, 1, 0, 0}, "Pair of Sixs \n(Ace kicker)"},
        {{2, 11, 2, 5, 0, 0, 0}, "Two Pair \n(Kings and Fours)"},
        {{3, 4, 9, 2, 0, 0, 0}, "Three Sixs"},
        {{5, 12, 10, 7, 3, 1, 1}, "Ace high Flush \n(Hearts)"},
        {{6, 4, 0, 0, 0, 0, 0}, "Full House \n(Sixs over Deuces)"},
        {{6, 8, 2, 0, 0, 0, 0}, "Full House \n(Tens over Fours)"},
        {{7, 9, 3, 0, 0, 0, 0}, "Four Jacks"},
        {{8, 5, 0, 0, 0, 0, 3}, "Seven high Straight Flush \n(Clubs)"},
        {{9, 12, 0, 0, 0, 0, 2}, "Royal Flush \n(Diamonds)"},
        {{9, 12, 0, 0, 0, 0, 4}, "Royal Flush \n(Spades)"},
    };
    for (const Case& c : cases) {
      QCOMPARE(Describe(c.rank), QString::fromUtf8(c.text));
    }
  }

  void wheelIsFiveHigh() {
    // As the evaluator ranks A-2-3-4-5, mixed suits and all clubs.
    const Hand wheel{13, 1, 15, 29, 43};
    QCOMPARE(Describe(EvaluateHand(wheel)), QString("Five high Straight"));
    const Hand clubWheel{39, 27, 28, 29, 30};
    QCOMPARE(Describe(EvaluateHand(clubWheel)), QString("Five high Straight Flush \n(Clubs)"));
  }

  void fieldsACategoryDoesNotUseMayHoldAnything() {
    QCOMPARE(Describe({3, 4, 99, -7, 0, 0, 42}), QString("Three Sixs"));
    QCOMPARE(Describe({9, -1, 99, 0, 0, 0, 1}), QString("Royal Flush \n(Hearts)"));
    QCOMPARE(Describe({4, 3, 0, 0, 0, 0, 9}), QString("Five high Straight"));
  }

  void impossibleRanksGiveTheErrorText() {
    const QString error = QString::fromUtf8(HandRankErrorText.data(), HandRankErrorText.size());
    QCOMPARE(error, QString("Hand Rank program error.. Please notify the author"));
    const HandRank impossible[] = {
        {10, 12, 0, 0, 0, 0, 0}, {-1, 0, 0, 0, 0, 0, 0},  {1, 13, 0, 0, 0, 0, 0},
        {0, 12, -1, 0, 0, 0, 0}, {5, 12, 10, 7, 3, 1, 0}, {8, 5, 0, 0, 0, 0, 5},
        {9, 12, 0, 0, 0, 0, 0},  {2, 11, 13, 0, 0, 0, 0},
    };
    for (const HandRank& rank : impossible) {
      QCOMPARE(Describe(rank), error);
    }
  }
};

int RunHandDescriptionTests(int argc, char** argv) {
  HandDescriptionTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "HandDescriptionTest.moc"

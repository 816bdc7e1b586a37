// Ranking and comparing hands, down to every one of the 2,598,960 hands.
#include "CardFixtures.h"
#include "Cards.h"
#include "ReferenceEvaluator.h"

#include <QTest>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

using namespace velmora;
using velmora::testing::HandOf;

Q_DECLARE_METATYPE(velmora::HandRank)

namespace {

// The first six fields as one number: the identity of a hand's value.
int ValueKey(const HandRank& rank) {
  int key = rank[0];
  for (int field = 1; field < 6; ++field) {
    key = key * 13 + rank[field];
  }
  return key;
}

}  // namespace

class EvaluateTest : public QObject {
  Q_OBJECT

 private slots:
  void records_data() {
    QTest::addColumn<QString>("hand");
    QTest::addColumn<HandRank>("expected");
    const auto row = [](const char* name, const char* hand, HandRank expected) {
      QTest::newRow(name) << QString::fromLatin1(hand) << expected;
    };
    // The walk below holds the evaluation to the reference; these pin the
    // reference itself where a ranking is easiest to get wrong.
    row("wheel", "Ah 2d 3c 4s 5h", {4, 3, 0, 0, 0, 0, 0});
    row("steel wheel", "Ad 2d 3d 4d 5d", {8, 3, 3, 2, 1, 0, 2});
    row("royal flush", "Ts Js Qs Ks As", {9, 12, 11, 10, 9, 8, 4});
    row("two pair, deuce kicker", "Kh Kd 7c 7s 2h", {2, 11, 5, 0, 0, 0, 0});
    row("full house, pair first", "4s 4h Th Td Tc", {6, 8, 2, 0, 0, 0, 0});
    row("quads, deuce kicker", "2h Jh Jd Jc Js", {7, 9, 0, 0, 0, 0, 0});
    row("pair", "9c Ah 9d 3s Kc", {1, 7, 12, 11, 1, 0, 0});
    row("flush", "2c 9c Jc 4c Kc", {5, 11, 9, 7, 2, 0, 3});
    row("no wrap-around", "Qh Kd Ac 2s 3h", {0, 12, 11, 10, 1, 0, 0});
  }

  void records() {
    QFETCH(QString, hand);
    QFETCH(HandRank, expected);
    HandRank rank;
    RankCounts counts;
    // Both outputs are overwritten completely, whatever they held.
    rank.fill(77);
    counts.fill(77);
    EvaluateHand(HandOf(hand.toStdString()), rank, counts);
    QCOMPARE(rank, expected);
    QCOMPARE(std::accumulate(counts.begin(), counts.end(), 0), 5);
    QCOMPARE(EvaluateHand(HandOf(hand.toStdString())), expected);
  }

  void valuesThatAreNotCards() {
    // Only deck cards count; a stray value must neither crash nor form a rank.
    const Hand hand{0, 14, 27, 40, 5};
    HandRank rank;
    RankCounts counts;
    EvaluateHand(hand, rank, counts);
    QCOMPARE(rank, (HandRank{3, 0, 4, 0, 0, 0, 0}));
    QCOMPARE(std::accumulate(counts.begin(), counts.end(), 0), 4);
    HandRank expected;
    RankCounts expectedCounts;
    testing::ReferenceEvaluateHand(hand, expected, expectedCounts);
    QCOMPARE(rank, expected);
    QCOMPARE(EvaluateHand(Hand{53, -1, 2, 3, 4}), (HandRank{0, 3, 2, 1, 0, 0, 0}));
  }

  void fillKickersStaysInTheRankFields() {
    RankCounts counts{};
    for (const int r : {0, 3, 5, 9, 12}) {
      counts[r] = 1;
    }
    counts[7] = 2;
    HandRank rank{9, 9, 9, 9, 9, 9, 9};
    FillKickers(counts, rank, 0);  // field 0 is the category, never a kicker
    QCOMPARE(rank, (HandRank{9, 9, 9, 9, 9, 9, 9}));
    FillKickers(counts, rank, 2);
    // Five kickers from field 2 would spill into the suit field: they stop at 5.
    QCOMPARE(rank, (HandRank{9, 9, 12, 9, 5, 3, 9}));
    counts.fill(0);
    counts[4] = 1;
    FillKickers(counts, rank, 3);  // fields past the last single stay as they were
    QCOMPARE(rank, (HandRank{9, 9, 12, 4, 5, 3, 9}));
  }

  void everyHand() {
    std::array<int, 10> categories{};
    std::vector<bool> seen(10 * 13 * 13 * 13 * 13 * 13);
    std::array<int, 10> values{};
    int mismatches = 0;
    HandRank rank;
    RankCounts counts;
    HandRank expected;
    RankCounts expectedCounts;
    testing::ForEveryHand([&](const Hand& hand) {
      EvaluateHand(hand, rank, counts);
      testing::ReferenceEvaluateHand(hand, expected, expectedCounts);
      if (rank != expected || counts != expectedCounts) {
        if (++mismatches == 1) {
          qWarning("first mismatch: %d %d %d %d %d", hand[0], hand[1], hand[2], hand[3], hand[4]);
        }
      }
      ++categories[rank[0]];
      const int key = ValueKey(rank);
      if (!seen[key]) {
        seen[key] = true;
        ++values[rank[0]];
      }
    });
    QCOMPARE(mismatches, 0);
    QCOMPARE(categories,
             (std::array<int, 10>{1302540, 1098240, 123552, 54912, 10200, 5108, 3744, 624, 36, 4}));
    // Distinct values per category; 7462 in all, as five-card poker has.
    QCOMPARE(values, (std::array<int, 10>{1277, 2860, 858, 858, 10, 1277, 156, 156, 9, 1}));
  }

  void comparisonIsATotalOrder() {
    // Random hands against each other: the comparison must follow the values
    // field by field from the category down, the suit left out.
    QCOMPARE(CompareRanks(EvaluateHand(HandOf("2c 9c Jc 4c Kc")),
                          EvaluateHand(HandOf("2h 9h Jh 4h Kh"))),
             0);
    std::mt19937 engine(20240611);
    std::vector<Card> deck(52);
    std::iota(deck.begin(), deck.end(), 1);
    std::vector<HandRank> ranks;
    for (int k = 0; k < 1500; ++k) {
      std::shuffle(deck.begin(), deck.end(), engine);
      ranks.push_back(EvaluateHand(Hand{deck[0], deck[1], deck[2], deck[3], deck[4]}));
    }
    for (const HandRank& a : ranks) {
      for (const HandRank& b : ranks) {
        const int expected = ValueKey(a) > ValueKey(b) ? 1 : ValueKey(a) < ValueKey(b) ? 2 : 0;
        if (CompareRanks(a, b) != expected) {
          QCOMPARE(CompareRanks(a, b), expected);
        }
      }
    }
  }
};

QTEST_APPLESS_MAIN(EvaluateTest)

#include "EvaluateTest.moc"

// Ranking and comparing hands, down to every one of the 2,598,960 hands.
#include "cards/Cards.h"
#include "cards/HandValue.h"
#include "tests/support/HandCodes.h"

#include <QTest>

#include <algorithm>
#include <functional>
#include <numeric>
#include <utility>
#include <vector>

using namespace velmora;
using velmora::testing::HandOf;

class EvaluateTest : public QObject {
  Q_OBJECT

 private slots:
  void records() {
    // Where a ranking is easiest to get wrong; the walk below holds the
    // looked-up ranking to the one worked out step by step, and so to these.
    const struct {
      const char* hand;
      HandRank expected;
    } rows[] = {
        {"AH 2D 3C 4S 5H", {4, 3, 0, 0, 0, 0, 0}},  // the wheel
        {"TH JD QC KS AH", {4, 12, 0, 0, 0, 0, 0}},
        {"AD 2D 3D 4D 5D", {8, 3, 3, 2, 1, 0, 2}},  // diamonds: suit 2
        {"TS JS QS KS AS", {9, 12, 11, 10, 9, 8, 4}},
        {"9H TH JH QH KH", {8, 11, 10, 9, 8, 7, 1}},
        {"KH KD 7C 7S 2H", {2, 11, 5, 0, 0, 0, 0}},  // the kicker in r3
        {"4S 4H TH TD TC", {6, 8, 2, 0, 0, 0, 0}},   // the pair met first
        {"TH TD TC 4S 4H", {6, 8, 2, 0, 0, 0, 0}},
        {"JH JD JC JS 5H", {7, 9, 3, 0, 0, 0, 0}},
        {"JH JD JC JS 2H", {7, 9, 0, 0, 0, 0, 0}},
        {"QH JD TC 9S 7H", {0, 10, 9, 8, 7, 5, 0}},
        {"2C 9C JC 4C KC", {5, 11, 9, 7, 2, 0, 3}},
        {"8H 8D AC 5S 3H", {1, 6, 12, 3, 1, 0, 0}},
    };
    for (const auto& row : rows) {
      using Ranking = void (*)(const Hand&, HandRank&, RankCounts&);
      for (const Ranking evaluate :
           {static_cast<Ranking>(&EvaluateHand), static_cast<Ranking>(&EvaluateHandAsWritten)}) {
        HandRank rank;
        RankCounts counts;
        // Both outputs are overwritten completely, whatever they held.
        rank.fill(77);
        counts.fill(77);
        evaluate(HandOf(row.hand), rank, counts);
        QVERIFY2(rank == row.expected, row.hand);
        QVERIFY2(std::accumulate(counts.begin(), counts.end(), 0) == 5, row.hand);
      }
    }
    QCOMPARE(CompareRanks(EvaluateHand(HandOf("KH KD 7C 7S 2H")),
                          EvaluateHand(HandOf("KC KS 7H 7D 3H"))),
             2);
    QCOMPARE(CompareRanks(EvaluateHand(HandOf("AH 2D 3C 4S 5H")),
                          EvaluateHand(HandOf("2H 3D 4C 5S 6H"))),
             2);

    // The fields after the last kicker written are left as they were.
    const RankCounts twoSingles{0, 0, 0, 1, 0, 0, 0, 2, 0, 1, 0, 0, 0};
    HandRank rank{1, 7, 9, 9, 9, 9, 0};
    FillKickers(twoSingles, rank, 2);
    QCOMPARE(rank, (HandRank{1, 7, 9, 3, 9, 9, 0}));
  }

  // Every hand ranked as the ranking worked out step by step ranks it, with
  // the same counts, and compared with the hand before it as its packed value
  // orders it; the ranks alone, looked up, give that value unless the hand is
  // of one suit.
  void everyHand() {
    std::array<int, 10> categories{};
    std::vector<bool> seen(1 << 24);
    std::array<int, 10> values{};
    HandRank rank;
    RankCounts counts;
    HandRank expected;
    RankCounts expectedCounts;
    HandRank previous{};
    // Every one of the 2,598,960 hands, cards in ascending order.
    Hand hand{};
    for (hand[0] = 1; hand[0] <= 48; ++hand[0]) {
      for (hand[1] = hand[0] + 1; hand[1] <= 49; ++hand[1]) {
        for (hand[2] = hand[1] + 1; hand[2] <= 50; ++hand[2]) {
          for (hand[3] = hand[2] + 1; hand[3] <= 51; ++hand[3]) {
            for (hand[4] = hand[3] + 1; hand[4] <= 52; ++hand[4]) {
              EvaluateHand(hand, rank, counts);
              EvaluateHandAsWritten(hand, expected, expectedCounts);
              const HandValue key = PackHandValue(rank);
              const HandValue before = PackHandValue(previous);
              const int order = key > before ? 1 : key < before ? 2 : 0;
              std::uint32_t rankKeys = 0;
              for (const Card card : hand) {
                rankKeys += RankKeyOf(card);
              }
              if (rank != expected || counts != expectedCounts || EvaluateHand(hand) != rank ||
                  CompareRanks(rank, previous) != order ||
                  (rank[6] == 0 && ValueOfRanks(rankKeys) != key)) {
                QFAIL(qPrintable(QString::asprintf("mismatch at %d %d %d %d %d", hand[0], hand[1],
                                                   hand[2], hand[3], hand[4])));
              }
              previous = rank;
              ++categories[rank[0]];
              if (!seen[key]) {
                seen[key] = true;
                ++values[rank[0]];
              }
            }
          }
        }
      }
    }
    QCOMPARE(categories,
             (std::array<int, 10>{1302540, 1098240, 123552, 54912, 10200, 5108, 3744, 624, 36, 4}));
    // Distinct values per category; 7462 in all, as five-card poker has. (Ten
    // straights also say that none wraps round from the king over the ace.)
    QCOMPARE(values, (std::array<int, 10>{1277, 2860, 858, 858, 10, 1277, 156, 156, 9, 1}));
    // The suit never breaks a tie.
    QCOMPARE(CompareRanks(EvaluateHand(HandOf("2C 9C JC 4C KC")),
                          EvaluateHand(HandOf("2H 9H JH 4H KH"))),
             0);
  }
};

QTEST_APPLESS_MAIN(EvaluateTest)

#include "EvaluateTest.moc"

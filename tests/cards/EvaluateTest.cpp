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

namespace {

// A plain reading of a deck hand, the yardstick for the library's faster
// one: the ranks grouped by how often they occur, larger groups first and
// then higher ranks first, are the record's rank fields.
HandRank ReadHand(const Hand& hand, RankCounts& counts) {
  counts.fill(0);
  for (const Card card : hand) {
    ++counts[RankIndex(card)];
  }
  std::vector<std::pair<int, int>> groups;  // (count, rank)
  for (int r = 0; r < 13; ++r) {
    if (counts[r] > 0) {
      groups.emplace_back(counts[r], r);
    }
  }
  std::sort(groups.begin(), groups.end(), std::greater<>());
  HandRank rank{};
  for (std::size_t k = 0; k < groups.size(); ++k) {
    rank[k + 1] = groups[k].second;
  }
  if (groups.size() < 5) {
    // By the two largest groups: 4-1 quads, 3-2 a full house, 3-1 trips, 2-2 two pair, 2-1 a pair.
    const int shape = groups[0].first * 10 + groups[1].first;
    rank[0] = shape == 41 ? 7 : shape == 32 ? 6 : shape == 31 ? 3 : shape == 22 ? 2 : 1;
    return rank;
  }
  const bool flush = std::all_of(
      hand.begin(), hand.end(), [&](Card card) { return SuitNumber(card) == SuitNumber(hand[0]); });
  const bool wheel = rank[1] == 12 && rank[2] == 3;
  const bool straight = wheel || rank[1] - rank[5] == 4;
  if (straight && !flush) {
    return HandRank{4, wheel ? 3 : rank[1], 0, 0, 0, 0, 0};
  }
  if (flush) {
    rank[0] = !straight ? 5 : rank[1] == 12 && !wheel ? 9 : 8;
    rank[1] = wheel ? 3 : rank[1];
    rank[6] = SuitNumber(hand[0]);
  }
  return rank;
}

}  // namespace

class EvaluateTest : public QObject {
  Q_OBJECT

 private slots:
  void records() {
    // The walk below holds the evaluation to the plain reading, and so the
    // reading to these, where a ranking is easiest to get wrong (the pairs,
    // trips and quads are the plain grouping the full house already shows).
    const struct {
      const char* hand;
      HandRank expected;
    } rows[] = {
        {"AH 2D 3C 4S 5H", {4, 3, 0, 0, 0, 0, 0}},  // the wheel
        {"AD 2D 3D 4D 5D", {8, 3, 3, 2, 1, 0, 2}},  // diamonds: suit 2
        {"TS JS QS KS AS", {9, 12, 11, 10, 9, 8, 4}},
        {"4S 4H TH TD TC", {6, 8, 2, 0, 0, 0, 0}},  // the pair met first
        {"2C 9C JC 4C KC", {5, 11, 9, 7, 2, 0, 3}},
    };
    for (const auto& row : rows) {
      HandRank rank;
      RankCounts counts;
      // Both outputs are overwritten completely, whatever they held.
      rank.fill(77);
      counts.fill(77);
      EvaluateHand(HandOf(row.hand), rank, counts);
      QVERIFY2(rank == row.expected, row.hand);
      QVERIFY2(std::accumulate(counts.begin(), counts.end(), 0) == 5, row.hand);
    }
  }

  // Nothing outside the deck or the record is read or written: a stray value
  // in a hand must neither crash nor form a rank, and kickers stay in the
  // rank fields.
  void staysWithinItsBounds() {
    HandRank rank;
    RankCounts counts;
    EvaluateHand(Hand{0, 14, 27, 40, 5}, rank, counts);
    QCOMPARE(rank, (HandRank{3, 0, 4, 0, 0, 0, 0}));
    QCOMPARE(std::accumulate(counts.begin(), counts.end(), 0), 4);
    QCOMPARE(EvaluateHand(Hand{53, -1, 2, 3, 4}), (HandRank{0, 3, 2, 1, 0, 0, 0}));
    // Nor is a card plus 64 taken for the card (2 and 15, a pair of deuces).
    QCOMPARE(EvaluateHand(Hand{66, 79, 2, 3, 4}), (HandRank{0, 3, 2, 1, 0, 0, 0}));
    // One card five times is of one suit, but neither a flush nor a group.
    EvaluateHand(Hand{7, 7, 7, 7, 7}, rank, counts);
    QCOMPARE(rank, HandRank{});
    QCOMPARE(EvaluateHand(Hand{7, 7, 7, 7, 7}), HandRank{});

    counts = RankCounts{1, 0, 0, 1, 0, 1, 0, 2, 0, 1, 0, 0, 1};
    rank = HandRank{9, 9, 9, 9, 9, 9, 9};
    FillKickers(counts, rank, 0);  // field 0 is the category, never a kicker
    QCOMPARE(rank, (HandRank{9, 9, 9, 9, 9, 9, 9}));
    FillKickers(counts, rank, 2);
    // Five kickers from field 2 would spill into the suit field: they stop at 5.
    QCOMPARE(rank, (HandRank{9, 9, 12, 9, 5, 3, 9}));
  }

  // Every hand ranked as the plain reading ranks it, with its counts and
  // without, and compared with the hand before it as its packed value orders
  // it; the ranks alone, looked up, give that value unless the hand is a flush.
  void everyHand() {
    std::array<int, 10> categories{};
    std::vector<bool> seen(1 << 24);
    std::array<int, 10> values{};
    HandRank rank;
    RankCounts counts;
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
              const HandValue key = PackHandValue(rank);
              const HandValue before = PackHandValue(previous);
              const int order = key > before ? 1 : key < before ? 2 : 0;
              std::uint32_t rankKeys = 0;
              for (const Card card : hand) {
                rankKeys += RankKeyOfCard[card];
              }
              if (rank != ReadHand(hand, expectedCounts) || counts != expectedCounts ||
                  EvaluateHand(hand) != rank || CompareRanks(rank, previous) != order ||
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

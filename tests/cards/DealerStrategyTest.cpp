// The house's choice of cards to keep, its draw and the ace it shows.
#include "CardFixtures.h"
#include "Cards.h"
#include "Discards.h"

#include <QTest>

#include <numeric>
#include <vector>

using namespace velmora;
using velmora::testing::CardOf;
using velmora::testing::HandOf;

namespace {

struct DealerDraw {
  Hand hand;
  int drawn;
  std::int32_t next;
  HandRank rank;
};

// The dealer draws from a deck whose positions 11 onward are `replacements`;
// the ten cards dealt before them are clubs that are in no scenario.
DealerDraw DrawFor(const Hand& dealt, const std::vector<Card>& replacements) {
  std::vector<Card> top;
  for (Card club = CardOf("2c"); club <= CardOf("Jc"); ++club) {
    top.push_back(club);
  }
  top.insert(top.end(), replacements.begin(), replacements.end());
  DealerDraw result{dealt, 0, 11, {}};
  RankCounts counts;
  result.drawn = ChooseDealerDraw(testing::DeckStartingWith(top), InitialDeckPositions(),
                                  result.hand, counts, result.rank, result.next);
  return result;
}

}  // namespace

class DealerStrategyTest : public QObject {
  Q_OBJECT

 private slots:
  void draws() {
    // Replacements come from the deck in the order 2s 3s 4s 5s.
    const struct {
      const char* dealt;
      HeldRanks held;
      const char* after;
    } rows[] = {
        {"Qh Ad 9c 6s 3h", {12, -1, -1, -1}, "Ad 2s 3s 4s 5s"},  // a lone ace
        {"Ah Kd 8c 5s 2h", {12, 11, -1, -1}, "Ah Kd 2s 3s 4s"},
        {"Kh Jd 9c 7s 4h", {11, 9, -1, -1}, "Kh Jd 2s 3s 4s"},
        {"2h 2d Kc Qh 9h", {0, -1, -1, -1}, "2h 2d 2s 3s 4s"},
        {"9h 9d Kc Kh 6h", {11, 7, -1, -1}, "9h 9d Kc Kh 2s"},
        {"7h Ac 7d 7c Kh", {5, -1, -1, -1}, "7h 2s 7d 7c 3s"},
        {"9h 8h 8d 8c 8s", {6, 7, -1, -1}, "9h 8h 8d 8c 8s"},  // quads, nine kicker
        {"8h 3h 3d 3c 3s", {1, -1, -1, -1}, "2s 3h 3d 3c 3s"},
        {"8h 9d Tc Jh Qh", {-1, -1, -1, -1}, "8h 9d Tc Jh Qh"},
        {"2d 5d 9d Jd Kd", {-1, -1, -1, -1}, "2d 5d 9d Jd Kd"},
        {"Qh Qd 6c 6h 6d", {-1, -1, -1, -1}, "Qh Qd 6c 6h 6d"},
        {"Ts Js Qs Ks As", {-1, -1, -1, -1}, "Ts Js Qs Ks As"},
    };
    for (const auto& row : rows) {
      const Hand hand = HandOf(row.dealt);
      QVERIFY2(ChooseHeldRanks(EvaluateHand(hand)) == row.held, row.dealt);
      const DealerDraw draw =
          DrawFor(hand, {CardOf("2s"), CardOf("3s"), CardOf("4s"), CardOf("5s"), CardOf("6s")});
      QVERIFY2(draw.hand == HandOf(row.after), row.dealt);
      QVERIFY2(draw.next - 11 == draw.drawn, row.dealt);
      // The same rule for a player drawing like the house: a pat hand marks nothing.
      const DiscardFlags marks = HouseDiscards(hand, row.held);
      QVERIFY2(std::accumulate(marks.begin(), marks.end(), 0) == draw.drawn, row.dealt);
      QVERIFY2(draw.rank == EvaluateHand(hand), row.dealt);  // the record is of the hand as dealt
    }
  }

  void newAceLeftOfTheHeldOneIsShown() {
    const DealerDraw draw =
        DrawFor(HandOf("Qh 9c 6s Ad 3h"), {CardOf("4s"), CardOf("Ac"), CardOf("5s"), CardOf("7d")});
    QCOMPARE(draw.drawn, 4);
    QCOMPARE(draw.hand, HandOf("Ac 4s 5s Ad 7d"));
  }
};

QTEST_APPLESS_MAIN(DealerStrategyTest)

#include "DealerStrategyTest.moc"

// The house's choice of cards to keep, its draw and the ace it shows.
#include "Cards.h"
#include "Discards.h"
#include "HandCodes.h"

#include <QTest>

#include <algorithm>
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

// The dealer draws from a deck whose positions 11 onward are `replacements`,
// after ten clubs dealt before them, and then the rest of the cards.
DealerDraw DrawFor(const Hand& dealt, std::vector<Card> replacements) {
  std::vector<Card> deck{27, 28, 29, 30, 31, 32, 33, 34, 35, 36};
  deck.insert(deck.end(), replacements.begin(), replacements.end());
  for (Card card = 1; card <= 52; ++card) {
    if (std::find(deck.begin(), deck.end(), card) == deck.end()) {
      deck.push_back(card);
    }
  }
  DeckGrid grid{};
  for (int n = 0; n < 52; ++n) {
    grid[n / 13][n % 13] = deck[n];
  }
  DealerDraw result{dealt, 0, 11, {}};
  RankCounts counts;
  result.drawn =
      ChooseDealerDraw(grid, InitialDeckPositions(), result.hand, counts, result.rank, result.next);
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
        {"QH AD 9C 6S 3H", {12, -1, -1, -1}, "AD 2S 3S 4S 5S"},  // a lone ace
        {"AH KD 8C 5S 2H", {12, 11, -1, -1}, "AH KD 2S 3S 4S"},
        {"KH JD 9C 7S 4H", {11, 9, -1, -1}, "KH JD 2S 3S 4S"},
        {"2H 2D KC QH 9H", {0, -1, -1, -1}, "2H 2D 2S 3S 4S"},
        {"9H 9D KC KH 6H", {11, 7, -1, -1}, "9H 9D KC KH 2S"},
        {"7H AC 7D 7C KH", {5, -1, -1, -1}, "7H 2S 7D 7C 3S"},
        {"9H 8H 8D 8C 8S", {6, 7, -1, -1}, "9H 8H 8D 8C 8S"},  // quads, nine kicker
        {"8H 3H 3D 3C 3S", {1, -1, -1, -1}, "2S 3H 3D 3C 3S"},
        {"8H 9D TC JH QH", {-1, -1, -1, -1}, "8H 9D TC JH QH"},
        {"2D 5D 9D JD KD", {-1, -1, -1, -1}, "2D 5D 9D JD KD"},
        {"QH QD 6C 6H 6D", {-1, -1, -1, -1}, "QH QD 6C 6H 6D"},
        {"TS JS QS KS AS", {-1, -1, -1, -1}, "TS JS QS KS AS"},
    };
    for (const auto& row : rows) {
      const Hand hand = HandOf(row.dealt);
      QVERIFY2(ChooseHeldRanks(EvaluateHand(hand)) == row.held, row.dealt);
      const DealerDraw draw =
          DrawFor(hand, {CardOf("2S"), CardOf("3S"), CardOf("4S"), CardOf("5S"), CardOf("6S")});
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
        DrawFor(HandOf("QH 9C 6S AD 3H"), {CardOf("4S"), CardOf("AC"), CardOf("5S"), CardOf("7D")});
    QCOMPARE(draw.drawn, 4);
    QCOMPARE(draw.hand, HandOf("AC 4S 5S AD 7D"));
  }
};

QTEST_APPLESS_MAIN(DealerStrategyTest)

#include "DealerStrategyTest.moc"

// The house's choice of cards to keep, its draw and the ace it shows.
#include "cards/Cards.h"
#include "cards/Discards.h"
#include "tests/support/HandCodes.h"

#include <QTest>

#include <algorithm>
#include <numeric>
#include <vector>

using namespace velmora;
using velmora::testing::HandOf;

class DealerStrategyTest : public QObject {
  Q_OBJECT

 private slots:
  void draws() {
    // Replacements come from the deck in the order 2s 3s 4s 5s unless a row
    // names others.
    const struct {
      const char* dealt;
      HeldRanks held;
      const char* after;
      const char* deck = "2S 3S 4S 5S 6S";
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
        // A new ace left of the held one is the one shown.
        {"QH 9C 6S AD 3H", {12, -1, -1, -1}, "AC 4S 5S AD 7D", "4S AC 5S 7D 6S"},
    };
    for (const auto& row : rows) {
      Hand hand = HandOf(row.dealt);
      QVERIFY2(ChooseHeldRanks(EvaluateHand(hand)) == row.held, row.dealt);
      // The same rule for a player drawing like the house: a pat hand marks nothing.
      const DiscardFlags marks = HouseDiscards(hand, row.held);
      // The deck: ten clubs dealt before, the row's replacements, then the rest.
      std::vector<Card> deck{27, 28, 29, 30, 31, 32, 33, 34, 35, 36};
      const Hand replacements = HandOf(row.deck);
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
      HandRank rank;
      RankCounts counts;
      std::int32_t next = 11;
      const int drawn = ChooseDealerDraw(grid, InitialDeckPositions(), hand, counts, rank, next);
      // The record is of the hand as dealt.
      QVERIFY2(hand == HandOf(row.after) && rank == EvaluateHand(HandOf(row.dealt)), row.dealt);
      QVERIFY2(next - 11 == drawn && std::accumulate(marks.begin(), marks.end(), 0) == drawn,
               row.dealt);
    }
  }
};

QTEST_APPLESS_MAIN(DealerStrategyTest)

#include "DealerStrategyTest.moc"

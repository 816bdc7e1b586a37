// The generator, the shuffle, the deal and the draw from the deck, and the
// whole first hand of the game's second one.
#include "cards/CardNames.h"
#include "cards/Cards.h"

#include <QTest>

#include <stdexcept>
#include <utility>

using namespace velmora;

namespace {

Clock FixedClock(std::int64_t seconds) {
  return [seconds] { return seconds; };
}

}  // namespace

class DeckTest : public QObject {
  Q_OBJECT

 private slots:
  // The names that the advice and the table's picture names use, and the
  // aces that the draw limits and the house's shown card look for.
  void namesAndAces() {
    QCOMPARE(CardName(13) + ", " + CardName(40), std::string("Ace of Hearts, Deuce of Spades"));
    for (Card card = 1; card <= 52; ++card) {
      QVERIFY2(IsAce(card) == (RankIndex(card) == 12), qPrintable(QString::number(card)));
    }
  }

  void generatorSequences() {
    RandomSource random;
    random.seed(1);
    for (const int expected : {346, 130, 10982, 1090, 11656, 7117}) {
      QCOMPARE(random.next(), expected);
    }
    // Seconds beyond 32 bits keep their low word, as the original time value did.
    random.seedFromClock(FixedClock((std::int64_t{1} << 32) + 1));
    QCOMPARE(random.next(), 346);
    random.seed(12345);
    QCOMPARE(DrawRandomBackId(random, FixedClock(1)), 66);  // reseeded: 60 + 346 mod 10
  }

  void firstDealOfSecondOne() {
    DeckGrid grid = InitialDeckGrid();
    const DeckPositions positions = InitialDeckPositions();
    RandomSource random;
    Shuffle(grid, random, FixedClock(1));
    QCOMPARE(grid, (DeckGrid{{{27, 38, 45, 46, 13, 23, 8, 9, 39, 41, 20, 15, 4},
                              {36, 44, 22, 11, 26, 3, 30, 2, 33, 18, 35, 34, 10},
                              {16, 5, 50, 31, 25, 24, 32, 40, 17, 42, 48, 12, 52},
                              {43, 49, 28, 47, 37, 7, 14, 51, 19, 1, 21, 6, 29}}}));
    std::int32_t next = 1;
    Hand player{};
    Hand dealer{};
    DealHands(grid, next, player, dealer);
    QCOMPARE(player, (Hand{27, 45, 13, 8, 39}));
    QCOMPARE(dealer, (Hand{38, 46, 23, 9, 41}));
    QCOMPARE(next, 11);

    // The player keeps the aces and draws three; drawing again with no marks
    // then takes no card and clears no earlier mark.
    ReplacedFlags replaced{0, 0, 0, 0, 0};
    ReplaceDiscards(grid, positions, next, player, DiscardFlags{1, 1, 0, 1, 0}, replaced);
    ReplaceDiscards(grid, positions, next, player, DiscardFlags{0, 0, 0, 0, 0}, replaced);
    QCOMPARE(player, (Hand{20, 15, 13, 4, 39}));
    QCOMPARE(replaced, (ReplacedFlags{1, 1, 0, 1, 0}));
    QCOMPARE(next, 14);

    // The house keeps its king and jack, draws three and pairs its jacks.
    HandRank dealt;
    RankCounts counts;
    QCOMPARE(ChooseDealerDraw(grid, positions, dealer, counts, dealt, next), 3);
    QCOMPARE(dealer, (Hand{38, 36, 23, 44, 22}));
    QCOMPARE(next, 17);

    // A counter past the deck is a programming error, not a card.
    next = 53;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, TakeNextCard(grid, positions, next));
    QCOMPARE(next, 53);
  }

  // A card's place in the deck is wherever the positions grid says, not
  // only where the table's fixed grid puts it. Numbered column by column
  // from the last cell back, position 1 is the bottom right cell and
  // position 2 the one above it.
  void takesTheCardThePositionsGridNames() {
    DeckPositions backwards{};
    for (int n = 0; n < 52; ++n) {
      backwards[n % 4][n / 4] = 52 - n;
    }
    std::int32_t next = 1;
    Hand taken{};
    for (Card& card : taken) {
      card = TakeNextCard(InitialDeckGrid(), backwards, next);
    }
    QCOMPARE(taken, (Hand{52, 39, 26, 13, 51}));
    QCOMPARE(next, 6);
  }

  // The shuffle computes its draws side by side; they must be next()'s, all
  // 104 of them and no more, whatever the clock reads. The side-by-side draws
  // are the generator's steps composed, the same for every seed, so a handful
  // of seeds with their high and sign bits set stands for all.
  void shuffleDrawsAsTheGeneratorDoes() {
    DeckGrid grid = InitialDeckGrid();
    DeckGrid expected = grid;
    RandomSource random;
    RandomSource plain;
    for (const std::int64_t seconds :
         {0LL, -1LL, 104729LL, 0x7FFFFFFFLL, 0xFFFFFFFFLL, 1700000000LL, -86400LL}) {
      Shuffle(grid, random, FixedClock(seconds));
      plain.seedFromClock(FixedClock(seconds));
      for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 13; ++j) {
          const int r = plain.next() % 4;
          std::swap(expected[r][plain.next() % 13], expected[i][j]);
        }
      }
      QCOMPARE(grid, expected);
      QCOMPARE(random.next(), plain.next());
    }
  }
};

QTEST_APPLESS_MAIN(DeckTest)

#include "DeckTest.moc"

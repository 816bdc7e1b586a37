// The deck grid, the shuffle, the deal and the taking of replacement cards.
#include "Cards.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace velmora {

namespace {

template <typename Grid>
Grid RowMajorOneTo52() {
  Grid grid{};
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 13; ++column) {
      grid[row][column] = row * 13 + column + 1;
    }
  }
  return grid;
}

}  // namespace

DeckGrid InitialDeckGrid() {
  return RowMajorOneTo52<DeckGrid>();
}

DeckPositions InitialDeckPositions() {
  return RowMajorOneTo52<DeckPositions>();
}

void Shuffle(DeckGrid& grid, RandomSource& random, const Clock& clock) {
  random.seedFromClock(clock);
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 13; ++j) {
      // The row is drawn before the column; the order decides the deck.
      const int r = random.next() % 4;
      const int c = random.next() % 13;
      std::swap(grid[r][c], grid[i][j]);
    }
  }
}

void DealHands(const DeckGrid& grid, std::int32_t& nextCardNumber, Hand& playerHand,
               Hand& dealerHand) {
  for (int k = 0; k < 10; ++k) {
    Hand& hand = (k % 2 == 0) ? playerHand : dealerHand;
    hand[k / 2] = grid[0][k];
    ++nextCardNumber;
  }
}

Card TakeNextCard(const DeckGrid& grid, const DeckPositions& positions,
                  std::int32_t& nextCardNumber) {
  const std::int32_t wanted = nextCardNumber;
  // The positions grid never changes, so the cell is almost always the
  // row-major one; the scan only matters for a grid arranged otherwise.
  if (wanted >= 1 && wanted <= 52) {
    const int row = (wanted - 1) / 13;
    const int column = (wanted - 1) % 13;
    if (positions[row][column] == wanted) {
      ++nextCardNumber;
      return grid[row][column];
    }
  }
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 13; ++column) {
      if (positions[row][column] == wanted) {
        ++nextCardNumber;
        return grid[row][column];
      }
    }
  }
  // A hand uses at most 18 positions; reaching here means the counter was
  // never reset, and handing out a made-up card would corrupt the hand.
  throw std::out_of_range("deck position " + std::to_string(wanted) + " does not exist");
}

void ReplaceDiscards(const DeckGrid& grid, const DeckPositions& positions,
                     std::int32_t& nextCardNumber, Hand& hand, const DiscardFlags& discards,
                     ReplacedFlags& replaced) {
  for (int p = 0; p < 5; ++p) {
    if (discards[p] == 1) {
      hand[p] = TakeNextCard(grid, positions, nextCardNumber);
      replaced[p] = 1;
    }
  }
}

int DrawRandomBackId(RandomSource& random, const Clock& clock) {
  random.seedFromClock(clock);
  return 60 + random.next() % 10;
}

}  // namespace velmora

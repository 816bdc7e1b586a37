// The deck grid, the shuffle, the deal and the taking of replacement cards.
#include "cards/Cards.h"

#include <array>
#include <cstdint>
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

// The generator advanced k steps from state s is at multiplier[k] * s +
// increment[k] (mod 2^32). A shuffle's 104 states thus come straight from
// the seed instead of each waiting for the one before, which makes the
// shuffle several times faster; the numbers are the same.
// RandomSource::next's step and output; the tests hold the two together.
constexpr std::uint32_t kMultiplier = 22695477u;
constexpr std::uint32_t kIncrement = 1u;
constexpr int Output(std::uint32_t state) {
  return static_cast<int>((state >> 16) & 0x7FFFu);
}

struct Jumps {
  std::array<std::uint32_t, 105> multiplier{};
  std::array<std::uint32_t, 105> increment{};
};

constexpr Jumps kJumps = [] {
  Jumps jumps;
  jumps.multiplier[0] = 1;
  jumps.increment[0] = 0;
  for (int k = 1; k <= 104; ++k) {
    jumps.multiplier[k] = jumps.multiplier[k - 1] * kMultiplier;
    jumps.increment[k] = jumps.increment[k - 1] * kMultiplier + kIncrement;
  }
  return jumps;
}();

// The k-th number next() would return after seeding with `seed`.
constexpr int DrawAfter(std::uint32_t seed, int k) {
  return Output(kJumps.multiplier[k] * seed + kJumps.increment[k]);
}

// The card in the cell whose position is `wanted`, wherever that cell is.
[[gnu::cold]] Card ScanForPosition(const DeckGrid& grid, const DeckPositions& positions,
                                   std::int32_t wanted) {
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 13; ++column) {
      if (positions[row][column] == wanted) {
        return grid[row][column];
      }
    }
  }
  // A hand uses at most 18 positions; reaching here means the counter was
  // never reset, and handing out a made-up card would corrupt the hand.
  throw std::out_of_range("deck position " + std::to_string(wanted) + " does not exist");
}

// The card at deck position `wanted`. The positions grid never changes, so
// the cell is the row-major one; it is checked all the same, and the grid
// scanned if it was arranged otherwise.
Card CardAtPosition(const DeckGrid& grid, const DeckPositions& positions, std::int32_t wanted) {
  const auto index = static_cast<std::uint32_t>(wanted - 1);
  if (index < 52 && positions[index / 13][index % 13] == wanted) [[likely]] {
    return grid[index / 13][index % 13];
  }
  return ScanForPosition(grid, positions, wanted);
}

}  // namespace

DeckGrid InitialDeckGrid() {
  return RowMajorOneTo52<DeckGrid>();
}

DeckPositions InitialDeckPositions() {
  return RowMajorOneTo52<DeckPositions>();
}

void Shuffle(DeckGrid& grid, RandomSource& random, const Clock& clock) {
  const auto seed = static_cast<std::uint32_t>(clock());
  std::array<std::uint8_t, 52> rows{};
  std::array<std::uint8_t, 52> columns{};
  for (int step = 0; step < 52; ++step) {
    rows[step] = static_cast<std::uint8_t>(DrawAfter(seed, 2 * step + 1) % 4);
    columns[step] = static_cast<std::uint8_t>(DrawAfter(seed, 2 * step + 2) % 13);
  }
  for (int i = 0, step = 0; i < 4; ++i) {
    for (int j = 0; j < 13; ++j, ++step) {
      std::swap(grid[rows[step]][columns[step]], grid[i][j]);
    }
  }
  random.seed(kJumps.multiplier[104] * seed + kJumps.increment[104]);
}

void DealHands(const DeckGrid& grid, std::int32_t& nextCardNumber, Hand& playerHand,
               Hand& dealerHand) {
  const std::array<Card, 13>& top = grid[0];
  for (int p = 0; p < 5; ++p) {
    playerHand[p] = top[2 * p];
    dealerHand[p] = top[2 * p + 1];
  }
  nextCardNumber += 10;
}

Card TakeNextCard(const DeckGrid& grid, const DeckPositions& positions,
                  std::int32_t& nextCardNumber) {
  const Card card = CardAtPosition(grid, positions, nextCardNumber);
  ++nextCardNumber;
  return card;
}

void ReplaceDiscards(const DeckGrid& grid, const DeckPositions& positions,
                     std::int32_t& nextCardNumber, Hand& hand, const DiscardFlags& discards,
                     ReplacedFlags& replaced) {
  // Counted in a local: the counter and the cards are both plain integers,
  // so every card written would otherwise make the counter be read again.
  std::int32_t next = nextCardNumber;
  for (int p = 0; p < 5; ++p) {
    if (discards[p] == 1) {
      hand[p] = CardAtPosition(grid, positions, next);
      nextCardNumber = ++next;
      replaced[p] = 1;
    }
  }
}

int DrawRandomBackId(RandomSource& random, const Clock& clock) {
  random.seedFromClock(clock);
  return FirstBackId + random.next() % BackCount;
}

}  // namespace velmora

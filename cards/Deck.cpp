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
// the seed instead of each waiting for the one before, so the processor
// works out many of them at once; the numbers are the generator's own, which
// the tests hold to the plain shuffle.
// RandomSource::next's step and output; the tests hold the two together.
constexpr std::uint32_t kMultiplier = 22695477u;
constexpr std::uint32_t kIncrement = 1u;
constexpr std::uint32_t kOutputMask = 0x7FFFu;
constexpr std::uint32_t Output(std::uint32_t state) {
  return state >> 16 & kOutputMask;
}

struct Jump {
  std::uint32_t multiplier = 1;
  std::uint32_t increment = 0;
};

constexpr Jump Advance(Jump jump) {
  return {jump.multiplier * kMultiplier, jump.increment * kMultiplier + kIncrement};
}

// Step s of a shuffle draws a row with the generator's draw 2s + 1 and a
// column with draw 2s + 2; the generator is left at draw 104.
struct ShuffleJumps {
  std::array<std::uint32_t, 52> rowMultiplier{};
  std::array<std::uint32_t, 52> rowIncrement{};
  std::array<std::uint32_t, 52> columnMultiplier{};
  std::array<std::uint32_t, 52> columnIncrement{};
  Jump last{};
};

constexpr ShuffleJumps kShuffleJumps = [] {
  ShuffleJumps jumps;
  Jump jump;
  for (int step = 0; step < 52; ++step) {
    jump = Advance(jump);
    jumps.rowMultiplier[step] = jump.multiplier;
    jumps.rowIncrement[step] = jump.increment;
    jump = Advance(jump);
    jumps.columnMultiplier[step] = jump.multiplier;
    jumps.columnIncrement[step] = jump.increment;
  }
  jumps.last = jump;
  return jumps;
}();

// x % 13 for x < 2^15, as a multiplication that vector registers also have:
// 40330 / 2^19 exceeds 1/13 by too little to reach the next whole number.
constexpr std::uint32_t Modulo13(std::uint32_t x) {
  return x - 13 * ((x * 40330u) >> 19);
}

static_assert([] {
  for (std::uint32_t x = 0; x <= kOutputMask; ++x) {
    if (Modulo13(x) != x % 13) {
      return false;
    }
  }
  return true;
}());

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
  const ShuffleJumps& jumps = kShuffleJumps;
  // Worked out for all steps before any exchange: the steps' draws are
  // independent of one another, so they fill vector registers.
  std::array<std::uint32_t, 52> rows;
  std::array<std::uint32_t, 52> columns;
  for (std::size_t step = 0; step < 52; ++step) {
    // A draw modulo 4 is its two lowest bits.
    rows[step] = Output(jumps.rowMultiplier[step] * seed + jumps.rowIncrement[step]) & 3u;
    columns[step] =
        Modulo13(Output(jumps.columnMultiplier[step] * seed + jumps.columnIncrement[step]));
  }
  for (std::size_t i = 0, step = 0; i < 4; ++i) {
    for (std::size_t j = 0; j < 13; ++j, ++step) {
      std::swap(grid[rows[step]][columns[step]], grid[i][j]);
    }
  }
  random.seed(jumps.last.multiplier * seed + jumps.last.increment);
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

// The card model, the deck, the seeded generator, shuffling and dealing,
// hand evaluation and comparison, and the house's drawing rule.
// Plain integers throughout: the encodings are part of the saved statistics.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

namespace velmora {

// 1..52: hearts 1..13, diamonds 14..26, clubs 27..39, spades 40..52;
// within a suit deuce first and ace last. Card 12 is the king of hearts.
using Card = std::int32_t;

constexpr Card KingOfHearts = 12;

// The ten card backs are the pictures FirstBackId .. FirstBackId + 9; the
// first is the back in use when the program starts.
inline constexpr int FirstBackId = 60;
inline constexpr int BackCount = 10;

constexpr int RankIndex(Card card) {
  return (card - 1) % 13;
}
constexpr int SuitNumber(Card card) {
  return (card - 1) / 13 + 1;
}
constexpr bool IsAce(Card card) {
  return card == 13 || card == 26 || card == 39 || card == 52;
}

inline constexpr std::array<std::string_view, 13> RankNames{
    "Deuce", "Three", "Four", "Five",  "Six",  "Seven", "Eight",
    "Nine",  "Ten",   "Jack", "Queen", "King", "Ace"};
// Indexed by SuitNumber - 1.
inline constexpr std::array<std::string_view, 4> SuitNames{"Heart", "Diamond", "Club", "Spade"};

// The deck as a 4 x 13 grid read row by row; shuffled in place, never refilled.
using DeckGrid = std::array<std::array<Card, 13>, 4>;
// Fixed grid telling the deck position (1..52) of each cell.
using DeckPositions = std::array<std::array<std::int32_t, 13>, 4>;

// Both grids as they are when the table is built: 1..52 row by row.
DeckGrid InitialDeckGrid();
DeckPositions InitialDeckPositions();

using Hand = std::array<Card, 5>;

// Five different cards, each 1..52: what the ranking and the draws take.
// Cards from outside (card codes, command lines, files) are checked against
// it where they enter; the rules assert it in debug builds.
constexpr bool IsFiveDifferentCards(const Hand& hand) {
  for (std::size_t p = 0; p < hand.size(); ++p) {
    if (hand[p] < 1 || hand[p] > 52 ||
        std::find(hand.begin(), hand.begin() + static_cast<std::ptrdiff_t>(p), hand[p]) !=
            hand.begin() + static_cast<std::ptrdiff_t>(p)) {
      return false;
    }
  }
  return true;
}
using DiscardFlags = std::array<std::int32_t, 5>;
using ReplacedFlags = std::array<std::int32_t, 5>;

constexpr bool HoldsKingOfHearts(const Hand& hand) {
  return std::find(hand.begin(), hand.end(), KingOfHearts) != hand.end();
}

// Calendar time in whole seconds. The game passes the real clock; tests and
// the simulator pass their own so that deals repeat.
using Clock = std::function<std::int64_t()>;

// The program's one pseudo-random generator: a 32-bit linear congruential
// generator whose outputs are bits 16..30 of the state.
class RandomSource {
 public:
  void seed(std::uint32_t value) { state_ = value; }
  int next() {
    state_ = state_ * 22695477u + 1u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
  }
  // Every user reseeds from the clock immediately before drawing.
  void seedFromClock(const Clock& clock) { seed(static_cast<std::uint32_t>(clock())); }

 private:
  std::uint32_t state_ = 0;
};

// Reseeds from the clock, then exchanges every cell in row-major order with a
// cell drawn from all 52 (row drawn first, column second): 104 draws.
void Shuffle(DeckGrid& grid, RandomSource& random, const Clock& clock);

// Deck positions 1..10 alternately to the player and the dealer, player first.
void DealHands(const DeckGrid& grid, std::int32_t& nextCardNumber, Hand& playerHand,
               Hand& dealerHand);

Card TakeNextCard(const DeckGrid& grid, const DeckPositions& positions,
                  std::int32_t& nextCardNumber);

// Every marked position, left to right, receives the next card of the deck.
void ReplaceDiscards(const DeckGrid& grid, const DeckPositions& positions,
                     std::int32_t& nextCardNumber, Hand& hand, const DiscardFlags& discards,
                     ReplacedFlags& replaced);

// Category, five rank values by significance, flush suit (see EvaluateHand).
using HandRank = std::array<std::int32_t, 7>;
using RankCounts = std::array<std::int32_t, 13>;

enum HandCategory : std::int32_t {
  HighCard = 0,
  Pair = 1,
  TwoPair = 2,
  ThreeOfAKind = 3,
  Straight = 4,
  Flush = 5,
  FullHouse = 6,
  FourOfAKind = 7,
  StraightFlush = 8,
  RoyalFlush = 9,
};

// The names shown on the table; a high-card hand has none.
inline constexpr std::array<std::string_view, 10> HandCategoryNames{
    "",      "Pair",       "Two Pair",       "Three of a Kind", "Straight",
    "Flush", "Full House", "Four of a Kind", "Straight Flush",  "Royal Flush"};

// Ranks five different cards; overwrites both outputs completely.
void EvaluateHand(const Hand& hand, HandRank& rank, RankCounts& counts);
// The record alone.
HandRank EvaluateHand(const Hand& hand);
// The same ranking worked out step by step as its rules are written. The
// tables EvaluateHand looks records up in are filled from it, it ranks the
// hands of one suit, and the tests hold the two together over every hand.
void EvaluateHandAsWritten(const Hand& hand, HandRank& rank, RankCounts& counts);

// 0 equal, 1 when a is better, 2 when b is better; the suit field never counts.
int CompareRanks(const HandRank& a, const HandRank& b);

// The result of CompareRanks by name, for the code that acts on it. The
// values are CompareRanks' own. The showdown compares the player's hand
// (first) with the house's (second).
enum class RankOrder : std::int32_t { Equal = 0, FirstBetter = 1, SecondBetter = 2 };

inline RankOrder RankOrderOf(const HandRank& a, const HandRank& b) {
  return static_cast<RankOrder>(CompareRanks(a, b));
}

// Writes the singly occurring ranks, highest first, from field `start` (1..5)
// on; the fields after the last one written stay as they are.
void FillKickers(const RankCounts& counts, HandRank& rank, int start);

// Up to two held ranks, the list ended by -1.
using HeldRanks = std::array<std::int32_t, 4>;

// The house's rule: which ranks of its hand it keeps.
HeldRanks ChooseHeldRanks(const HandRank& rank);

// Evaluates the dealer's hand into `rank` and `counts`, replaces every card
// whose rank is not held and returns how many cards were taken (the
// DealerDrawCount, 0..4). After a four-card draw the first ace of the hand
// (the one shown face up) is moved to position 0, exchanging places with the
// card there.
int ChooseDealerDraw(const DeckGrid& grid, const DeckPositions& positions, Hand& dealerHand,
                     RankCounts& counts, HandRank& rank, std::int32_t& nextCardNumber);

// A random card back: reseeds from the clock and returns image id
// FirstBackId + next() mod BackCount.
int DrawRandomBackId(RandomSource& random, const Clock& clock);

}  // namespace velmora

// Ranking a five-card hand and comparing two ranked hands.
//
// The evaluation works on a bit set of the ranks present instead of walking
// all thirteen counts, because the showdown, the house and the simulator call
// it several times per hand. It produces exactly the records of the grouping,
// flush and straight steps described in Cards.h's HandRank table.
#include "Cards.h"

#include <bit>

namespace velmora {

namespace {

constexpr unsigned Bit(int rank) {
  return 1u << rank;
}

constexpr int HighestRank(unsigned ranks) {
  return std::bit_width(ranks) - 1;
}

constexpr int LowestRank(unsigned ranks) {
  return std::countr_zero(ranks);
}

// Writes the ranks of the set, highest first, from `field` on. Never writes
// past field 5: the suit field is not a rank.
constexpr void WriteHighestFirst(unsigned ranks, HandRank& rank, int field) {
  while (ranks != 0 && field <= 5) {
    const int highest = HighestRank(ranks);
    rank[field++] = highest;
    ranks &= ~Bit(highest);
  }
}

constexpr unsigned kFiveInARow = 0x1Fu;
// Deuce, three, four, five and ace: the five-high straight.
constexpr unsigned kWheel = Bit(0) | Bit(1) | Bit(2) | Bit(3) | Bit(12);

constexpr bool IsCard(Card card) {
  return static_cast<unsigned>(card - 1) < 52u;
}

// Five different ranks: flush, straight, both, or nothing.
void EvaluateDistinct(const Hand& hand, unsigned ranks, HandRank& rank) {
  const int suit = SuitNumber(hand[0]);
  bool flush = true;
  for (int p = 1; p < 5; ++p) {
    flush = flush && SuitNumber(hand[p]) == suit;
  }
  const bool wheel = ranks == kWheel;
  const bool straight = wheel || (ranks >> LowestRank(ranks)) == kFiveInARow;

  if (flush) {
    rank[0] = Flush;
    rank[6] = suit;
    WriteHighestFirst(ranks, rank, 1);
    if (straight) {
      if (rank[1] == 12 && !wheel) {
        rank[0] = RoyalFlush;
      } else {
        rank[0] = StraightFlush;
        if (wheel) {
          // The ace plays low; the remaining fields keep the flush order.
          rank[1] = 3;
        }
      }
    }
  } else if (straight) {
    rank[0] = Straight;
    rank[1] = wheel ? 3 : HighestRank(ranks);
  } else {
    WriteHighestFirst(ranks, rank, 1);
  }
}

}  // namespace

void EvaluateHand(const Hand& hand, HandRank& rank, RankCounts& counts) {
  rank.fill(0);
  counts.fill(0);
  unsigned ranks = 0;
  bool allCards = true;
  for (const Card card : hand) {
    // Anything that is not a card belongs to no rank and is not counted.
    if (!IsCard(card)) {
      allCards = false;
      continue;
    }
    const int r = RankIndex(card);
    ++counts[r];
    ranks |= Bit(r);
  }

  if (allCards && std::popcount(ranks) == 5) {
    EvaluateDistinct(hand, ranks, rank);
    return;
  }

  unsigned singles = 0;
  unsigned pairs = 0;
  int triple = -1;
  int quad = -1;
  for (unsigned rest = ranks; rest != 0; rest &= rest - 1) {
    const int i = LowestRank(rest);
    switch (counts[i]) {
      case 1:
        singles |= Bit(i);
        break;
      case 2:
        pairs |= Bit(i);
        break;
      case 3:
        triple = i;
        break;
      case 4:
        quad = i;
        break;
      default:
        // Only a hand holding the same card twice gets here; such a group
        // ranks nothing.
        break;
    }
  }

  if (quad >= 0) {
    rank[0] = FourOfAKind;
    rank[1] = quad;
    WriteHighestFirst(singles, rank, 2);
  } else if (triple >= 0 && pairs != 0) {
    rank[0] = FullHouse;
    rank[1] = triple;
    rank[2] = LowestRank(pairs);
  } else if (triple >= 0) {
    rank[0] = ThreeOfAKind;
    rank[1] = triple;
    WriteHighestFirst(singles, rank, 2);
  } else if (std::popcount(pairs) == 2) {
    rank[0] = TwoPair;
    rank[1] = HighestRank(pairs);
    rank[2] = LowestRank(pairs);
    WriteHighestFirst(singles, rank, 3);
  } else if (pairs != 0) {
    rank[0] = Pair;
    rank[1] = LowestRank(pairs);
    WriteHighestFirst(singles, rank, 2);
  } else {
    WriteHighestFirst(singles, rank, 1);
  }
}

HandRank EvaluateHand(const Hand& hand) {
  HandRank rank;
  RankCounts counts;
  EvaluateHand(hand, rank, counts);
  return rank;
}

int CompareRanks(const HandRank& a, const HandRank& b) {
  // Field 6 is the flush suit: suits never break a tie.
  for (int field = 0; field < 6; ++field) {
    if (a[field] != b[field]) {
      return a[field] > b[field] ? 1 : 2;
    }
  }
  return 0;
}

void FillKickers(const RankCounts& counts, HandRank& rank, int start) {
  if (start < 1) {
    return;
  }
  unsigned singles = 0;
  for (int i = 0; i < 13; ++i) {
    if (counts[i] == 1) {
      singles |= Bit(i);
    }
  }
  WriteHighestFirst(singles, rank, start);
}

}  // namespace velmora

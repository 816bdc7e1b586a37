// The ranking as it stood before the table lookup, kept unchanged as the
// benchmark's yardstick: every hand is ranked by both before either is timed,
// and the timings are shown side by side.
#include "tools/cards-benchmark/BaselineEvaluate.h"

#include <bit>

namespace velmora::baseline {

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

constexpr unsigned kFiveInARow = 0x1Fu;
// Deuce, three, four, five and ace: the five-high straight.
constexpr unsigned kWheel = Bit(0) | Bit(1) | Bit(2) | Bit(3) | Bit(12);

constexpr bool IsCard(Card card) {
  return static_cast<unsigned>(card - 1) < 52u;
}

// Indexed by card & 63 so that a stray value reads a harmless entry; such
// hands are ranked again by the careful path anyway.
constexpr std::array<std::int8_t, 64> kRankOf = [] {
  std::array<std::int8_t, 64> table{};
  for (Card card = 1; card <= 52; ++card) {
    table[card] = static_cast<std::int8_t>(RankIndex(card));
  }
  return table;
}();

constexpr std::array<std::int8_t, 64> kSuitOf = [] {
  std::array<std::int8_t, 64> table{};
  for (Card card = 1; card <= 52; ++card) {
    table[card] = static_cast<std::int8_t>(SuitNumber(card));
  }
  return table;
}();

// atLeastK holds the ranks that occur at least K times.
struct Multiplicities {
  unsigned atLeast1 = 0;
  unsigned atLeast2 = 0;
  unsigned atLeast3 = 0;
  unsigned atLeast4 = 0;
};

// Indexed by (ranks paired or better) + 3 (tripled or better) + 6 (quadrupled).
constexpr std::array<std::int32_t, 11> kCategoryByGroups{
    HighCard, Pair, TwoPair, 0, ThreeOfAKind, FullHouse, 0, 0, 0, 0, FourOfAKind};

// A set of ranks as a list, highest first: 4-bit lanes with the first rank in
// the highest lane used, and the length. Looked up in two halves so that the
// tables stay small.
struct RankList {
  std::uint32_t lanes = 0;
  int length = 0;
};

template <int kBits, int kFirstRank>
constexpr std::array<RankList, (1 << kBits)> DescendingTable() {
  std::array<RankList, (1 << kBits)> table{};
  for (unsigned set = 0; set < (1u << kBits); ++set) {
    for (int bit = kBits - 1; bit >= 0; --bit) {
      if ((set >> bit & 1u) != 0) {
        table[set].lanes = table[set].lanes << 4 | static_cast<std::uint32_t>(bit + kFirstRank);
        ++table[set].length;
      }
    }
  }
  return table;
}

constexpr auto kHighRanks = DescendingTable<7, 6>();  // eight .. ace
constexpr auto kLowRanks = DescendingTable<6, 0>();   // deuce .. seven

RankList Descending(unsigned ranks) {
  const RankList high = kHighRanks[ranks >> 6];
  const RankList low = kLowRanks[ranks & 63u];
  return {high.lanes << (4 * low.length) | low.lanes, high.length + low.length};
}

void WriteRecord(const Multiplicities& m, HandRank& rank) {
  // Five cards pair at most two ranks and triple or quadruple at most one.
  const int paired = (m.atLeast2 != 0) + ((m.atLeast2 & (m.atLeast2 - 1)) != 0);
  rank[0] = kCategoryByGroups[paired + 3 * (m.atLeast3 != 0) + 6 * (m.atLeast4 != 0)];

  // The groups, at most two, most frequent first: quads, triples, pairs by
  // rank. In this word the first group is the highest bit and the second
  // the lowest, and a bit's rank is its index within its 16-bit lane.
  const std::uint64_t groups = std::uint64_t{m.atLeast4} << 32 |
                               std::uint64_t{m.atLeast3 & ~m.atLeast4} << 16 |
                               (m.atLeast2 & ~m.atLeast3);
  const int groupCount = (groups != 0) + ((groups & (groups - 1)) != 0);
  const std::uint32_t first = static_cast<std::uint32_t>(std::bit_width(groups | 1u) - 1) & 15u;
  const std::uint32_t second = static_cast<std::uint32_t>(std::countr_zero(groups)) & 15u;
  const std::uint32_t groupLanes =
      groupCount == 2 ? (first << 4 | second) : (groupCount == 1 ? first : 0u);

  const RankList singles = Descending(m.atLeast1 & ~m.atLeast2);
  std::uint32_t lanes = groupLanes << (4 * singles.length) | singles.lanes;
  // Align the list to five lanes; missing fields read as 0.
  lanes <<= 4 * (5 - groupCount - singles.length);
  rank[1] = static_cast<std::int32_t>(lanes >> 16 & 15u);
  rank[2] = static_cast<std::int32_t>(lanes >> 12 & 15u);
  rank[3] = static_cast<std::int32_t>(lanes >> 8 & 15u);
  rank[4] = static_cast<std::int32_t>(lanes >> 4 & 15u);
  rank[5] = static_cast<std::int32_t>(lanes & 15u);
}

// Five different ranks make a flush, a straight, both, or nothing. Returns
// false for nothing, by far the most common case, without branching.
bool IsFlushOrStraight(const Hand& hand, unsigned ranks) {
  const int suit = kSuitOf[hand[0] & 63];
  const bool flush = (kSuitOf[hand[1] & 63] == suit) & (kSuitOf[hand[2] & 63] == suit) &
                     (kSuitOf[hand[3] & 63] == suit) & (kSuitOf[hand[4] & 63] == suit);
  const bool straight = (ranks == kWheel) | ((ranks >> LowestRank(ranks | Bit(31))) == kFiveInARow);
  return flush | straight;
}

// The record already holds the five ranks from the highest down.
void ApplyFlushAndStraight(const Hand& hand, unsigned ranks, HandRank& rank) {
  const int suit = kSuitOf[hand[0]];
  bool flush = true;
  for (const Card card : hand) {
    flush = flush && kSuitOf[card] == suit;
  }
  const bool wheel = ranks == kWheel;
  if (!flush) {
    rank = HandRank{Straight, wheel ? 3 : HighestRank(ranks), 0, 0, 0, 0, 0};
    return;
  }
  rank[0] = Flush;
  rank[6] = suit;
  if (wheel || (ranks >> LowestRank(ranks)) == kFiveInARow) {
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
}

// Hands holding values that are not cards, or one card five times, never come
// from the deck. Values that are not cards belong to no rank, and a rank met
// five times forms no group.
Multiplicities FromCounts(const RankCounts& counts) {
  Multiplicities m;
  for (int r = 0; r < 13; ++r) {
    const int count = counts[r];
    if (count >= 1 && count <= 4) {
      m.atLeast1 |= Bit(r);
      m.atLeast2 |= count >= 2 ? Bit(r) : 0u;
      m.atLeast3 |= count >= 3 ? Bit(r) : 0u;
      m.atLeast4 |= count == 4 ? Bit(r) : 0u;
    }
  }
  return m;
}

}  // namespace

void EvaluateHand(const Hand& hand, HandRank& rank, RankCounts& counts) {
  counts.fill(0);
  bool fiveCards = true;
  Multiplicities m;
  unsigned atLeast5 = 0;
  // Unrolled, the five updates keep the bit sets in registers (a measured
  // sixth of the time of a ranking).
#pragma GCC unroll 5
  for (const Card card : hand) {
    fiveCards &= IsCard(card);
    const int r = kRankOf[card & 63];
    ++counts[r];
    const unsigned bit = Bit(r);
    atLeast5 |= m.atLeast4 & bit;
    m.atLeast4 |= m.atLeast3 & bit;
    m.atLeast3 |= m.atLeast2 & bit;
    m.atLeast2 |= m.atLeast1 & bit;
    m.atLeast1 |= bit;
  }
  if (!fiveCards) {
    counts.fill(0);
    for (const Card card : hand) {
      if (IsCard(card)) {
        ++counts[RankIndex(card)];
      }
    }
    m = FromCounts(counts);
  } else if (atLeast5 != 0) {
    m = FromCounts(counts);
  }

  WriteRecord(m, rank);
  rank[6] = 0;
  // Only five real cards of five different ranks can be more than high card.
  // (One card repeated five times leaves no rank at all.)
  if (fiveCards & (m.atLeast2 == 0) & (m.atLeast1 != 0) && IsFlushOrStraight(hand, m.atLeast1)) {
    ApplyFlushAndStraight(hand, m.atLeast1, rank);
  }
}

}  // namespace velmora::baseline

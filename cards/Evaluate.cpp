// Ranking a five-card hand and comparing two ranked hands.
//
// The advisor and the simulator rank millions of hands, so a hand is ranked
// by looking its ranks up rather than by working them out. Unless its five
// cards are of one suit, a hand's record depends only on which ranks it
// holds, and there are 6,175 such handfuls. The rank keys of the cards add
// up to one number per handful, whose two half-words, each looked up in a
// small table, add up to the handful's place in a table of records. Those
// tables are filled once, from the plain reading of a hand below, which also
// ranks the rare hands the tables do not cover: flushes, and hands holding
// values that are not cards.
#include "cards/HandValue.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace velmora {

namespace {

constexpr bool IsCard(Card card) {
  return static_cast<unsigned>(card - 1) < 52u;
}

// The plain reading: the ranks grouped by how often they occur, larger
// groups first and then higher ranks first, fill the rank fields. A rank met
// five times (one card given five times) forms no group, and fewer than five
// cards form no straight.
HandRank RecordOfCounts(const RankCounts& counts) {
  std::array<std::pair<int, int>, 5> groups{};  // (count, rank)
  int groupCount = 0;
  for (int r = 12; r >= 0; --r) {
    if (counts[r] >= 1 && counts[r] <= 4) {
      groups[groupCount++] = {counts[r], r};
    }
  }
  std::stable_sort(groups.begin(), groups.begin() + groupCount,
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  HandRank rank{};
  for (int k = 0; k < groupCount; ++k) {
    rank[k + 1] = groups[k].second;
  }
  const int largest = groups[0].first;
  const int second = groups[1].first;
  if (largest == 4) {
    rank[0] = FourOfAKind;
  } else if (largest == 3) {
    rank[0] = second == 2 ? FullHouse : ThreeOfAKind;
  } else if (largest == 2) {
    rank[0] = second == 2 ? TwoPair : Pair;
  } else if (groupCount == 5) {
    const bool wheel = rank[1] == 12 && rank[2] == 3;
    if (wheel || rank[1] - rank[5] == 4) {
      return HandRank{Straight, wheel ? 3 : rank[1], 0, 0, 0, 0, 0};
    }
  }
  return rank;
}

// Five cards of one suit and five different ranks.
HandRank FlushRecord(const RankCounts& counts, int suit) {
  HandRank rank{};
  for (int r = 12, field = 1; r >= 0; --r) {
    if (counts[r] != 0) {
      rank[field++] = r;
    }
  }
  const bool wheel = rank[1] == 12 && rank[2] == 3;
  rank[0] = Flush;
  if (wheel) {
    // The ace plays low; the other fields keep the flush order.
    rank[0] = StraightFlush;
    rank[1] = 3;
  } else if (rank[1] - rank[5] == 4) {
    rank[0] = rank[1] == 12 ? RoyalFlush : StraightFlush;
  }
  rank[6] = suit;
  return rank;
}

// A hand holding values that are not cards, or one card five times, never
// comes from the deck: such values belong to no rank.
HandRank CarefulRecord(const Hand& hand, RankCounts& counts) {
  counts.fill(0);
  for (const Card card : hand) {
    if (IsCard(card)) {
      ++counts[RankIndex(card)];
    }
  }
  return RecordOfCounts(counts);
}

// The largest sum of each half-word of the rank keys over five cards.
constexpr std::uint32_t kLowKeyLimit = 4 * RankKeys[6] + RankKeys[5];
constexpr std::uint32_t kHighKeyLimit = (4 * RankKeys[12] + RankKeys[11]) >> 16;
// Handfuls of five ranks, none more than four times.
constexpr int kHandfuls = 6175;

struct RankTables {
  // By a key sum's half-word: the place of that half's ranks among the
  // handfuls, such that the two entries add up to the handful's place.
  std::array<std::uint16_t, kLowKeyLimit + 1> low{};
  std::array<std::uint16_t, kHighKeyLimit + 1> high{};
  std::array<HandValue, kHandfuls> values{};
};

// Every way to hold up to five cards of the ranks first .. first + count - 1,
// none more than four times.
struct HalfHandful {
  RankCounts counts{};
  std::uint32_t key = 0;  // its half-word of the key sum
  int size = 0;
};

std::vector<HalfHandful> HalfHandfuls(int first, int count) {
  std::vector<HalfHandful> handfuls{HalfHandful{}};
  for (int r = first; r < first + count; ++r) {
    std::vector<HalfHandful> grown;
    for (const HalfHandful& handful : handfuls) {
      for (int n = 0; n <= 4 && handful.size + n <= 5; ++n) {
        HalfHandful next = handful;
        next.counts[r] = n;
        next.size += n;
        next.key += static_cast<std::uint32_t>(n) * RankKeys[r];
        grown.push_back(next);
      }
    }
    handfuls = std::move(grown);
  }
  for (HalfHandful& handful : handfuls) {
    handful.key = handful.key >> 16 | (handful.key & 0xFFFFu);  // one half is 0
  }
  return handfuls;
}

RankTables BuildRankTables() {
  RankTables tables;
  const std::vector<HalfHandful> lows = HalfHandfuls(0, 7);
  const std::vector<HalfHandful> highs = HalfHandfuls(7, 6);
  // Each half numbers its handfuls of one size from 0; a low handful of s
  // ranks is then followed by room for every high one of 5 - s.
  std::array<int, 6> highsOfSize{};
  for (const HalfHandful& high : highs) {
    tables.high[high.key] = static_cast<std::uint16_t>(highsOfSize[high.size]++);
  }
  std::array<int, 6> lowsOfSize{};
  std::array<int, 6> firstOfSize{};
  for (const HalfHandful& low : lows) {
    ++lowsOfSize[low.size];
  }
  for (int size = 1; size <= 5; ++size) {
    firstOfSize[size] = firstOfSize[size - 1] + lowsOfSize[size - 1] * highsOfSize[6 - size];
  }
  std::array<int, 6> placed{};
  for (const HalfHandful& low : lows) {
    tables.low[low.key] = static_cast<std::uint16_t>(
        firstOfSize[low.size] + placed[low.size]++ * highsOfSize[5 - low.size]);
  }
  for (const HalfHandful& low : lows) {
    for (const HalfHandful& high : highs) {
      if (low.size + high.size == 5) {
        RankCounts counts{};
        std::transform(low.counts.begin(), low.counts.end(), high.counts.begin(), counts.begin(),
                       std::plus<>());
        tables.values.at(tables.low[low.key] + tables.high[high.key]) =
            PackHandValue(RecordOfCounts(counts));
      }
    }
  }
  return tables;
}

// Filled when the first hand is ranked (about a millisecond), so that a
// program that ranks none does not pay for them. Inlined, what remains of
// that in every ranking is one test of a flag.
[[gnu::always_inline]] inline const RankTables& Tables() {
  static const RankTables tables = BuildRankTables();
  return tables;
}

HandValue LookUp(const RankTables& tables, std::uint32_t rankKeySum) {
  return tables.values[tables.low[rankKeySum & 0xFFFFu] + tables.high[rankKeySum >> 16]];
}

// A value that is not a card counts as a deuce; such hands are counted
// again, carefully.
void CountRanks(const Hand& hand, RankCounts& counts) {
  counts.fill(0);
  for (const Card card : hand) {
    ++counts[RankIndexOfCard[card & 63]];
  }
}

// What the tables need of five cards, gathered in one pass.
struct CardSums {
  std::uint32_t rankKeys = 0;
  unsigned suitBits = 0xFu;  // a bit is left when all five are of one suit
  bool allCards = true;
};

CardSums SumCards(const Hand& hand) {
  CardSums sums;
  for (const Card card : hand) {
    sums.allCards &= IsCard(card);
    sums.rankKeys += RankKeyOfCard[card & 63];
    sums.suitBits &= SuitBitOfCard[card & 63];
  }
  return sums;
}

// Whether the tables rank these five cards: all are cards, and no rank
// comes five times (one card given more than once). Five cards of one rank
// add up to five times its key, and no other five cards do (the exhaustive
// test would see the wrong record).
bool InTables(const CardSums& sums, const Hand& hand) {
  return sums.allCards && sums.rankKeys != 5 * RankKeyOfCard[hand[0] & 63];
}

// Five cards of one suit whose ranks alone make a high card or a straight;
// only five different ranks can make a flush.
bool MayBeFlush(HandValue value, unsigned suitBits) {
  const auto category = static_cast<int>(value >> 20);
  return suitBits != 0 && (category == HighCard || category == Straight);
}

// The rare hands of the ranking without counts, which count their ranks after
// all. Out of line, so that the common path needs fewer registers.
[[gnu::noinline]] HandRank CarefulRecordOf(const Hand& hand) {
  RankCounts counts;
  return CarefulRecord(hand, counts);
}

[[gnu::noinline]] HandRank FlushRecordOf(const Hand& hand) {
  RankCounts counts;
  CountRanks(hand, counts);
  return FlushRecord(counts, SuitNumber(hand[0]));
}

}  // namespace

HandValue ValueOfRanks(std::uint32_t rankKeySum) {
  return LookUp(Tables(), rankKeySum);
}

void EvaluateHand(const Hand& hand, HandRank& rank, RankCounts& counts) {
  CountRanks(hand, counts);
  const CardSums sums = SumCards(hand);
  if (!InTables(sums, hand)) [[unlikely]] {
    rank = CarefulRecord(hand, counts);
    return;
  }
  const HandValue value = LookUp(Tables(), sums.rankKeys);
  if (MayBeFlush(value, sums.suitBits)) [[unlikely]] {
    rank = FlushRecord(counts, SuitNumber(hand[0]));
    return;
  }
  rank = UnpackHandValue(value);
}

void EvaluateHand(const Hand& hand, HandRank& rank) {
  const CardSums sums = SumCards(hand);
  if (!InTables(sums, hand)) [[unlikely]] {
    rank = CarefulRecordOf(hand);
    return;
  }
  const HandValue value = LookUp(Tables(), sums.rankKeys);
  if (MayBeFlush(value, sums.suitBits)) [[unlikely]] {
    rank = FlushRecordOf(hand);
    return;
  }
  rank = UnpackHandValue(value);
}

HandRank EvaluateHand(const Hand& hand) {
  HandRank rank;
  EvaluateHand(hand, rank);
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
  // Never past field 5: the suit field is not a rank.
  for (int r = 12, field = start; r >= 0 && field <= 5; --r) {
    if (counts[r] == 1) {
      rank[field++] = r;
    }
  }
}

}  // namespace velmora

// Ranking a five-card hand and comparing two ranked hands.
//
// The advisor and the simulator rank millions of hands, so EvaluateHand looks
// a hand's record up rather than working it out. Unless its five cards are of
// one suit, a hand's record depends only on which ranks it holds, and there
// are 6,175 such handfuls. The rank keys of the cards add up to one number per
// handful, whose two half-words, each looked up in a small table, add up to
// the handful's place in a table of records. Those tables are filled once by
// EvaluateHandAsWritten, which also ranks the hands of one suit.
#include "cards/HandValue.h"

#include <cassert>
#include <vector>

namespace velmora {

namespace {

// Walks the ranks upward, so that a lower group is always met before a
// higher one: the kickers written for the lower pair of two pair land in r2
// and are overwritten when the higher pair is met.
void GroupRanks(const RankCounts& counts, HandRank& rank) {
  for (int i = 0; i < 13; ++i) {
    switch (counts[i]) {
      case 2:
        if (rank[0] == Pair) {
          rank[0] = TwoPair;
          rank[2] = rank[1];
          rank[1] = i;
          FillKickers(counts, rank, 3);
        } else if (rank[0] == ThreeOfAKind) {
          rank[0] = FullHouse;
          rank[2] = i;
        } else {
          rank[0] = Pair;
          rank[1] = i;
          FillKickers(counts, rank, 2);
        }
        break;
      case 3:
        if (rank[0] == Pair) {
          rank[0] = FullHouse;
          rank[2] = rank[1];
          rank[1] = i;
        } else {
          rank[0] = ThreeOfAKind;
          rank[1] = i;
          FillKickers(counts, rank, 2);
        }
        break;
      case 4:
        rank[0] = FourOfAKind;
        rank[1] = i;
        FillKickers(counts, rank, 2);
        break;
      default:
        break;
    }
  }
}

void TestFlush(const Hand& hand, const RankCounts& counts, HandRank& rank) {
  for (int suit = 1; suit <= 4; ++suit) {
    const auto inSuit = [suit](Card card) { return card > 13 * (suit - 1) && card <= 13 * suit; };
    if (std::all_of(hand.begin(), hand.end(), inSuit)) {
      rank[0] = Flush;
      rank[6] = suit;
      FillKickers(counts, rank, 1);
      return;
    }
  }
}

// For a hand without pairs, after the flush test.
void TestStraight(const RankCounts& counts, HandRank& rank) {
  std::array<int, 5> ascending{};
  for (int r = 0, k = 0; r < 13; ++r) {
    if (counts[r] == 1) {
      ascending[k++] = r;
    }
  }
  int steps = 0;
  while (steps < 4 && ascending[steps + 1] == ascending[steps] + 1) {
    ++steps;
  }
  // Deuce, three, four, five and ace: the ace plays low.
  const bool wheel = steps == 3 && ascending[3] == 3 && ascending[4] == 12;
  if (steps != 4 && !wheel) {
    return;
  }
  if (rank[0] != Flush) {
    rank[0] = Straight;
    rank[1] = ascending[steps];
  } else if (rank[1] == 12 && !wheel) {
    rank[0] = RoyalFlush;
  } else {
    rank[0] = StraightFlush;
    if (wheel) {
      rank[1] = 3;
    }
  }
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

// Five cards holding the ranks of `low` and `high`, dealt round the suits so
// that they are never all of one.
Hand HandOfRanks(const HalfHandful& low, const HalfHandful& high) {
  Hand hand{};
  int dealt = 0;
  for (int r = 0; r < 13; ++r) {
    for (int n = low.counts[r] + high.counts[r]; n > 0; --n, ++dealt) {
      hand[dealt] = 13 * (dealt % 4) + r + 1;
    }
  }
  return hand;
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
        HandRank rank;
        RankCounts counts;
        EvaluateHandAsWritten(HandOfRanks(low, high), rank, counts);
        tables.values.at(tables.low[low.key] + tables.high[high.key]) = PackHandValue(rank);
      }
    }
  }
  return tables;
}

// Filled when the first hand is ranked, so that a program that ranks none
// does not pay for them.
const RankTables& Tables() {
  static const RankTables tables = BuildRankTables();
  return tables;
}

}  // namespace

void EvaluateHandAsWritten(const Hand& hand, HandRank& rank, RankCounts& counts) {
  rank.fill(0);
  counts.fill(0);
  for (const Card card : hand) {
    ++counts[RankIndex(card)];
  }
  if (std::any_of(counts.begin(), counts.end(), [](int count) { return count >= 2; })) {
    // A hand with a group is neither a flush nor a straight.
    GroupRanks(counts, rank);
  } else {
    TestFlush(hand, counts, rank);
    TestStraight(counts, rank);
  }
  if (rank[0] == HighCard) {
    FillKickers(counts, rank, 1);
  }
}

HandValue ValueOfRanks(std::uint32_t rankKeySum) {
  const RankTables& tables = Tables();
  return tables.values[tables.low[rankKeySum & 0xFFFFu] + tables.high[rankKeySum >> 16]];
}

void EvaluateHand(const Hand& hand, HandRank& rank, RankCounts& counts) {
  assert(IsFiveDifferentCards(hand));
  counts.fill(0);
  std::uint32_t rankKeys = 0;
  unsigned suits = 0xFu;  // a bit is left when all five are of one suit
  for (const Card card : hand) {
    ++counts[RankIndex(card)];
    rankKeys += RankKeyOf(card);
    suits &= SuitBitOf(card);
  }
  if (suits != 0) {
    EvaluateHandAsWritten(hand, rank, counts);
    return;
  }
  rank = UnpackHandValue(ValueOfRanks(rankKeys));
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
  assert(start >= 1 && start <= 5);
  for (int r = 12, field = start; r >= 0; --r) {
    if (counts[r] == 1) {
      rank[field++] = r;
    }
  }
}

}  // namespace velmora

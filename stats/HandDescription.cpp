#include "stats/HandDescription.h"

#include <algorithm>
#include <optional>

namespace velmora {

namespace {

std::optional<std::string> RankWord(std::int32_t index) {
  if (index < 0 || index >= static_cast<std::int32_t>(RankNames.size())) {
    return std::nullopt;
  }
  return std::string(RankNames[static_cast<std::size_t>(index)]);
}

std::optional<std::string> SuitWord(std::int32_t suitNumber) {
  if (suitNumber < 1 || suitNumber > static_cast<std::int32_t>(SuitNames.size())) {
    return std::nullopt;
  }
  return std::string(SuitNames[static_cast<std::size_t>(suitNumber - 1)]);
}

// Every category uses the leading rank except the royal flush; the words a
// category needs are looked up, and only those, so that an unused field may
// hold anything.
std::optional<std::string> Describe(const HandRank& rank) {
  const std::int32_t category = rank[0];
  if (category == RoyalFlush) {
    const auto suit = SuitWord(rank[6]);
    if (!suit) {
      return std::nullopt;
    }
    return "Royal Flush \n(" + *suit + "s)";
  }
  const auto a = RankWord(rank[1]);
  if (!a) {
    return std::nullopt;
  }
  switch (category) {
    case HighCard:
    case Pair:
    case TwoPair:
    case FullHouse: {
      const auto b = RankWord(rank[2]);
      if (!b) {
        return std::nullopt;
      }
      if (category == HighCard) {
        return *a + " high \n(" + *b + " kicker)";
      }
      if (category == Pair) {
        return "Pair of " + *a + "s \n(" + *b + " kicker)";
      }
      if (category == TwoPair) {
        return "Two Pair \n(" + *a + "s and " + *b + "s)";
      }
      return "Full House \n(" + *a + "s over " + *b + "s)";
    }
    case ThreeOfAKind:
      return "Three " + *a + "s";
    case Straight:
      return *a + " high Straight";
    case FourOfAKind:
      return "Four " + *a + "s";
    case Flush:
    case StraightFlush: {
      const auto suit = SuitWord(rank[6]);
      if (!suit) {
        return std::nullopt;
      }
      return *a + (category == Flush ? " high Flush \n(" : " high Straight Flush \n(") + *suit +
             "s)";
    }
    default:
      return std::nullopt;
  }
}

}  // namespace

bool IsNoHand(const HandRank& rank) {
  return std::all_of(rank.begin(), rank.end(), [](std::int32_t field) { return field == 0; });
}

std::string DescribeHand(const HandRank& rank) {
  if (IsNoHand(rank)) {
    return std::string(NoHandText);
  }
  return Describe(rank).value_or(std::string(HandRankErrorText));
}

bool NamesHand(const HandRank& rank) {
  return IsNoHand(rank) || Describe(rank).has_value();
}

}  // namespace velmora

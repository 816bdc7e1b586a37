// A ranked hand as one number, for the code that ranks hands by the million
// (the advisor, the simulator): fields 0..5 of its HandRank, four bits each
// and the category highest, so that comparing two values compares the hands
// as CompareRanks does. The flush suit, which never counts, is left out.
#pragma once

#include "cards/Cards.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace velmora {

using HandValue = std::uint32_t;

constexpr HandValue PackHandValue(const HandRank& rank) {
  HandValue value = 0;
  for (int field = 0; field < 6; ++field) {
    value = value << 4 | static_cast<HandValue>(rank[field] & 15);
  }
  return value;
}

// The suit field reads 0.
constexpr HandRank UnpackHandValue(HandValue value) {
  return {static_cast<std::int32_t>(value >> 20),
          static_cast<std::int32_t>(value >> 16 & 15u),
          static_cast<std::int32_t>(value >> 12 & 15u),
          static_cast<std::int32_t>(value >> 8 & 15u),
          static_cast<std::int32_t>(value >> 4 & 15u),
          static_cast<std::int32_t>(value & 15u),
          0};
}

// The ranks of a handful of cards as one number: the sum of their rank keys.
// The keys are chosen so that two handfuls of up to five cards, no rank more
// than four times, have the same sum exactly when they hold the same ranks.
// The deuce to the eight count in the low half-word, the nine to the ace in
// the high one, each half on its own unique (the smallest such keys, found by
// trying every handful).
inline constexpr std::array<std::uint32_t, 13> RankKeys{
    1, 5, 22, 94, 312, 992, 2422, 1u << 16, 5u << 16, 22u << 16, 94u << 16, 312u << 16, 992u << 16};

// A card's rank key and its suit bit (five cards are of one suit exactly
// when their bits, ANDed, leave one), looked up by card: the advisor adds
// them up for every card it draws, and a lookup spares the division by 13.
// The ranking's exhaustive test holds them to RankIndex and SuitNumber.
namespace detail {
template <typename Value, typename Of>
constexpr std::array<Value, 53> ByCard(Of of) {
  std::array<Value, 53> values{};
  for (Card card = 1; card <= 52; ++card) {
    values[static_cast<std::size_t>(card)] = static_cast<Value>(of(card));
  }
  return values;
}
inline constexpr auto kRankKeyByCard = ByCard<std::uint32_t>(
    [](Card card) { return RankKeys[static_cast<std::size_t>(RankIndex(card))]; });
inline constexpr auto kSuitBitByCard =
    ByCard<std::uint8_t>([](Card card) { return 1u << (SuitNumber(card) - 1); });
}  // namespace detail

constexpr std::uint32_t RankKeyOf(Card card) {
  return detail::kRankKeyByCard[static_cast<std::size_t>(card)];
}

constexpr unsigned SuitBitOf(Card card) {
  return detail::kSuitBitByCard[static_cast<std::size_t>(card)];
}

// The value of five cards whose rank keys add up to `rankKeySum`, ranked as
// though they were not all of one suit. No rank may be counted five times.
HandValue ValueOfRanks(std::uint32_t rankKeySum);

}  // namespace velmora

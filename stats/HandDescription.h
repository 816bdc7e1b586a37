// The text that names a hand in full, as the statistics window shows the best
// hands: "Pair of Queens \n(Nine kicker)".
#pragma once

#include "cards/Cards.h"

#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::string_view NoHandText = "(None)";
inline constexpr std::string_view HandRankErrorText =
    "Hand Rank program error.. Please notify the author";

// One or two lines; where there are two, the first ends with a blank and a
// line feed. An all-zero rank gives "(None)". A category outside 0..9, or a
// rank word or suit word the text would need that lies outside the word
// tables, gives HandRankErrorText rather than reading past a table.
std::string DescribeHand(const HandRank& rank);
// An all-zero rank, which a game has before its first hand: "(None)".
bool IsNoHand(const HandRank& rank);
// Whether DescribeHand names `rank`, "(None)" included, rather than giving
// HandRankErrorText.
bool NamesHand(const HandRank& rank);

}  // namespace velmora

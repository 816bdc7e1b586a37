#include "dialogs/help/HandRankExamples.h"

namespace velmora::help {

namespace {

constexpr std::array<HandRankExample, 10> Examples{{
    {RoyalFlush,
     "Royal Flush",
     "Royal Flush\n(Spades)",
     {52, 51, 50, 49, 48},
     "The ace, king, queen, jack and ten of one suit: a straight flush topped by the ace. "
     "It is the highest hand in nothing-wild poker, and two royal flushes tie whatever "
     "their suits."},
    {StraightFlush,
     "Straight Flush",
     " Eight High Straight Flush \n(Diamonds)",
     {20, 19, 18, 17, 16},
     "Five cards of one suit in sequence, ranked by the highest card. The ace may play "
     "low, so 5, 4, 3, 2, A is the lowest straight flush. Suits never break ties."},
    {FourOfAKind,
     "Four of a Kind",
     "Four Sevens",
     {6, 19, 45, 32, 12},
     "Four cards of one rank and one other card, the kicker. Ranked by the four: "
     "K, K, K, K, 4 beats 10, 10, 10, 10, A."},
    {FullHouse,
     "Full House",
     "Full House\n(Deuces over Fives)",
     {27, 1, 40, 17, 30},
     "Three cards of one rank and two of another. Ranked by the three: "
     "4, 4, 4, 3, 3 beats 2, 2, 2, A, A."},
    {Flush,
     "Flush",
     "King High Flush\n(Spades)",
     {51, 47, 43, 42, 40},
     "Five cards of one suit, not in sequence. Compared card by card from the highest "
     "down: A, 7, 5, 4, 2 beats K, Q, J, 10, 8, and J, 8, 7, 5, 3 beats J, 8, 7, 5, 2. "
     "Suits never break ties."},
    {Straight,
     "Straight",
     "Jack High Straight",
     {10, 22, 34, 20, 45},
     "Five cards in sequence, not all of one suit, ranked by the highest card. The ace "
     "plays high or low: A, K, Q, J, 10 and 5, 4, 3, 2, A are both straights, but "
     "Q, K, A, 2, 3 is not."},
    {ThreeOfAKind,
     "Three of a Kind",
     "Three Nines",
     {21, 34, 8, 36, 6},
     "Three cards of one rank and two unmatched cards. Ranked by the "
     "three: 9, 9, 9, 3, 2 beats 8, 8, 8, A, K."},
    {TwoPair,
     "Two Pair",
     "Two Pair\n(Jacks and Fours)",
     {49, 23, 3, 16, 19},
     "Two pairs and one other card, the kicker. Ranked by the higher pair, then the lower "
     "pair, then the kicker: J, J, 4, 4, 7 beats J, J, 3, 3, A."},
    {Pair,
     "Pair",
     "Pair of Queens\n(Nine Kicker)",
     {37, 11, 14, 3, 34},
     "Two cards of one rank and three kickers of different ranks. Ranked by the pair, "
     "then each kicker in turn: 4, 4, A, J, 7 beats 4, 4, A, 10, 9."},
    {HighCard,
     "High Card",
     "Ace High\n(Jack Kicker)",
     {52, 23, 5, 15, 40},
     "Any hand that makes none of the other nine ranks. Compared card by card from the highest "
     "down: A, J, 6, 3, 2 beats A, 10, 9, 8, 7. Suits never break ties."},
}};

}  // namespace

const std::array<HandRankExample, 10>& HandRankExamples() {
  return Examples;
}

}  // namespace velmora::help

#include "dialogs/help/HandRankExamples.h"

#include <QtGlobal>

namespace velmora::help {

namespace {

constexpr std::array<HandRankExample, 10> Examples{{
    {RoyalFlush,
     QT_TRANSLATE_NOOP("velmora::help", "Royal Flush"),
     QT_TRANSLATE_NOOP("velmora::help", "Royal Flush\n(Spades)"),
     {52, 51, 50, 49, 48},
     QT_TRANSLATE_NOOP(
         "velmora::help",
         "The ace, king, queen, jack and ten of one suit: a straight flush topped by the ace. "
         "It is the highest hand in nothing-wild poker, and two royal flushes tie whatever "
         "their suits.")},
    {StraightFlush,
     QT_TRANSLATE_NOOP("velmora::help", "Straight Flush"),
     QT_TRANSLATE_NOOP("velmora::help", " Eight High Straight Flush \n(Diamonds)"),
     {20, 19, 18, 17, 16},
     QT_TRANSLATE_NOOP(
         "velmora::help",
         "Five cards of one suit in sequence, ranked by the highest card. The ace may play "
         "low, so 5, 4, 3, 2, A is the lowest straight flush. Suits never break ties.")},
    {FourOfAKind,
     QT_TRANSLATE_NOOP("velmora::help", "Four of a Kind"),
     QT_TRANSLATE_NOOP("velmora::help", "Four Sevens"),
     {6, 19, 45, 32, 12},
     QT_TRANSLATE_NOOP("velmora::help",
                       "Four cards of one rank and one other card, the kicker. Ranked by the four: "
                       "K, K, K, K, 4 beats 10, 10, 10, 10, A.")},
    {FullHouse,
     QT_TRANSLATE_NOOP("velmora::help", "Full House"),
     QT_TRANSLATE_NOOP("velmora::help", "Full House\n(Deuces over Fives)"),
     {27, 1, 40, 17, 30},
     QT_TRANSLATE_NOOP("velmora::help",
                       "Three cards of one rank and two of another. Ranked by the three: "
                       "4, 4, 4, 3, 3 beats 2, 2, 2, A, A.")},
    {Flush,
     QT_TRANSLATE_NOOP("velmora::help", "Flush"),
     QT_TRANSLATE_NOOP("velmora::help", "King High Flush\n(Spades)"),
     {51, 47, 43, 42, 40},
     QT_TRANSLATE_NOOP(
         "velmora::help",
         "Five cards of one suit, not in sequence. Compared card by card from the highest "
         "down: A, 7, 5, 4, 2 beats K, Q, J, 10, 8, and J, 8, 7, 5, 3 beats J, 8, 7, 5, 2. "
         "Suits never break ties.")},
    {Straight,
     QT_TRANSLATE_NOOP("velmora::help", "Straight"),
     QT_TRANSLATE_NOOP("velmora::help", "Jack High Straight"),
     {10, 22, 34, 20, 45},
     QT_TRANSLATE_NOOP(
         "velmora::help",
         "Five cards in sequence, not all of one suit, ranked by the highest card. The ace "
         "plays high or low: A, K, Q, J, 10 and 5, 4, 3, 2, A are both straights, but "
         "Q, K, A, 2, 3 is not.")},
    {ThreeOfAKind,
     QT_TRANSLATE_NOOP("velmora::help", "Three of a Kind"),
     QT_TRANSLATE_NOOP("velmora::help", "Three Nines"),
     {21, 34, 8, 36, 6},
     QT_TRANSLATE_NOOP("velmora::help",
                       "Three cards of one rank and two unmatched cards. Ranked by the "
                       "three: 9, 9, 9, 3, 2 beats 8, 8, 8, A, K.")},
    {TwoPair,
     QT_TRANSLATE_NOOP("velmora::help", "Two Pair"),
     QT_TRANSLATE_NOOP("velmora::help", "Two Pair\n(Jacks and Fours)"),
     {49, 23, 3, 16, 19},
     QT_TRANSLATE_NOOP(
         "velmora::help",
         "Two pairs and one other card, the kicker. Ranked by the higher pair, then the lower "
         "pair, then the kicker: J, J, 4, 4, 7 beats J, J, 3, 3, A.")},
    {Pair,
     QT_TRANSLATE_NOOP("velmora::help", "Pair"),
     QT_TRANSLATE_NOOP("velmora::help", "Pair of Queens\n(Nine Kicker)"),
     {37, 11, 14, 3, 34},
     QT_TRANSLATE_NOOP(
         "velmora::help",
         "Two cards of one rank and three kickers of different ranks. Ranked by the pair, "
         "then each kicker in turn: 4, 4, A, J, 7 beats 4, 4, A, 10, 9.")},
    {HighCard,
     QT_TRANSLATE_NOOP("velmora::help", "High Card"),
     QT_TRANSLATE_NOOP("velmora::help", "Ace High\n(Jack Kicker)"),
     {52, 23, 5, 15, 40},
     QT_TRANSLATE_NOOP(
         "velmora::help",
         "Any hand that makes none of the other nine ranks. Compared card by card from the highest "
         "down: A, J, 6, 3, 2 beats A, 10, 9, 8, 7. Suits never break ties.")},
}};

}  // namespace

const std::array<HandRankExample, 10>& HandRankExamples() {
  return Examples;
}

}  // namespace velmora::help

#include "media/GameWords.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace velmora {

namespace {

// One context for all of them, so that a translator finds the words of a
// hand together.
constexpr char Context[] = "GameWords";

QString Translated(const char* text) {
  return QCoreApplication::translate(Context, text);
}

constexpr std::array<const char*, 10> CategoryWords{
    "",
    QT_TRANSLATE_NOOP("GameWords", "Pair"),
    QT_TRANSLATE_NOOP("GameWords", "Two Pair"),
    QT_TRANSLATE_NOOP("GameWords", "Three of a Kind"),
    QT_TRANSLATE_NOOP("GameWords", "Straight"),
    QT_TRANSLATE_NOOP("GameWords", "Flush"),
    QT_TRANSLATE_NOOP("GameWords", "Full House"),
    QT_TRANSLATE_NOOP("GameWords", "Four of a Kind"),
    QT_TRANSLATE_NOOP("GameWords", "Straight Flush"),
    QT_TRANSLATE_NOOP("GameWords", "Royal Flush"),
};

// "Deuce" as in "Deuce high", "Deuces" as in "Pair of Deuces".
constexpr std::array<const char*, 13> SingleRanks{
    QT_TRANSLATE_NOOP("GameWords", "Deuce"), QT_TRANSLATE_NOOP("GameWords", "Three"),
    QT_TRANSLATE_NOOP("GameWords", "Four"),  QT_TRANSLATE_NOOP("GameWords", "Five"),
    QT_TRANSLATE_NOOP("GameWords", "Six"),   QT_TRANSLATE_NOOP("GameWords", "Seven"),
    QT_TRANSLATE_NOOP("GameWords", "Eight"), QT_TRANSLATE_NOOP("GameWords", "Nine"),
    QT_TRANSLATE_NOOP("GameWords", "Ten"),   QT_TRANSLATE_NOOP("GameWords", "Jack"),
    QT_TRANSLATE_NOOP("GameWords", "Queen"), QT_TRANSLATE_NOOP("GameWords", "King"),
    QT_TRANSLATE_NOOP("GameWords", "Ace")};
constexpr std::array<const char*, 13> SeveralRanks{
    QT_TRANSLATE_NOOP("GameWords", "Deuces"), QT_TRANSLATE_NOOP("GameWords", "Threes"),
    QT_TRANSLATE_NOOP("GameWords", "Fours"),  QT_TRANSLATE_NOOP("GameWords", "Fives"),
    QT_TRANSLATE_NOOP("GameWords", "Sixs"),   QT_TRANSLATE_NOOP("GameWords", "Sevens"),
    QT_TRANSLATE_NOOP("GameWords", "Eights"), QT_TRANSLATE_NOOP("GameWords", "Nines"),
    QT_TRANSLATE_NOOP("GameWords", "Tens"),   QT_TRANSLATE_NOOP("GameWords", "Jacks"),
    QT_TRANSLATE_NOOP("GameWords", "Queens"), QT_TRANSLATE_NOOP("GameWords", "Kings"),
    QT_TRANSLATE_NOOP("GameWords", "Aces")};
constexpr std::array<const char*, 4> Suits{
    QT_TRANSLATE_NOOP("GameWords", "Hearts"), QT_TRANSLATE_NOOP("GameWords", "Diamonds"),
    QT_TRANSLATE_NOOP("GameWords", "Clubs"), QT_TRANSLATE_NOOP("GameWords", "Spades")};

// The same suits in a card's name, where some languages say them otherwise
// ("as de pique" beside a flush "à piques").
constexpr std::array<std::array<const char*, 2>, 4> CardSuits{{
    QT_TRANSLATE_NOOP3("GameWords", "Hearts", "in a card's name"),
    QT_TRANSLATE_NOOP3("GameWords", "Diamonds", "in a card's name"),
    QT_TRANSLATE_NOOP3("GameWords", "Clubs", "in a card's name"),
    QT_TRANSLATE_NOOP3("GameWords", "Spades", "in a card's name"),
}};

bool IsRank(std::int32_t rank) {
  return rank >= 0 && rank < 13;
}

bool IsSuit(std::int32_t suitNumber) {
  return suitNumber >= 1 && suitNumber <= 4;
}

// Mirrors DescribeHand: a field the category does not use may hold anything;
// one it uses that lies outside the tables makes the whole text the error.
bool UsesValidWords(const HandRank& rank) {
  const std::int32_t category = rank[0];
  switch (category) {
    case RoyalFlush:
      return IsSuit(rank[6]);
    case HighCard:
    case Pair:
    case TwoPair:
    case FullHouse:
      return IsRank(rank[1]) && IsRank(rank[2]);
    case ThreeOfAKind:
    case Straight:
    case FourOfAKind:
      return IsRank(rank[1]);
    case Flush:
    case StraightFlush:
      return IsRank(rank[1]) && IsSuit(rank[6]);
    default:
      return false;
  }
}

}  // namespace

QString HandCategoryWord(std::int32_t category) {
  if (category <= HighCard || category > RoyalFlush) {
    return QString();
  }
  return Translated(CategoryWords.at(static_cast<std::size_t>(category)));
}

QString RankWord(std::int32_t rank) {
  return IsRank(rank) ? Translated(SingleRanks.at(static_cast<std::size_t>(rank))) : QString();
}

QString RankWords(std::int32_t rank) {
  return IsRank(rank) ? Translated(SeveralRanks.at(static_cast<std::size_t>(rank))) : QString();
}

QString SuitWords(std::int32_t suitNumber) {
  return IsSuit(suitNumber) ? Translated(Suits.at(static_cast<std::size_t>(suitNumber - 1)))
                            : QString();
}

QString CardWords(Card card) {
  const auto& suit = CardSuits.at(static_cast<std::size_t>(SuitNumber(card) - 1));
  //: A card's name, "Ace of Spades": %1 the rank, %2 the suit.
  return QCoreApplication::translate("GameWords", "%1 of %2")
      .arg(RankWord(RankIndex(card)), QCoreApplication::translate(Context, suit[0], suit[1]));
}

QString HandDescriptionText(const HandRank& rank) {
  if (std::all_of(rank.begin(), rank.end(), [](std::int32_t field) { return field == 0; })) {
    return QCoreApplication::translate("GameWords", "(None)");
  }
  if (!UsesValidWords(rank)) {
    return QCoreApplication::translate("GameWords",
                                       "Hand Rank program error.. Please notify the author");
  }
  const QString suit = SuitWords(rank[6]);
  const QString a = RankWord(rank[1]);
  const QString b = RankWord(rank[2]);
  const QString as = RankWords(rank[1]);
  const QString bs = RankWords(rank[2]);
  // Two lines end the first with a blank and a line feed, as the English does.
  switch (rank[0]) {
    case RoyalFlush:
      return QCoreApplication::translate("GameWords", "Royal Flush \n(%1)").arg(suit);
    case HighCard:
      //: %1 the highest card, %2 the next one.
      return QCoreApplication::translate("GameWords", "%1 high \n(%2 kicker)").arg(a, b);
    case Pair:
      //: %1 the rank of the pair (several), %2 the highest other card (one).
      return QCoreApplication::translate("GameWords", "Pair of %1 \n(%2 kicker)").arg(as, b);
    case TwoPair:
      return QCoreApplication::translate("GameWords", "Two Pair \n(%1 and %2)").arg(as, bs);
    case FullHouse:
      //: %1 the rank of the three, %2 the rank of the two.
      return QCoreApplication::translate("GameWords", "Full House \n(%1 over %2)").arg(as, bs);
    case ThreeOfAKind:
      return QCoreApplication::translate("GameWords", "Three %1").arg(as);
    case Straight:
      return QCoreApplication::translate("GameWords", "%1 high Straight").arg(a);
    case FourOfAKind:
      return QCoreApplication::translate("GameWords", "Four %1").arg(as);
    case Flush:
      return QCoreApplication::translate("GameWords", "%1 high Flush \n(%2)").arg(a, suit);
    default:
      return QCoreApplication::translate("GameWords", "%1 high Straight Flush \n(%2)").arg(a, suit);
  }
}

}  // namespace velmora

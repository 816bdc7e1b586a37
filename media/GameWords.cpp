#include "media/GameWords.h"

#include <QCoreApplication>

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

}  // namespace velmora

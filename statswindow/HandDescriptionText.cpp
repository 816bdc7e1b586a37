#include "statswindow/HandDescriptionText.h"

#include "media/GameWords.h"
#include "stats/HandDescription.h"

#include <QCoreApplication>

namespace velmora {

QString HandDescriptionText(const HandRank& rank) {
  if (IsNoHand(rank)) {
    return QCoreApplication::translate("GameWords", "(None)");
  }
  if (!NamesHand(rank)) {
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

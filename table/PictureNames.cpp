#include "table/PictureNames.h"

#include "cards/CardNames.h"
#include "media/Images.h"

#include <QLabel>
#include <QLocale>

namespace velmora {

QString CardPictureName(int imageId) {
  if (imageId == KingOfHeartsAltImageId) {
    return QString::fromStdString(CardName(KingOfHearts));
  }
  if (imageId >= BackImageId(0)) {
    return QStringLiteral("face down");
  }
  return QString::fromStdString(CardName(imageId));
}

QString MarkedCardName(int card) {
  return CardPictureName(card) + QStringLiteral(", marked for discard");
}

QString BillName(std::int32_t denomination) {
  // Spoken, not shown: the thousands separators help the listener.
  const QString amount = QLocale(QLocale::English, QLocale::UnitedStates).toString(denomination);
  return QStringLiteral("$%1 %2").arg(amount, denomination >= 5000 ? "bundle" : "bill");
}

void ShowCardPicture(QLabel& place, int imageId) {
  ShowImage(place, imageId);
  place.setAccessibleName(CardPictureName(imageId));
}

void ShowMarkedCard(QLabel& place, int backId, int card) {
  ShowImage(place, backId);
  place.setAccessibleName(MarkedCardName(card));
}

void ShowBillPicture(QLabel& slot, std::int32_t denomination) {
  ShowImage(slot, DenominationImageId(denomination));
  slot.setAccessibleName(BillName(denomination));
}

void EmptyPicture(QLabel& place) {
  ClearImage(place);
  place.setAccessibleName(QStringLiteral("empty"));
}

}  // namespace velmora

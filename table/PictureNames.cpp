#include "table/PictureNames.h"

#include "media/GameWords.h"
#include "media/Images.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>

namespace velmora {

namespace {

QString Translated(const char* text) {
  return QCoreApplication::translate("PictureNames", text);
}

}  // namespace

QString CardPictureName(int imageId) {
  if (imageId == KingOfHeartsAltImageId) {
    return CardWords(KingOfHearts);
  }
  if (imageId >= BackImageId(0)) {
    return Translated(QT_TRANSLATE_NOOP("PictureNames", "face down"));
  }
  return CardWords(imageId);
}

QString MarkedCardName(int card) {
  //: Spoken: %1 the card's name.
  return Translated(QT_TRANSLATE_NOOP("PictureNames", "%1, marked for discard"))
      .arg(CardPictureName(card));
}

QString BillName(std::int32_t denomination) {
  // Spoken, not shown: the thousands separators help the listener.
  const QString amount = QLocale(QLocale::English, QLocale::UnitedStates).toString(denomination);
  return denomination >= 5000
             ? Translated(QT_TRANSLATE_NOOP("PictureNames", "$%1 bundle")).arg(amount)
             : Translated(QT_TRANSLATE_NOOP("PictureNames", "$%1 bill")).arg(amount);
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
  place.setAccessibleName(Translated(QT_TRANSLATE_NOOP("PictureNames", "empty")));
}

}  // namespace velmora

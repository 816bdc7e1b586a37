// The table's pictures as a screen reader speaks them. Every change of a card
// place or a bill slot goes through here, so that its accessible name always
// says what it shows.
#pragma once

#include <QString>

#include <cstdint>

class QLabel;

namespace velmora {

// "Ace of Spades" for a face (the king of hearts in either of its two faces),
// "face down" for a back.
QString CardPictureName(int imageId);
// "$500 bill"; from $5,000 up the tray holds strapped bundles: "$5,000 bundle".
QString BillName(std::int32_t denomination);

// "Five of Clubs, marked for discard": the player's card under the back that marks it.
QString MarkedCardName(int card);

// Shows picture `imageId` (a face or a back) in a card place.
void ShowCardPicture(QLabel& place, int imageId);
// Shows back `backId` over the player's `card`, marked for discard.
void ShowMarkedCard(QLabel& place, int backId, int card);
void ShowBillPicture(QLabel& slot, std::int32_t denomination);
// A card place or bill slot that shows nothing says "empty".
void EmptyPicture(QLabel& place);

}  // namespace velmora

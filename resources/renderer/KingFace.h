// Where the upper head's face lies on the king of hearts, in card pixels. The
// lower head is the same area turned half round the card's centre.
#pragma once

#include <QRectF>

namespace velmora::art {

inline constexpr QRectF KingFaceArea{28.0, 16.0, 13.0, 14.0};

}  // namespace velmora::art

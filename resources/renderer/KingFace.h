// Where the upper head's face lies on the king of hearts, in card pixels. The
// lower head is the same area turned half round the card: pixel (x, y) of the
// upper face is pixel (70 - x, 95 - y) of the lower one.
#pragma once

#include <QRect>

namespace velmora::art {

inline constexpr QRect KingFaceArea{30, 17, 11, 13};

}  // namespace velmora::art

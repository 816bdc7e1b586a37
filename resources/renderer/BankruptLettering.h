// The good news on the bankrupt picture. The dialog shows the picture 2
// pixels in from its panel's edge and lays an olive bar over the panel's
// x 228..231, that is the picture's x 226..229: the lettering must end left
// of it. The dialog's New Game button lies over the picture too, at the
// dialog's 133, 124, which is the picture's 129, 109 (the panel stands at
// 2, 10 and the picture 2, 5 inside it): the lettering must end above it.
#pragma once

#include "resources/renderer/Paint.h"

#include <QRectF>
#include <QString>

namespace velmora::art::bankrupt {

inline constexpr qreal DividerLeft = 226;
inline constexpr QRectF NewGameButton{129, 109, 75, 25};

inline const QString CreditText = QStringLiteral("Credit Extension");
inline const QString ApprovedText = QStringLiteral("Approved!");
// Centred over the New Game button.
inline constexpr QRectF CreditBox{110, 71, 112, 18};
inline constexpr QRectF ApprovedBox{110, 89, 112, 18};
inline constexpr qreal LetteringOutline = 0.8;

inline QFont LetteringFont() {
  return Font(SerifFamily, 15, true, true);
}

}  // namespace velmora::art::bankrupt

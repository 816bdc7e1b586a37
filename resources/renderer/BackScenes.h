// The scenes of the ten card backs. Each paints a scene of `size` pixels with
// its top-left corner at the origin; the caller frames it like a card.
#pragma once

#include <QColor>
#include <QPointF>
#include <QSizeF>

class QPainter;

namespace velmora::art {

class Sources;

void PaintClownScene(QPainter& painter, QSizeF size);
void PaintLighthouseScene(QPainter& painter, QSizeF size, const Sources& sources);
void PaintBuckingHorseScene(QPainter& painter, QSizeF size, const Sources& sources);
void PaintPigsScene(QPainter& painter, QSizeF size, const Sources& sources);
void PaintChurchScene(QPainter& painter, QSizeF size);
void PaintEiffelScene(QPainter& painter, QSizeF size, const Sources& sources);
void PaintCragsScene(QPainter& painter, QSizeF size, const Sources& sources);
void PaintSwirlScene(QPainter& painter, QSizeF size);
void PaintTwoClownsScene(QPainter& painter, QSizeF size);
void PaintBridgeScene(QPainter& painter, QSizeF size);

// A laughing clown's face in white make-up, `height` tall, centred on `centre`.
struct ClownLook {
  QColor hair;
  QColor paint;  // the diamonds round the eyes
  bool hat = false;
  QColor hatColour;
};
void PaintClownFace(QPainter& painter, QPointF centre, qreal height, const ClownLook& look);

}  // namespace velmora::art

// The ten card backs: a scene inside a white margin, framed like a card.

#include "resources/Catalogue.h"
#include "resources/renderer/BackScenes.h"
#include "resources/renderer/Paint.h"
#include "resources/renderer/Pictures.h"

#include <QPainter>

#include <functional>

namespace velmora::art {

namespace {

constexpr qreal Margin = 4.0;

void PaintBack(QPainter& painter, const std::function<void(QPainter&, QSizeF)>& scene) {
  const QRectF card(QPointF(0, 0), catalogue::CardSize);
  PaintCardBlank(painter, card);
  const QRectF area = card.adjusted(Margin, Margin, -Margin, -Margin);
  painter.save();
  painter.setClipPath(RoundedRect(area, 2.0));
  painter.translate(area.topLeft());
  scene(painter, area.size());
  painter.restore();
  painter.save();
  painter.setPen(QPen(QColor(0, 0, 0, 150), 0.8));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(RoundedRect(area.adjusted(0.4, 0.4, -0.4, -0.4), 2.0));
  painter.restore();
}

}  // namespace

void AddCardBacks(PictureList& pictures, const Sources& sources) {
  const std::array<std::function<void(QPainter&, QSizeF)>, BackCount> scenes{
      [](QPainter& p, QSizeF s) { PaintClownScene(p, s); },
      [&sources](QPainter& p, QSizeF s) { PaintLighthouseScene(p, s, sources); },
      [&sources](QPainter& p, QSizeF s) { PaintBuckingHorseScene(p, s, sources); },
      [&sources](QPainter& p, QSizeF s) { PaintPigsScene(p, s, sources); },
      [](QPainter& p, QSizeF s) { PaintChurchScene(p, s); },
      [&sources](QPainter& p, QSizeF s) { PaintEiffelScene(p, s, sources); },
      [&sources](QPainter& p, QSizeF s) { PaintCragsScene(p, s, sources); },
      [](QPainter& p, QSizeF s) { PaintSwirlScene(p, s); },
      [](QPainter& p, QSizeF s) { PaintTwoClownsScene(p, s); },
      [](QPainter& p, QSizeF s) { PaintBridgeScene(p, s); },
  };
  for (int back = 0; back < BackCount; ++back) {
    const auto& scene = scenes[static_cast<std::size_t>(back)];
    pictures.push_back({QString::number(BackImageId(back)), catalogue::CardSize,
                        [scene](QPainter& painter) { PaintBack(painter, scene); }});
  }
}

}  // namespace velmora::art

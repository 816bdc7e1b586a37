#include "resources/renderer/Sources.h"

#include "resources/renderer/SvgPassOn.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtGlobal>

namespace velmora::art {

Sources::Sources(const QString& deckFile, const QString& clipartFolder)
    : deck_(std::make_unique<QSvgRenderer>(deckFile)), clipartFolder_(clipartFolder) {
  // A missing package must fail the build, not leave blank cards in the game.
  if (!deck_->isValid()) {
    qFatal("Cannot read the card deck %s", qPrintable(deckFile));
  }
}

Sources::~Sources() = default;

void Sources::RenderDeckElement(QPainter& painter, const QString& element,
                                const QRectF& target) const {
  if (!deck_->elementExists(element)) {
    qFatal("The card deck has no element %s", qPrintable(element));
  }
  DrawPassingOn(painter, [&](QPainter& drawing) { deck_->render(&drawing, element, target); });
}

QSvgRenderer& Sources::Clipart(const QString& file) const {
  auto found = clipart_.find(file);
  if (found == clipart_.end()) {
    auto renderer = std::make_unique<QSvgRenderer>(clipartFolder_ + QLatin1Char('/') + file);
    if (!renderer->isValid()) {
      qFatal("Cannot read the clip art %s", qPrintable(file));
    }
    found = clipart_.emplace(file, std::move(renderer)).first;
  }
  return *found->second;
}

void Sources::RenderClipart(QPainter& painter, const QString& file, const QRectF& crop,
                            const QRectF& target) const {
  QSvgRenderer& renderer = Clipart(file);
  const QRectF whole = renderer.viewBoxF();
  renderer.setViewBox(crop.isEmpty() ? whole : crop);
  painter.save();
  painter.setClipRect(target, Qt::IntersectClip);
  DrawPassingOn(painter, [&](QPainter& drawing) { renderer.render(&drawing, target); });
  painter.restore();
  renderer.setViewBox(whole);
}

}  // namespace velmora::art

// The installed vector art the renderer draws from: the card deck and the
// public-domain clip art. Nothing of it is copied into the project; the build
// renders from the installed packages.
#pragma once

#include <QRectF>
#include <QString>

#include <map>
#include <memory>

class QPainter;
class QSvgRenderer;

namespace velmora::art {

class Sources {
 public:
  Sources(const QString& deckFile, const QString& clipartFolder);
  ~Sources();
  Sources(const Sources&) = delete;
  Sources& operator=(const Sources&) = delete;

  // Draws one element of the deck (for example "king_heart") filling `target`.
  void RenderDeckElement(QPainter& painter, const QString& element, const QRectF& target) const;

  // Draws the part `crop` (in the file's own coordinates; empty for all of it)
  // of a clip-art file, given relative to the clip-art folder, into `target`.
  void RenderClipart(QPainter& painter, const QString& file, const QRectF& crop,
                     const QRectF& target) const;

 private:
  QSvgRenderer& Clipart(const QString& file) const;

  std::unique_ptr<QSvgRenderer> deck_;
  QString clipartFolder_;
  // Each clip-art file is parsed once however many pictures use it.
  mutable std::map<QString, std::unique_ptr<QSvgRenderer>> clipart_;
};

}  // namespace velmora::art

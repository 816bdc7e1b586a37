// One picture drawn by its painting code: into an image at any scale, or
// recorded as an SVG document for the desktop's scalable icons.
#pragma once

#include "resources/renderer/Pictures.h"

#include <QByteArray>
#include <QImage>

namespace velmora::art {

// The picture at `scale` times its size, on a transparent background.
QImage RenderImage(const Picture& picture, qreal scale);

// The same painting as SVG, `picture.size` pixels wide and high. Images the
// painting draws (the deck's court figures are pixel art) become squares, one
// path per colour, so that the document is vector art throughout.
QByteArray RenderSvg(const Picture& picture, const QString& title);

}  // namespace velmora::art

// Drawing an installed SVG file into a recorded SVG document.
#pragma once

#include <functional>

class QPainter;

namespace velmora::art {

// Runs `draw` on a painter whose every state change and drawing is passed on
// to `target`, except that a pen with an empty brush becomes no pen. From Qt
// 6.11 on, QSvgRenderer draws "stroke: none" with such a pen: a raster image
// shows nothing for it, but QSvgGenerator writes the pen's colour as a
// stroke, and every SVG reader would then draw an outline the raster pictures
// lack. On any device but an SVG generator, `draw` gets `target` itself.
void DrawPassingOn(QPainter& target, const std::function<void(QPainter&)>& draw);

}  // namespace velmora::art

#include "resources/renderer/SvgPassOn.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QtGlobal>

namespace velmora::art {
namespace {

class PassOnEngine : public QPaintEngine {
 public:
  explicit PassOnEngine(QPainter& target)
      : QPaintEngine(AllFeatures),
        target_(target),
        base_(target.worldTransform()),
        baseOpacity_(target.opacity()) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return User; }

  void updateState(const QPaintEngineState& state) override {
    const DirtyFlags dirty = state.state();
    if (dirty & (DirtyClipPath | DirtyClipRegion | DirtyClipEnabled)) {
      // Nothing the deck or the clip art draws clips; a clip passed on
      // without the target's own would show what the picture cuts away.
      qFatal("An SVG drawing into a recorded picture set a clip, which is not passed on");
    }
    if (dirty & DirtyPen) {
      const QPen pen = state.pen();
      target_.setPen(pen.brush().style() == Qt::NoBrush ? QPen(Qt::NoPen) : pen);
    }
    if (dirty & DirtyBrush) {
      target_.setBrush(state.brush());
    }
    if (dirty & DirtyBrushOrigin) {
      target_.setBrushOrigin(state.brushOrigin());
    }
    if (dirty & DirtyFont) {
      target_.setFont(state.font());
    }
    if (dirty & DirtyBackground) {
      target_.setBackground(state.backgroundBrush());
    }
    if (dirty & DirtyBackgroundMode) {
      target_.setBackgroundMode(state.backgroundMode());
    }
    if (dirty & DirtyTransform) {
      target_.setWorldTransform(state.transform() * base_);
    }
    if (dirty & DirtyHints) {
      target_.setRenderHints(state.renderHints());
    }
    if (dirty & DirtyCompositionMode) {
      target_.setCompositionMode(state.compositionMode());
    }
    if (dirty & DirtyOpacity) {
      target_.setOpacity(baseOpacity_ * state.opacity());
    }
  }

  void drawPath(const QPainterPath& path) override { target_.drawPath(path); }

  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
    if (mode == PolylineMode) {
      target_.drawPolyline(points, count);
    } else {
      target_.drawPolygon(points, count, mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    }
  }

  void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) override {
    target_.drawPixmap(rect, pixmap, source);
  }

  void drawImage(const QRectF& rect, const QImage& image, const QRectF& source,
                 Qt::ImageConversionFlags flags) override {
    target_.drawImage(rect, image, source, flags);
  }

  void drawTiledPixmap(const QRectF& rect, const QPixmap& pixmap, const QPointF& offset) override {
    target_.drawTiledPixmap(rect, pixmap, offset);
  }

 private:
  QPainter& target_;
  const QTransform base_;
  const qreal baseOpacity_;
};

// Measures as the target's device does, so that the drawing is laid out the
// same.
class PassOnDevice : public QPaintDevice {
 public:
  explicit PassOnDevice(QPainter& target) : target_(*target.device()), engine_(target) {}
  QPaintEngine* paintEngine() const override { return &engine_; }

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth:
        return target_.width();
      case PdmHeight:
        return target_.height();
      case PdmWidthMM:
        return target_.widthMM();
      case PdmHeightMM:
        return target_.heightMM();
      case PdmNumColors:
        return target_.colorCount();
      case PdmDepth:
        return target_.depth();
      case PdmDpiX:
        return target_.logicalDpiX();
      case PdmDpiY:
        return target_.logicalDpiY();
      case PdmPhysicalDpiX:
        return target_.physicalDpiX();
      case PdmPhysicalDpiY:
        return target_.physicalDpiY();
      default:
        return QPaintDevice::metric(metric);
    }
  }

 private:
  const QPaintDevice& target_;
  mutable PassOnEngine engine_;
};

}  // namespace

void DrawPassingOn(QPainter& target, const std::function<void(QPainter&)>& draw) {
  if (target.paintEngine() == nullptr || target.paintEngine()->type() != QPaintEngine::SVG) {
    draw(target);
    return;
  }
  target.save();
  {
    PassOnDevice device(target);
    QPainter painter(&device);
    draw(painter);
  }
  target.restore();
}

}  // namespace velmora::art

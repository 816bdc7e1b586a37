// The picture catalogue. Every picture is compiled in twice: at its catalogued
// size and drawn again at twice that size, each scale in a resource of its own. A fetch picks the
// rendering that suits the screen: on a screen of device pixel ratio above 1 the @2x file, marked
// with ratio 2 so that it still measures its catalogued size in device-independent pixels and a
// label stretching it shows it crisply. Nothing is cached: each fetch reads the bitmap afresh from
// the resources.

#include "media/Images.h"

#include "resources/Catalogue.h"

#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QResource>

#include <mutex>

// Outside any namespace, as the resource initialiser must be. Calling it
// ourselves also makes the linker keep the pictures from the static library.
static void InitialisePictures() {
  static std::once_flag once;
  std::call_once(once, [] {
    Q_INIT_RESOURCE(velmora_images);
    Q_INIT_RESOURCE(velmora_images_2x);
  });
}

namespace velmora {

namespace {

int ScaleForScreen() {
  const auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  return application != nullptr && application->devicePixelRatio() > 1.0 ? 2 : 1;
}

QPixmap Load(const QString& path, int scale, QSize catalogued) {
  InitialisePictures();
  QImageReader reader(path);
  QImage image = reader.read();
  if (image.isNull() || image.size() != catalogued * scale) {
    qFatal("Picture %s is missing from the resources", qPrintable(path));
  }
  image.setDevicePixelRatio(scale);
  return QPixmap::fromImage(std::move(image));
}

// A control that stretches its picture to a size other than the picture's
// keeps a stretched copy of it beside the picture. Given the copy, stretched
// here exactly as the control would stretch it, the control holds one
// picture instead of two and draws the same pixels.
QPixmap StretchedFor(const QLabel& control, const QPixmap& picture) {
  const qreal ratio = control.devicePixelRatio();
  const QSize size = control.contentsRect().size() * ratio;
  if (!control.hasScaledContents() || size.isEmpty() || picture.size() == size) {
    return picture;
  }
  QPixmap stretched = QPixmap::fromImage(
      picture.toImage().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  stretched.setDevicePixelRatio(ratio);
  return stretched;
}

}  // namespace

const std::vector<int>& AllImageIds() {
  static const std::vector<int> ids = catalogue::ImageIds();
  return ids;
}

const std::vector<FixedPicture>& AllFixedPictures() {
  static const std::vector<FixedPicture> pictures(catalogue::FixedPictures.begin(),
                                                  catalogue::FixedPictures.end());
  return pictures;
}

QPixmap ImageById(int id) {
  const QSize size = catalogue::ImageSize(id);
  if (size.isEmpty()) {
    qFatal("No picture has image id %d", id);
  }
  const int scale = ScaleForScreen();
  return Load(catalogue::ImagePath(id, scale), scale, size);
}

QPixmap FixedPictureImage(FixedPicture picture) {
  const int scale = ScaleForScreen();
  return Load(catalogue::FixedPicturePath(picture, scale), scale,
              catalogue::FixedPictureSize(picture));
}

void ShowFixedPictureWhenShown(QLabel& control, FixedPicture picture) {
  if (control.isVisible()) {
    control.setPixmap(StretchedFor(control, FixedPictureImage(picture)));
    return;
  }
  // Show events reach the control before it is first painted, also when it
  // appears because a hidden parent is shown.
  class FirstShow final : public QObject {
   public:
    FirstShow(QLabel& control, FixedPicture picture) : QObject(&control), picture_(picture) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::Show) {
        auto& label = static_cast<QLabel&>(*watched);
        label.removeEventFilter(this);
        label.setPixmap(StretchedFor(label, FixedPictureImage(picture_)));
        deleteLater();
      }
      return false;
    }

   private:
    const FixedPicture picture_;
  };
  control.installEventFilter(new FirstShow(control, picture));
}

void ShowImage(QLabel& control, int id) {
  control.setPixmap(ImageById(id));
}

void ClearImage(QLabel& control) {
  control.clear();
}

QPixmap LeftEdgeOf(const QPixmap& picture) {
  const qreal ratio = picture.devicePixelRatio();
  QPixmap edge = picture.copy(0, 0, static_cast<int>(ratio), picture.height());
  edge.setDevicePixelRatio(ratio);
  return edge;
}

}  // namespace velmora

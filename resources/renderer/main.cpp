// Draws every picture of the game at its catalogued size and at twice that
// size, into PNG files and a resource collection file that lists them.
// Usage: velmora_renderer <output folder> <card deck .svgz> <clip-art folder>

#include "Catalogue.h"
#include "Pictures.h"
#include "Sources.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>
#include <set>

namespace {

using velmora::art::Picture;
using velmora::art::PictureList;

QImage Render(const Picture& picture, int scale) {
  QImage image(picture.size * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                         QPainter::TextAntialiasing);
  // The same vector code at twice the scale: the 2x picture is drawn, not enlarged.
  painter.scale(scale, scale);
  picture.draw(painter);
  painter.end();
  return image;
}

// Every catalogued picture must be drawn, at its catalogued size.
bool MatchesCatalogue(const PictureList& pictures) {
  namespace catalogue = velmora::catalogue;
  bool complete = true;
  const auto check = [&](const QString& name, QSize size) {
    for (const Picture& picture : pictures) {
      if (picture.name == name) {
        if (picture.size != size) {
          std::fprintf(stderr, "%s is drawn at the wrong size\n", qPrintable(name));
          complete = false;
        }
        return;
      }
    }
    std::fprintf(stderr, "%s is not drawn\n", qPrintable(name));
    complete = false;
  };
  for (const int id : catalogue::ImageIds()) {
    check(QString::number(id), catalogue::ImageSize(id));
  }
  for (const auto picture : catalogue::FixedPictures) {
    check(QString::fromLatin1(catalogue::FixedPictureName(picture)),
          catalogue::FixedPictureSize(picture));
  }
  return complete;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <output folder> <card deck> <clip-art folder>\n", argv[0]);
    return 2;
  }
  const QDir output(QString::fromLocal8Bit(argv[1]));
  if (!output.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  const velmora::art::Sources sources(QString::fromLocal8Bit(argv[2]),
                                      QString::fromLocal8Bit(argv[3]));

  PictureList pictures;
  velmora::art::AddCardFaces(pictures, sources);
  velmora::art::AddCardBacks(pictures, sources);
  velmora::art::AddMoney(pictures);
  velmora::art::AddHelpIcons(pictures);
  velmora::art::AddTrayPictures(pictures);
  velmora::art::AddWindowIcons(pictures, sources);
  velmora::art::AddLogo(pictures, sources);
  velmora::art::AddBankruptPicture(pictures, sources);
  velmora::art::AddStatisticsPicture(pictures, sources);
  if (!MatchesCatalogue(pictures)) {
    return 1;
  }

  QString collection = QStringLiteral("<RCC>\n  <qresource prefix=\"/images\">\n");
  std::set<QString> written;
  for (const Picture& picture : pictures) {
    if (!written.insert(picture.name).second) {
      std::fprintf(stderr, "%s is drawn twice\n", qPrintable(picture.name));
      return 1;
    }
    for (const int scale : {1, 2}) {
      const QString file =
          picture.name + (scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
      if (!Render(picture, scale).save(output.filePath(file), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(output.filePath(file)));
        return 1;
      }
      collection += QStringLiteral("    <file>") + file + QStringLiteral("</file>\n");
    }
    // Desktop menus and software centres show the window icon larger; these
    // renderings are installed with the program, not compiled into it.
    if (picture.name ==
        QLatin1String(velmora::catalogue::FixedPictureName(velmora::FixedPicture::TableIcon))) {
      for (const int scale : {4, 8}) {
        const QString file = picture.name + QStringLiteral("@%1x.png").arg(scale);
        if (!Render(picture, scale).save(output.filePath(file), "PNG")) {
          std::fprintf(stderr, "cannot write %s\n", qPrintable(output.filePath(file)));
          return 1;
        }
      }
    }
  }
  collection += QStringLiteral("  </qresource>\n</RCC>\n");

  QSaveFile list(output.filePath(QStringLiteral("velmora_images.qrc")));
  if (!list.open(QIODevice::WriteOnly | QIODevice::Text)) {
    return 1;
  }
  list.write(collection.toUtf8());
  return list.commit() ? 0 : 1;
}

// Draws every picture of the game at its catalogued size and at twice that
// size, into PNG files and a resource collection file that lists them, and
// the window icon for the desktop.
// Usage: velmora_renderer <output folder> <card deck .svgz> <clip-art folder>

#include "resources/Catalogue.h"
#include "resources/renderer/Pictures.h"
#include "resources/renderer/Render.h"
#include "resources/renderer/Sources.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

#include <array>
#include <cstdio>
#include <set>

namespace {

using velmora::art::Picture;
using velmora::art::PictureList;

// The window icon as the desktop's menus, task bars and software centres show
// it, at each size of the icon theme and as SVG. These are installed with the
// program, not compiled into it.
bool WriteDesktopIcons(const Picture& icon, const QDir& output) {
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString file = output.filePath(QStringLiteral("desktop-icon-%1.png").arg(size));
    const qreal scale = qreal(size) / icon.size.width();
    if (!velmora::art::RenderImage(icon, scale).save(file, "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
      return false;
    }
  }
  const QByteArray svg = velmora::art::RenderSvg(icon, QStringLiteral("Velmora"));
  if (svg.isEmpty()) {
    std::fprintf(stderr, "cannot record the window icon as vector art\n");
    return false;
  }
  QSaveFile file(output.filePath(QStringLiteral("desktop-icon.svg")));
  if (!file.open(QIODevice::WriteOnly) || file.write(svg) != svg.size() || !file.commit()) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
    return false;
  }
  return true;
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

  // Two collections, compiled apart: a screen uses the pictures of one scale
  // only, and the other scale's data then lies in the program untouched
  // instead of between the pictures it reads, where the pages it brings into
  // memory would take it along.
  std::array<QString, 2> collections;
  collections.fill(QStringLiteral("<RCC>\n  <qresource prefix=\"/images\">\n"));
  std::set<QString> written;
  for (const Picture& picture : pictures) {
    if (!written.insert(picture.name).second) {
      std::fprintf(stderr, "%s is drawn twice\n", qPrintable(picture.name));
      return 1;
    }
    for (const int scale : {1, 2}) {
      const QString file =
          picture.name + (scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
      if (!velmora::art::RenderImage(picture, scale).save(output.filePath(file), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(output.filePath(file)));
        return 1;
      }
      collections[scale - 1] += QStringLiteral("    <file>") + file + QStringLiteral("</file>\n");
    }
    if (picture.name ==
            QLatin1String(velmora::catalogue::FixedPictureName(velmora::FixedPicture::TableIcon)) &&
        !WriteDesktopIcons(picture, output)) {
      return 1;
    }
  }
  for (const int scale : {1, 2}) {
    QSaveFile list(output.filePath(scale == 2 ? QStringLiteral("velmora_images_2x.qrc")
                                              : QStringLiteral("velmora_images.qrc")));
    if (!list.open(QIODevice::WriteOnly | QIODevice::Text)) {
      return 1;
    }
    list.write((collections[scale - 1] + QStringLiteral("  </qresource>\n</RCC>\n")).toUtf8());
    if (!list.commit()) {
      return 1;
    }
  }
  return 0;
}

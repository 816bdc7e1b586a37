// Writes contact sheets of the picture catalogue: every picture at true size
// and beside it at three times (pixels enlarged without smoothing, so what the
// player sees can be judged), labelled with its id or name. The pictures are
// fetched through the catalogue itself, as the game fetches them.
// Usage: velmora_contact_sheet <output.png> [all|cards|backs|money|icons|fixed]

#include "media/Images.h"
#include "resources/Catalogue.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <cstdio>
#include <vector>

namespace {

struct Entry {
  QString label;
  QImage image;
};

bool InGroup(int id, const QString& group) {
  if (group == QLatin1String("all")) {
    return true;
  }
  if (group == QLatin1String("cards")) {
    return id >= 1 && id <= 53;
  }
  if (group == QLatin1String("backs")) {
    return id >= velmora::FirstBackId && id < velmora::FirstBackId + velmora::BackCount;
  }
  if (group == QLatin1String("icons")) {
    return id >= 90 && id <= 92;
  }
  if (group == QLatin1String("money")) {
    return id >= 100;
  }
  return false;
}

bool FixedInGroup(velmora::FixedPicture picture, const QString& group) {
  const QSize size = velmora::catalogue::FixedPictureSize(picture);
  if (group == QLatin1String("all") || group == QLatin1String("fixed")) {
    return true;
  }
  return group == QLatin1String("icons") && size.width() <= 32;
}

QImage Sheet(const std::vector<Entry>& entries, int maxWidth) {
  const int gap = 12;
  const int labelHeight = 16;
  // First pass lays the cells out in rows, the second paints them.
  struct Placed {
    const Entry* entry;
    QPoint at;
  };
  std::vector<Placed> placed;
  int x = gap;
  int y = gap;
  int rowHeight = 0;
  int width = 0;
  for (const Entry& entry : entries) {
    const QSize size = entry.image.size();
    const int cellWidth = size.width() * 4 + gap;
    const int cellHeight = size.height() * 3 + labelHeight;
    if (x + cellWidth > maxWidth && x > gap) {
      x = gap;
      y += rowHeight + gap;
      rowHeight = 0;
    }
    placed.push_back({&entry, QPoint(x, y)});
    x += cellWidth + gap;
    width = std::max(width, x);
    rowHeight = std::max(rowHeight, cellHeight);
  }
  QImage sheet(std::max(width, 100), y + rowHeight + gap, QImage::Format_RGB32);
  sheet.fill(QColor(0, 128, 0));  // the table's felt, the ground most pictures lie on
  QPainter painter(&sheet);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(11);
  painter.setFont(font);
  for (const Placed& cell : placed) {
    const QImage& image = cell.entry->image;
    painter.setPen(Qt::white);
    painter.drawText(cell.at + QPoint(0, 11), cell.entry->label);
    const QPoint top = cell.at + QPoint(0, labelHeight);
    painter.drawImage(top, image);
    painter.drawImage(QRect(top + QPoint(image.width() + 8, 0), image.size() * 3), image);
  }
  return sheet;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <output.png> [all|cards|backs|money|icons|fixed]\n", argv[0]);
    return 2;
  }
  const QString group = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("all");
  std::vector<Entry> entries;
  for (const int id : velmora::AllImageIds()) {
    if (InGroup(id, group)) {
      entries.push_back({QString::number(id), velmora::ImageById(id).toImage()});
    }
  }
  for (const auto picture : velmora::AllFixedPictures()) {
    if (FixedInGroup(picture, group)) {
      entries.push_back({QString::fromLatin1(velmora::catalogue::FixedPictureName(picture)),
                         velmora::FixedPictureImage(picture).toImage()});
    }
  }
  const QImage sheet = Sheet(entries, group == QLatin1String("fixed") ? 1800 : 1400);
  if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("%s: %zu pictures\n", argv[1], entries.size());
  return 0;
}

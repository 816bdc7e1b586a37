// The picture catalogue: every picture present at its size in both
// renderings, and the pictures telling apart what the game must tell apart.

#include "media/Images.h"
#include "resources/Catalogue.h"
#include "resources/renderer/BankruptLettering.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <set>
#include <utility>

using namespace velmora;

namespace {

QImage Resource(const QString& path) {
  return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

// Pixel checks are made on the rendering at the catalogued size.
QImage Picture(int id) {
  return Resource(catalogue::ImagePath(id, 1));
}
QImage Picture(FixedPicture picture) {
  return Resource(catalogue::FixedPicturePath(picture, 1));
}

int Distance(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
         std::abs(qBlue(a) - qBlue(b));
}

// The colours the pictures' marks and lettering are printed in.
bool IsRed(QRgb pixel) {
  return qAlpha(pixel) > 200 && qRed(pixel) > 180 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}
bool IsGold(QRgb pixel) {
  return qRed(pixel) > 180 && qGreen(pixel) > 120 && qBlue(pixel) < 110 &&
         qRed(pixel) - qBlue(pixel) > 100;
}
// The court figures' pixel art has four colours: white, black, red, yellow.
bool IsCourtColour(QRgb pixel) {
  const QRgb colours[] = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(255, 255, 0)};
  return std::any_of(std::begin(colours), std::end(colours),
                     [pixel](QRgb colour) { return Distance(pixel, colour) < 90; });
}

int Count(const QImage& image, const QRect& area, bool (*test)(QRgb)) {
  int count = 0;
  const QRect inside = area.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      count += test(image.pixel(x, y)) ? 1 : 0;
    }
  }
  return count;
}

}  // namespace

class ResourcesTest : public QObject {
  Q_OBJECT

 private slots:
  // Every picture is there at its size for this screen, looks like no other
  // picture, and has a dense rendering at twice the size that is drawn again,
  // not the small one with its pixels doubled, yet shrunk back stays close to
  // the small one. (Court figures are bitmaps in the deck, enlarged by the deck
  // itself, and the window icon is cut from them; pips are not.)
  void EveryPicturePresentDistinctAndDrawnForDenseScreens() {
    const int scale = qApp->devicePixelRatio() > 1.0 ? 2 : 1;
    std::vector<QImage> seen;
    const auto drawn = [&](const QPixmap& fetched, const QString& path1x, const QString& path2x,
                           QSize size, bool figure) {
      const QImage small = Resource(path1x);
      const QImage large = Resource(path2x);
      const QImage shrunk = large.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      qint64 difference = 0;
      for (int y = 0; y < size.height() && small.size() == size; ++y) {
        for (int x = 0; x < size.width(); ++x) {
          difference += Distance(small.pixel(x, y), shrunk.pixel(x, y));
        }
      }
      const bool distinct = std::find(seen.begin(), seen.end(), small) == seen.end();
      seen.push_back(small);
      return distinct && !size.isEmpty() && small.size() == size && large.size() == size * 2 &&
             fetched.deviceIndependentSize().toSize() == size &&
             fetched.devicePixelRatio() == scale &&
             fetched.toImage().convertToFormat(QImage::Format_ARGB32) ==
                 (scale == 2 ? large : small) &&
             large != small.scaled(large.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation) &&
             (figure || difference < 40 * size.width() * size.height());
    };
    const auto white = [](QRgb pixel) { return pixel == qRgb(255, 255, 255); };
    for (const int id : AllImageIds()) {
      const int rank = (id - 1) % 13;  // jack, queen and king are 9, 10 and 11
      QVERIFY2(drawn(ImageById(id), catalogue::ImagePath(id, 1), catalogue::ImagePath(id, 2),
                     catalogue::ImageSize(id), id == 53 || (id <= 52 && rank >= 9 && rank <= 11)),
               qPrintable(QString::number(id)));
      const QImage image = Picture(id);
      // Hearts and diamonds (1..26) have a red index, clubs and spades a black
      // one (court figures are coloured whatever the suit, so only the corner counts).
      QVERIFY2(id > 52 || (Count(image, QRect(0, 0, 14, 26), IsRed) > 10) == (id <= 26),
               qPrintable(QString::number(id)));
      // Backs: rounded corners let the table show through; the margin inside
      // the thin border is white all the way down; the scene itself is not.
      QVERIFY2(id < FirstBackId || id >= FirstBackId + BackCount ||
                   (qAlpha(image.pixel(0, 0)) == 0 && qAlpha(image.pixel(35, 0)) == 255 &&
                    qGray(image.pixel(35, 0)) < 80 && !white(image.pixel(35, 48)) &&
                    Count(image, QRect(2, 6, 1, 84), white) == 84 &&
                    Count(image, QRect(68, 6, 1, 84), white) == 84),
               qPrintable(QString::number(id)));
    }
    for (const FixedPicture picture : AllFixedPictures()) {
      QVERIFY2(drawn(FixedPictureImage(picture), catalogue::FixedPicturePath(picture, 1),
                     catalogue::FixedPicturePath(picture, 2), catalogue::FixedPictureSize(picture),
                     picture == FixedPicture::TableIcon),
               catalogue::FixedPictureName(picture));
    }
  }

  // The laughing king differs from the plain one in its two heads only: the
  // upper face and the same area turned half round the card. A good part of
  // each is redrawn, and the open mouth shows red where the plain king has none.
  void LaughingKingDiffersOnlyInItsFaces() {
    const QRect upper(30, 17, 11, 13);
    const QRect lower(71 - upper.right() - 1, 96 - upper.bottom() - 1, 11, 13);
    for (const int scale : {1, 2}) {
      const QImage king = Resource(catalogue::ImagePath(12, scale));
      const QImage laughing = Resource(catalogue::ImagePath(53, scale));
      std::array<int, 4> changed{};  // upper face, lower face, elsewhere, red in the upper face
      for (int y = 0; y < king.height(); ++y) {
        for (int x = 0; x < king.width(); ++x) {
          const QPoint at(x / scale, y / scale);
          if (king.pixel(x, y) != laughing.pixel(x, y)) {
            ++changed[upper.contains(at) ? 0 : lower.contains(at) ? 1 : 2];
            changed[3] += upper.contains(at) && IsRed(laughing.pixel(x, y)) ? 1 : 0;
          }
        }
      }
      const int least = 25 * scale * scale;
      QCOMPARE(changed[2], 0);
      QVERIFY(changed[0] >= least && changed[1] >= least && changed[3] >= 4 * scale * scale);
    }
  }

  // Each of the tray's 14 denominations has a picture of its own: below
  // $5,000 a whole green and grey bill; from $5,000 up a bundle whose band, at
  // a plain spot clear of its lettering, is near the colour that names it.
  void MoneyLooksLikeItsValue() {
    std::set<int> ids;
    const std::map<int, QRgb> bands{{5000, qRgb(200, 20, 20)},    {10000, qRgb(112, 132, 156)},
                                    {20000, qRgb(120, 20, 40)},   {50000, qRgb(250, 196, 150)},
                                    {100000, qRgb(128, 128, 30)}, {500000, qRgb(116, 66, 26)}};
    for (const int denomination :
         {1, 5, 10, 20, 50, 100, 500, 1000, 5000, 10000, 20000, 50000, 100000, 500000}) {
      ids.insert(DenominationImageId(denomination));
      const QImage money = Picture(DenominationImageId(denomination));
      const QRgb average =
          money.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(0, 0);
      const bool looks =
          bands.contains(denomination)
              ? money.size() == catalogue::BundleSize &&
                    Distance(money.pixel(45, 40), bands.at(denomination)) < 90
              : money.size() == catalogue::BillSize && qGreen(average) > qRed(average) &&
                    Count(money, money.rect(), [](QRgb pixel) { return qAlpha(pixel) < 255; }) == 0;
      QVERIFY2(looks, qPrintable(QString::number(denomination)));
    }
    QCOMPARE(ids.size(), std::size_t{14});
  }

  // Marks and lettering where the windows need them, and nowhere they would
  // be covered: icon marks, the tray's texts clear of its field and bills, the
  // deck's stacked edges, the logo's title and hand, the window icon's figure.
  void MarksAndLetteringStandWhereTheyShow() {
    const QImage stack = Picture(FixedPicture::DeckStack);
    const QImage tray = Picture(FixedPicture::TrayBackground);
    const QImage hatch = Picture(FixedPicture::TrayHatch);
    const struct {
      const char* what;
      QImage image;
      QRect area;
      bool (*test)(QRgb);
      int least;
      int most = 1 << 30;
    } marks[] = {
        {"topic icon blue", Picture(TopicIconId), QRect(0, 0, 12, 15),
         [](QRgb pixel) { return qBlue(pixel) > 150 && qRed(pixel) < 100 && qGreen(pixel) < 130; },
         6},
        {"hand-rank icon red", Picture(HandRankIconId), QRect(0, 0, 12, 15), IsRed, 6},
        {"heading icon purple", Picture(HeadingIconId), QRect(0, 0, 16, 16),
         [](QRgb pixel) { return qRed(pixel) > 70 && qBlue(pixel) > 90 && qGreen(pixel) < 80; },
         40},
        {"\"New Bet:\"", tray, QRect(0, 0, 112, 22), IsGold, 40},
        {"\"$\"", tray, QRect(0, 50, 112, 19), IsGold, 12},
        {"under the bet field", tray, QRect(17, 24, 80, 24), IsGold, 0, 0},
        {"under the bills", tray, QRect(21, 71, 91, 303), IsGold, 0, 0},
        {"hatch title", hatch, QRect(0, 0, 112, 45), IsGold, 40},
        {"\"Bank\"", hatch, QRect(0, 354, 112, 45), IsGold, 30},
        {"beside the handle", hatch, QRect(16, 60, 96, 280), IsGold, 0, 0},
        {"edges left of the deck card", stack, QRect(0, 50, 5, 1),
         [](QRgb pixel) { return qGray(pixel) < 120; }, 2},
        {"logo title", Picture(FixedPicture::Logo), QRect(0, 0, 422, 100), IsGold, 2000},
        {"logo's hearts", Picture(FixedPicture::Logo), QRect(0, 140, 210, 141), IsRed, 300},
        // Cut from the face at its own size the window icon's king stays crisp;
        // resampled, most of its pixels turn into blends of the figure's colours
        // and the head reads as noise. The big heart pip stands solid in the upper left.
        {"icon's king", Picture(FixedPicture::TableIcon), QRect(1, 1, 30, 30), IsCourtColour, 810},
        {"icon's heart", Picture(FixedPicture::TableIcon), QRect(1, 1, 15, 19), IsRed, 100},
    };
    for (const auto& mark : marks) {
      const int count = Count(mark.image, mark.area, mark.test);
      QVERIFY2(count >= mark.least && count <= mark.most,
               qPrintable(QString("%1: %2 pixels").arg(mark.what).arg(count)));
    }
    QVERIFY(qAlpha(stack.pixel(0, 0)) == 0 && qAlpha(stack.pixel(76, 99)) == 0);
    QCOMPARE(stack.pixel(40, 50), qRgb(255, 255, 255));
  }

  // The desktop's scalable icon is the window icon recorded as vector art: no
  // embedded image, sized like the icon, and drawn by an SVG renderer it shows
  // what the 32-pixel rendering shows, the king's pixel art square by square.
  void ScalableDesktopIconIsTheWindowIconInVectors() {
    const QString folder = QStringLiteral(VELMORA_RENDERED_IMAGES);
    QFile file(folder + QStringLiteral("/desktop-icon.svg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    QVERIFY(!svg.contains("<image"));
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), QSize(32, 32));
    QImage drawn(32, 32, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    {
      QPainter painter(&drawn);
      renderer.render(&painter);
    }
    drawn = drawn.convertToFormat(QImage::Format_ARGB32);
    const QImage rendered = Resource(folder + QStringLiteral("/desktop-icon-32.png"));
    QCOMPARE(rendered.size(), QSize(32, 32));
    int differing = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        differing += Distance(drawn.pixel(x, y), rendered.pixel(x, y)) > 30 ? 1 : 0;
      }
    }
    QVERIFY2(differing <= 8, qPrintable(QString("%1 pixels differ").arg(differing)));
  }

  // The bankrupt dialog lays an olive bar over the picture's right-hand
  // column and its New Game button under the lettering; the lettering,
  // outline included, must end left of the one and above the other.
  void BankruptLetteringClearsTheDialogsBarAndButton() {
    using namespace art::bankrupt;
    for (const auto& [text, box] :
         {std::pair{CreditText, CreditBox}, {ApprovedText, ApprovedBox}}) {
      const QRectF inked =
          art::TextPath(text, LetteringFont(), box, Qt::AlignCenter)
              .boundingRect()
              .adjusted(-LetteringOutline, -LetteringOutline, LetteringOutline, LetteringOutline);
      QVERIFY2(inked.right() < DividerLeft - 1,
               qPrintable(QString("%1 reaches x %2").arg(text).arg(inked.right())));
      QVERIFY2(inked.left() > 106, qPrintable(text));  // clear of the gold card at the left
      QVERIFY2(inked.bottom() < NewGameButton.top(),
               qPrintable(QString("%1 reaches y %2").arg(text).arg(inked.bottom())));
    }
  }
};

QTEST_MAIN(ResourcesTest)
#include "test_resources.moc"

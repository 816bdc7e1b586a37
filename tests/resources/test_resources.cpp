// The picture catalogue: every picture present at its size in both
// renderings, and the pictures telling apart what the game must tell apart.

#include "BankruptLettering.h"
#include "Catalogue.h"
#include "Images.h"

#include <QApplication>
#include <QImage>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdlib>
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

// Whether what ImageById or FixedPictureImage returned has the catalogued size
// in device-independent pixels and is the rendering for the screen the test
// runs on (the suite also runs with QT_SCALE_FACTOR=2), and whether both
// renderings exist, the dense one at twice the size.
bool Present(const QPixmap& fetched, const QString& path1x, const QString& path2x, QSize size) {
  const int scale = qApp->devicePixelRatio() > 1.0 ? 2 : 1;
  const QImage small = Resource(path1x);
  const QImage large = Resource(path2x);
  return !size.isEmpty() && fetched.deviceIndependentSize().toSize() == size &&
         fetched.devicePixelRatio() == scale && small.size() == size && large.size() == size * 2 &&
         fetched.toImage().convertToFormat(QImage::Format_ARGB32) == (scale == 2 ? large : small);
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
bool IsBlue(QRgb pixel) {
  return qBlue(pixel) > 150 && qRed(pixel) < 100 && qGreen(pixel) < 130;
}
bool IsPurple(QRgb pixel) {
  return qRed(pixel) > 70 && qBlue(pixel) > 90 && qGreen(pixel) < 80;
}
bool IsYellow(QRgb pixel) {
  return qRed(pixel) > 200 && qGreen(pixel) > 180 && qBlue(pixel) < 90;
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
  // Every picture is there at its size, for this screen, and no two pictures
  // of the catalogue look alike.
  void EveryPicturePresentAndDistinct() {
    std::vector<QImage> seen;
    for (const int id : AllImageIds()) {
      QVERIFY2(Present(ImageById(id), catalogue::ImagePath(id, 1), catalogue::ImagePath(id, 2),
                       catalogue::ImageSize(id)),
               qPrintable(QString::number(id)));
      const QImage image = Picture(id);
      QVERIFY2(std::find(seen.begin(), seen.end(), image) == seen.end(),
               qPrintable(QString::number(id)));
      seen.push_back(image);
    }
    for (const FixedPicture picture : AllFixedPictures()) {
      QVERIFY2(
          Present(FixedPictureImage(picture), catalogue::FixedPicturePath(picture, 1),
                  catalogue::FixedPicturePath(picture, 2), catalogue::FixedPictureSize(picture)),
          catalogue::FixedPictureName(picture));
    }
  }

  void FacesShowTheirSuitsColourInTheCardOrder() {
    // Hearts and diamonds (1..26) have a red index, clubs and spades a black
    // one (court figures are coloured whatever the suit, so only the corner counts).
    for (int card = 1; card <= 52; ++card) {
      QVERIFY2((Count(Picture(card), QRect(0, 0, 14, 26), IsRed) > 10) == (card <= 26),
               qPrintable(QString::number(card)));
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

  // Rounded corners let the table show through; the margin inside the thin
  // border is white all the way down; the scene itself is not.
  void BacksAreFramedLikeCards() {
    const QRgb white = qRgb(255, 255, 255);
    for (int id = 60; id <= 69; ++id) {
      const QImage back = Picture(id);
      bool framed = qAlpha(back.pixel(0, 0)) == 0 && qAlpha(back.pixel(35, 0)) == 255 &&
                    qGray(back.pixel(35, 0)) < 80 && back.pixel(35, 48) != white;
      for (int y = 6; y < 90; ++y) {
        framed = framed && back.pixel(2, y) == white && back.pixel(68, y) == white;
      }
      QVERIFY2(framed, qPrintable(QString::number(id)));
    }
  }

  void DenseRenderingsAreDrawnAgainNotEnlarged() {
    // (Court figures are bitmaps in the deck, enlarged by the deck itself; pips are not.)
    QStringList paths;  // each picture's small rendering, then its dense one
    for (const int id : {1, 40, 60, 67, 69, 90, 1500, 6000}) {
      paths << catalogue::ImagePath(id, 1) << catalogue::ImagePath(id, 2);
    }
    for (const auto picture : {FixedPicture::Logo, FixedPicture::TrayHatch}) {
      paths << catalogue::FixedPicturePath(picture, 1) << catalogue::FixedPicturePath(picture, 2);
    }
    for (qsizetype k = 0; k < paths.size(); k += 2) {
      const QImage small = Resource(paths[k]);
      const QImage large = Resource(paths[k + 1]);
      // Not the small one with its pixels doubled...
      QVERIFY2(large != small.scaled(large.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation),
               qPrintable(paths[k]));
      // ...but the same picture: shrunk back it stays close to the small one.
      const QImage shrunk =
          large.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      qint64 difference = 0;
      for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
          difference += Distance(small.pixel(x, y), shrunk.pixel(x, y));
        }
      }
      QVERIFY2(difference / (small.width() * small.height()) < 40, qPrintable(paths[k]));
    }
  }

  // Each of the tray's 14 denominations has a picture of its own: below
  // $5,000 a whole green and grey bill; from $5,000 up a bundle whose band, at
  // a plain spot clear of its lettering, is near the colour that names it.
  void MoneyLooksLikeItsValue() {
    std::set<int> ids;
    for (const int denomination : {1, 5, 10, 20, 50, 100, 500, 1000}) {
      ids.insert(DenominationImageId(denomination));
      const QImage bill = Picture(DenominationImageId(denomination));
      const QRgb average =
          bill.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(0, 0);
      QVERIFY2(bill.size() == catalogue::BillSize && qGreen(average) > qRed(average) &&
                   Count(bill, bill.rect(), [](QRgb pixel) { return qAlpha(pixel) < 255; }) == 0,
               qPrintable(QString::number(denomination)));
    }
    for (const auto& [denomination, colour] : {std::pair{10000, qRgb(112, 132, 156)},
                                               {20000, qRgb(120, 20, 40)},
                                               {50000, qRgb(250, 196, 150)},
                                               {100000, qRgb(128, 128, 30)},
                                               {500000, qRgb(116, 66, 26)},
                                               {5000, qRgb(200, 20, 20)}}) {
      ids.insert(DenominationImageId(denomination));
      const QImage bundle = Picture(DenominationImageId(denomination));
      QVERIFY2(
          bundle.size() == catalogue::BundleSize && Distance(bundle.pixel(45, 40), colour) < 90,
          qPrintable(QString::number(denomination)));
    }
    QCOMPARE(ids.size(), std::size_t{14});
  }

  // Marks and lettering where the windows need them, and nowhere they would
  // be covered: icon marks, the tray's texts clear of its field and bills, the
  // deck's stacked edges, the logo's title and hand.
  void MarksAndLetteringStandWhereTheyShow() {
    const QImage topic = Picture(TopicIconId);
    const QImage handRank = Picture(HandRankIconId);
    const QImage heading = Picture(HeadingIconId);
    const QImage tray = Picture(FixedPicture::TrayBackground);
    const QImage hatch = Picture(FixedPicture::TrayHatch);
    const QImage stack = Picture(FixedPicture::DeckStack);
    const QImage logo = Picture(FixedPicture::Logo);
    const struct {
      const char* what;
      const QImage& image;
      QRect area;
      bool (*test)(QRgb);
      int least;
      int most = 1 << 30;
    } marks[] = {
        {"topic icon blue", topic, topic.rect(), IsBlue, 6},
        {"topic icon without red", topic, topic.rect(), IsRed, 0, 0},
        {"hand-rank icon blue", handRank, handRank.rect(), IsBlue, 4},
        {"hand-rank icon red", handRank, handRank.rect(), IsRed, 6},
        {"heading icon purple", heading, heading.rect(), IsPurple, 40},
        {"heading icon yellow", heading, heading.rect(), IsYellow, 6},
        {"\"New Bet:\"", tray, QRect(0, 0, 112, 22), IsGold, 40},
        {"\"$\"", tray, QRect(0, 50, 112, 19), IsGold, 12},
        {"under the bet field", tray, QRect(17, 24, 80, 24), IsGold, 0, 0},
        {"under the bills", tray, QRect(21, 71, 91, 303), IsGold, 0, 0},
        {"hatch title", hatch, QRect(0, 0, 112, 45), IsGold, 40},
        {"\"Bank\"", hatch, QRect(0, 354, 112, 45), IsGold, 30},
        {"beside the handle", hatch, QRect(16, 60, 96, 280), IsGold, 0, 0},
        {"edges left of the deck card", stack, QRect(0, 50, 5, 1),
         [](QRgb pixel) { return qGray(pixel) < 120; }, 2},
        {"logo title", logo, QRect(0, 0, 422, 100), IsGold, 2000},
        {"hearts in the logo's hand", logo, QRect(0, 140, 210, 141), IsRed, 300},
    };
    for (const auto& mark : marks) {
      const int count = Count(mark.image, mark.area, mark.test);
      QVERIFY2(count >= mark.least && count <= mark.most,
               qPrintable(QString("%1: %2 pixels").arg(mark.what).arg(count)));
    }
    QVERIFY(qAlpha(stack.pixel(0, 0)) == 0 && qAlpha(stack.pixel(76, 99)) == 0);
    QCOMPARE(stack.pixel(40, 50), qRgb(255, 255, 255));
  }

  // The bankrupt dialog lays an olive bar over the picture's right-hand
  // column; the lettering, outline included, must end left of it.
  void BankruptLetteringEndsLeftOfTheDialogsBar() {
    using namespace art::bankrupt;
    for (const auto& [text, box] :
         {std::pair{CreditText, CreditBox}, {ApprovedText, ApprovedBox}}) {
      const QRectF inked = art::TextPath(text, LetteringFont(), box, Qt::AlignCenter)
                               .boundingRect()
                               .adjusted(-LetteringOutline, 0, LetteringOutline, 0);
      QVERIFY2(inked.right() < DividerLeft - 1,
               qPrintable(QString("%1 reaches x %2").arg(text).arg(inked.right())));
      QVERIFY2(inked.left() > 106, qPrintable(text));  // clear of the gold card at the left
    }
  }

  // Cut from the face at its own size the king stays crisp; resampled, most
  // of the icon's pixels turn into blends of the figure's colours and the
  // head reads as noise. The big heart pip stands solid in the upper left.
  void TableIconShowsTheKingCrispBesideASolidHeart() {
    const QImage icon = Picture(FixedPicture::TableIcon);
    const QRect inside(1, 1, 30, 30);
    QVERIFY2(Count(icon, inside, IsCourtColour) >= 810,
             qPrintable(QString::number(Count(icon, inside, IsCourtColour))));
    QVERIFY(Count(icon, QRect(1, 1, 15, 19), IsRed) >= 100);
  }
};

QTEST_MAIN(ResourcesTest)
#include "test_resources.moc"

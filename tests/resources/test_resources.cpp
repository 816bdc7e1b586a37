// The picture catalogue: every picture present at its size in both
// renderings, the rules that turn cards, backs and money into image ids, and
// the pictures telling apart what the game must tell apart.

#include "Catalogue.h"
#include "Images.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
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

// The rendering the catalogue must hand out on the screen the test runs on
// (the suite also runs with QT_SCALE_FACTOR=2).
int ScreenScale() {
  return qApp->devicePixelRatio() > 1.0 ? 2 : 1;
}

// Checks what ImageById or FixedPictureImage returned: the catalogued size in
// device-independent pixels, drawn for this screen; and both renderings exist.
bool PresentAtSize(const QPixmap& fetched, const QString& path1x, const QString& path2x,
                   QSize size) {
  return fetched.deviceIndependentSize().toSize() == size &&
         fetched.devicePixelRatio() == ScreenScale() && fetched.size() == size * ScreenScale() &&
         QImage(path1x).size() == size && QImage(path2x).size() == size * 2;
}

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

int RedPixels(const QImage& image) {
  return Count(image, image.rect(), IsRed);
}

// The 14 denominations of the tray and the pictures they must show.
constexpr std::array<std::pair<int, int>, 14> DenominationIds{{
    {500000, 5000},
    {100000, 1000},
    {50000, 500},
    {20000, 200},
    {10000, 100},
    {5000, 6000},
    {1000, 2000},
    {500, 1500},
    {100, 1100},
    {50, 1050},
    {20, 1020},
    {10, 1010},
    {5, 1005},
    {1, 1001},
}};

}  // namespace

class ResourcesTest : public QObject {
  Q_OBJECT

 private slots:
  void CatalogueHoldsExactlyTheGamesPictures() {
    std::set<int> expected;
    for (int id = 1; id <= 53; ++id) {
      expected.insert(id);
    }
    for (int id = 60; id <= 69; ++id) {
      expected.insert(id);
    }
    expected.insert({90, 91, 92});
    for (const auto& [denomination, id] : DenominationIds) {
      expected.insert(id);
    }
    const std::vector<int>& ids = AllImageIds();
    QCOMPARE(std::set<int>(ids.begin(), ids.end()), expected);
    QCOMPARE(ids.size(), expected.size());  // no id listed twice
    QCOMPARE(AllFixedPictures().size(), std::size_t{16});
  }

  void EveryIdPresentAtItsSizeInBothRenderings() {
    for (const int id : AllImageIds()) {
      QSize size(71, 96);
      if (id == 90 || id == 91) {
        size = QSize(12, 15);
      } else if (id == 92) {
        size = QSize(16, 16);
      } else if (id == 100 || id == 200 || id == 500 || id == 1000 || id == 5000 || id == 6000) {
        size = QSize(119, 51);
      } else if (id >= 1001) {
        size = QSize(117, 50);
      }
      QVERIFY2(PresentAtSize(ImageById(id), catalogue::ImagePath(id, 1),
                             catalogue::ImagePath(id, 2), size),
               qPrintable(QString::number(id)));
    }
  }

  void EveryFixedPicturePresentAtItsSizeInBothRenderings() {
    const std::array<std::pair<FixedPicture, QSize>, 16> sizes{{
        {FixedPicture::DeckStack, {77, 100}},
        {FixedPicture::TrayBackground, {112, 400}},
        {FixedPicture::TrayHatch, {112, 399}},
        {FixedPicture::BetFieldFrame, {85, 29}},
        {FixedPicture::Logo, {422, 281}},
        {FixedPicture::BankruptPicture, {275, 150}},
        {FixedPicture::StatisticsPicture, {100, 167}},
        {FixedPicture::TableIcon, {32, 32}},
        {FixedPicture::StatsIcon, {32, 32}},
        {FixedPicture::StatsSaveGlyph, {25, 25}},
        {FixedPicture::StatsOpenGlyph, {25, 25}},
        {FixedPicture::StatsCurrentGlyph, {25, 25}},
        {FixedPicture::StatsHelpGlyph, {25, 25}},
        {FixedPicture::WelcomeIconTop, {32, 32}},
        {FixedPicture::WelcomeIconBottom, {32, 32}},
        {FixedPicture::BankruptIcon, {32, 32}},
    }};
    for (const auto& [picture, size] : sizes) {
      const QString name = QString::fromLatin1(catalogue::FixedPictureName(picture));
      QVERIFY2(PresentAtSize(FixedPictureImage(picture), catalogue::FixedPicturePath(picture, 1),
                             catalogue::FixedPicturePath(picture, 2), size),
               qPrintable(name));
    }
  }

  void EachDenominationHasItsBillOrBundle() {
    for (const auto& [denomination, id] : DenominationIds) {
      QCOMPARE(DenominationImageId(denomination), id);
      // Bundles from $5,000 up, single bills below.
      const QSize expected = denomination >= 5000 ? QSize(119, 51) : QSize(117, 50);
      QCOMPARE(ImageById(id).deviceIndependentSize().toSize(), expected);
    }
  }

  void FacesShowTheirSuitsColourInTheCardOrder() {
    // Hearts and diamonds (1..26) have a red index, clubs and spades a black
    // one (court figures are coloured whatever the suit, so only the corner counts).
    for (int card = 1; card <= 52; ++card) {
      const bool red = card <= 26;
      const QImage corner = Picture(card).copy(0, 0, 14, 26);
      QVERIFY2((RedPixels(corner) > 10) == red, qPrintable(QString::number(card)));
    }
  }

  void AllPicturesOfCardsAreDistinct() {
    std::vector<QImage> seen;
    const auto distinct = [&](int id) {
      const QImage image = Picture(id);
      for (const QImage& other : seen) {
        if (other == image) {
          return false;
        }
      }
      seen.push_back(image);
      return true;
    };
    for (int id = 1; id <= 53; ++id) {
      QVERIFY2(distinct(id), qPrintable(QString::number(id)));
    }
    for (int id = 60; id <= 69; ++id) {
      QVERIFY2(distinct(id), qPrintable(QString::number(id)));
    }
  }

  void LaughingKingDiffersOnlyInItsFaces() {
    // The two heads of the court figure: the upper face and the same area
    // turned half round the card.
    const QRect upper(30, 17, 11, 13);
    const QRect lower(71 - upper.right() - 1, 96 - upper.bottom() - 1, upper.width(),
                      upper.height());
    for (const int scale : {1, 2}) {
      const QImage king = Resource(catalogue::ImagePath(12, scale));
      const QImage laughing = Resource(catalogue::ImagePath(53, scale));
      QCOMPARE(laughing.size(), king.size());
      int changedUpper = 0;
      int changedLower = 0;
      for (int y = 0; y < king.height(); ++y) {
        for (int x = 0; x < king.width(); ++x) {
          if (king.pixel(x, y) == laughing.pixel(x, y)) {
            continue;
          }
          const QPoint at(x / scale, y / scale);
          QVERIFY2(upper.contains(at) || lower.contains(at),
                   qPrintable(QStringLiteral("changed outside the faces at %1,%2").arg(x).arg(y)));
          (upper.contains(at) ? changedUpper : changedLower) += 1;
        }
      }
      // Plainly different: a good part of each face is redrawn.
      QVERIFY(changedUpper >= 25 * scale * scale);
      QVERIFY(changedLower >= 25 * scale * scale);
      // The open mouth shows red where the plain king has none.
      int redUpper = 0;
      for (int y = upper.top() * scale; y <= upper.bottom() * scale; ++y) {
        for (int x = upper.left() * scale; x <= upper.right() * scale; ++x) {
          redUpper += IsRed(laughing.pixel(x, y)) && !IsRed(king.pixel(x, y)) ? 1 : 0;
        }
      }
      QVERIFY(redUpper >= 4 * scale * scale);
    }
  }

  void BacksAreFramedLikeCards() {
    for (int id = 60; id <= 69; ++id) {
      const QImage back = Picture(id);
      // Rounded corners let the table show through; the margin inside the
      // thin border is white all the way down; the scene itself is not.
      QCOMPARE(qAlpha(back.pixel(0, 0)), 0);
      QVERIFY(qAlpha(back.pixel(35, 0)) == 255 && qGray(back.pixel(35, 0)) < 80);
      for (int y = 6; y < 90; ++y) {
        QVERIFY2(back.pixel(2, y) == qRgb(255, 255, 255), qPrintable(QString::number(id)));
        QVERIFY2(back.pixel(68, y) == qRgb(255, 255, 255), qPrintable(QString::number(id)));
      }
      QVERIFY(back.pixel(35, 48) != qRgb(255, 255, 255));
    }
  }

  void FetchesTheRenderingDrawnForTheScreen() {
    for (const int id : {12, 62, 1020}) {
      QCOMPARE(ImageById(id).toImage().convertToFormat(QImage::Format_ARGB32),
               Resource(catalogue::ImagePath(id, ScreenScale())));
    }
    QCOMPARE(FixedPictureImage(FixedPicture::Logo).toImage().convertToFormat(QImage::Format_ARGB32),
             Resource(catalogue::FixedPicturePath(FixedPicture::Logo, ScreenScale())));
  }

  void DenseRenderingsAreDrawnAgainNotEnlarged() {
    const auto check = [](const QString& path1x, const QString& path2x) {
      const QImage small = Resource(path1x);
      const QImage large = Resource(path2x);
      // Not the small one with its pixels doubled...
      if (large == small.scaled(large.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)) {
        return false;
      }
      // ...but the same picture: shrunk back it stays close to the small one.
      const QImage shrunk =
          large.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      qint64 difference = 0;
      for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
          const QRgb a = small.pixel(x, y);
          const QRgb b = shrunk.pixel(x, y);
          difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                        std::abs(qBlue(a) - qBlue(b));
        }
      }
      return difference / (small.width() * small.height()) < 40;
    };
    // (Court figures are bitmaps in the deck, enlarged by the deck itself; pips are not.)
    for (const int id : {1, 40, 60, 67, 69, 90, 1500, 6000}) {
      QVERIFY2(check(catalogue::ImagePath(id, 1), catalogue::ImagePath(id, 2)),
               qPrintable(QString::number(id)));
    }
    for (const auto picture : {FixedPicture::Logo, FixedPicture::TrayHatch}) {
      QVERIFY(
          check(catalogue::FixedPicturePath(picture, 1), catalogue::FixedPicturePath(picture, 2)));
    }
  }

  void BundlesCarryTheBandsOfTheirValues() {
    // A plain spot of each band, clear of its lettering.
    const auto band = [](int id) { return Picture(id).pixel(45, 40); };
    const QRgb blueGrey = band(DenominationImageId(10000));
    QVERIFY(qBlue(blueGrey) > qRed(blueGrey) + 20 && qRed(blueGrey) > 80);
    const QRgb maroon = band(DenominationImageId(20000));
    QVERIFY(qRed(maroon) > 90 && qRed(maroon) < 170 && qGreen(maroon) < 50 && qBlue(maroon) < 80);
    const QRgb peach = band(DenominationImageId(50000));
    QVERIFY(qRed(peach) > 220 && qGreen(peach) > 160 && qGreen(peach) < 225 && qBlue(peach) > 100 &&
            qBlue(peach) < qGreen(peach));
    const QRgb olive = band(DenominationImageId(100000));
    QVERIFY(std::abs(qRed(olive) - qGreen(olive)) < 20 && qRed(olive) > 90 && qBlue(olive) < 70);
    const QRgb brown = band(DenominationImageId(500000));
    QVERIFY(qRed(brown) > qGreen(brown) + 30 && qGreen(brown) > qBlue(brown) && qRed(brown) < 170);
    const QRgb red = band(DenominationImageId(5000));
    QVERIFY(qRed(red) > 170 && qGreen(red) < 60 && qBlue(red) < 60);
  }

  void BillsAreGreenAndGreyAndAllDifferent() {
    std::vector<QImage> bills;
    for (const int id : catalogue::BillIds) {
      const QImage bill = Picture(id);
      qint64 red = 0;
      qint64 green = 0;
      for (int y = 0; y < bill.height(); ++y) {
        for (int x = 0; x < bill.width(); ++x) {
          red += qRed(bill.pixel(x, y));
          green += qGreen(bill.pixel(x, y));
          QVERIFY(qAlpha(bill.pixel(x, y)) == 255);  // a whole note, no holes
        }
      }
      QVERIFY2(green > red, qPrintable(QString::number(id)));
      QVERIFY(std::find(bills.begin(), bills.end(), bill) == bills.end());
      bills.push_back(bill);
    }
  }

  void HelpIconsShowTheirMarks() {
    const QImage topic = Picture(TopicIconId);
    QVERIFY(Count(topic, topic.rect(), IsBlue) >= 6);
    QCOMPARE(Count(topic, topic.rect(), IsRed), 0);
    const QImage handRank = Picture(HandRankIconId);
    QVERIFY(Count(handRank, handRank.rect(), IsBlue) >= 4);
    QVERIFY(Count(handRank, handRank.rect(), IsRed) >= 6);
    const QImage heading = Picture(HeadingIconId);
    QVERIFY(Count(heading, heading.rect(), IsPurple) >= 40);
    QVERIFY(Count(heading, heading.rect(), IsYellow) >= 6);
  }

  void TrayLetteringStaysClearOfTheFieldAndTheBills() {
    const QImage tray = Picture(FixedPicture::TrayBackground);
    QVERIFY(Count(tray, QRect(0, 0, 112, 22), IsGold) >= 40);   // "New Bet:"
    QVERIFY(Count(tray, QRect(0, 50, 112, 19), IsGold) >= 12);  // "$"
    QCOMPARE(Count(tray, QRect(17, 24, 80, 24), IsGold), 0);    // under the bet field
    QCOMPARE(Count(tray, QRect(21, 71, 91, 303), IsGold), 0);   // under the bills
    const QImage hatch = Picture(FixedPicture::TrayHatch);
    QVERIFY(Count(hatch, QRect(0, 0, 112, 45), IsGold) >= 40);    // the title
    QVERIFY(Count(hatch, QRect(0, 354, 112, 45), IsGold) >= 30);  // "Bank"
    QCOMPARE(Count(hatch, QRect(16, 60, 96, 280), IsGold), 0);    // beside the handle
  }

  void DeckStackIsACardShapeUnderTheDeckCard() {
    const QImage stack = Picture(FixedPicture::DeckStack);
    QCOMPARE(qAlpha(stack.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(stack.pixel(76, 99)), 0);
    QCOMPARE(stack.pixel(40, 50), qRgb(255, 255, 255));
    // The edges of the cards underneath show left of where the deck card lies.
    int edges = 0;
    for (int x = 0; x < 5; ++x) {
      edges += qGray(stack.pixel(x, 50)) < 120 ? 1 : 0;
    }
    QVERIFY(edges >= 2);
  }

  void LogoHasGoldTitleAndTheHeartsInHand() {
    const QImage logo = Picture(FixedPicture::Logo);
    QVERIFY(Count(logo, QRect(0, 0, 422, 100), IsGold) >= 2000);
    QVERIFY(Count(logo, QRect(0, 140, 210, 141), IsRed) >= 300);
  }

  void ShowAndClearAnImageControl() {
    QLabel control;
    ShowImage(control, BackImageId(9));
    QCOMPARE(control.pixmap().toImage(), ImageById(69).toImage());
    ShowImage(control, KingOfHeartsAltImageId);
    QCOMPARE(control.pixmap().toImage(), ImageById(53).toImage());
    ClearImage(control);
    QVERIFY(control.pixmap().isNull());
  }
};

QTEST_MAIN(ResourcesTest)
#include "test_resources.moc"

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
#include <set>
#include <utility>

using namespace velmora;

namespace {

QImage Picture(int id) {
  return ImageById(id).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage Resource(const QString& path) {
  return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

bool IsRed(QRgb pixel) {
  return qAlpha(pixel) > 200 && qRed(pixel) > 180 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

int RedPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      count += IsRed(image.pixel(x, y)) ? 1 : 0;
    }
  }
  return count;
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
      const QPixmap picture = ImageById(id);
      QVERIFY2(picture.size() == size, qPrintable(QString::number(id)));
      QCOMPARE(picture.devicePixelRatio(), 1.0);
      QCOMPARE(Resource(catalogue::ImagePath(id, 2)).size(), size * 2);
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
      QVERIFY2(FixedPictureImage(picture).size() == size, qPrintable(name));
      QVERIFY2(Resource(catalogue::FixedPicturePath(picture, 2)).size() == size * 2,
               qPrintable(name));
    }
  }

  void IdRulesForCardsBacksAndMoney() {
    for (Card card = 1; card <= 52; ++card) {
      QCOMPARE(CardImageId(card), card);
    }
    QCOMPARE(CardImageId(KingOfHearts), 12);
    for (int index = 0; index < 10; ++index) {
      QCOMPARE(BackImageId(index), 60 + index);
    }
    for (const auto& [denomination, id] : DenominationIds) {
      QCOMPARE(DenominationImageId(denomination), id);
      // Bundles from $5,000 up, single bills below.
      const QSize expected = denomination >= 5000 ? QSize(119, 51) : QSize(117, 50);
      QCOMPARE(ImageById(id).size(), expected);
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

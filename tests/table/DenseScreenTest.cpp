// On a screen of twice the density every picture of the table is drawn from
// its rendering at twice the size, pixel for pixel, not blown up from the
// small one.
#include "ClickableImage.h"
#include "Images.h"
#include "TableHarness.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

// The share of pixels that differ by more than a rounding step in any channel.
double DifferingShare(const QImage& a, const QImage& b) {
  const QImage left = a.convertToFormat(QImage::Format_RGB32);
  const QImage right = b.convertToFormat(QImage::Format_RGB32);
  if (left.size() != right.size()) {
    return 1.0;
  }
  int differing = 0;
  for (int y = 0; y < left.height(); ++y) {
    for (int x = 0; x < left.width(); ++x) {
      const QRgb p = left.pixel(x, y);
      const QRgb q = right.pixel(x, y);
      if (std::abs(qRed(p) - qRed(q)) > 2 || std::abs(qGreen(p) - qGreen(q)) > 2 ||
          std::abs(qBlue(p) - qBlue(q)) > 2) {
        ++differing;
      }
    }
  }
  return static_cast<double>(differing) / (left.width() * left.height());
}

// The control as drawn on the screen against its picture laid 1:1 over the
// felt, which shows through the round corners of the cards.
bool DrawnOneToOne(QLabel& place) {
  const QImage drawn = place.grab().toImage();
  QImage expected(place.size() * 2, QImage::Format_RGB32);
  expected.fill(QColor(0, 128, 0));
  QImage picture = place.pixmap().toImage();
  if (picture.size() != expected.size()) {
    qWarning() << place.objectName() << "holds a picture of" << picture.size();
    return false;
  }
  picture.setDevicePixelRatio(1);
  QPainter(&expected).drawImage(0, 0, picture);
  const double share = DifferingShare(drawn, expected);
  if (share > 0.001) {
    qWarning() << place.objectName() << "differs in" << share * 100 << "% of its pixels";
    return false;
  }
  return true;
}

}  // namespace

class DenseScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void cardsAndBillsAreDrawnFromTheirLargeRendering() {
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    Table table;
    table.Start();
    TMainForm& form = *table.form;
    QVERIFY(DrawnOneToOne(*form.MoneySlot4));  // a $500 bill, while the tray is open
    QVERIFY(DrawnOneToOne(*form.DeckCard));
    table.TypeBet("10");
    table.PressDeal();
    table.RunChain();
    QCOMPARE(form.PlrCard0->pixmap().size(), QSize(142, 192));
    QVERIFY(DrawnOneToOne(*form.PlrCard0));
    QVERIFY(DrawnOneToOne(*form.DlrCard0));
  }
};

int main(int argc, char** argv) {
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication application(argc, argv);
  DenseScreenTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "DenseScreenTest.moc"

// On a screen of twice the density every picture of the table is drawn from
// its rendering at twice the size, pixel for pixel, not blown up from the
// small one.
#include "media/Look.h"
#include "tests/table/TableHarness.h"

#include <QApplication>
#include <QPainter>

using namespace velmora::testing;

namespace {

// The control as drawn on the screen against its picture laid 1:1 over the
// felt, which shows through the round corners of the cards.
void CheckDrawnOneToOne(QLabel& place) {
  QImage picture = place.pixmap().toImage();
  QCOMPARE(picture.size(), place.size() * 2);
  picture.setDevicePixelRatio(1);
  QImage expected(picture.size(), QImage::Format_RGB32);
  expected.fill(QColor(0, 128, 0));
  QPainter(&expected).drawImage(0, 0, picture);
  expected.setDevicePixelRatio(2);
  QCOMPARE(place.grab().toImage().convertToFormat(QImage::Format_RGB32), expected);
}

}  // namespace

class DenseScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void cardsAndBillsAreDrawnFromTheirLargeRendering() {
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    Table table;
    table.Start();
    CheckDrawnOneToOne(*table.form->MoneySlot4);  // a $500 bill, while the tray is open
    CheckDrawnOneToOne(*table.form->DeckCard);
    table.Deal("10");
    CheckDrawnOneToOne(*table.form->PlrCard0);  // a face; the house's backs are the deck's
    // The deck's picture is held stretched to its control, drawn as the control would draw it.
    QLabel stretching;
    stretching.setScaledContents(true);
    stretching.resize(table.form->DeckStack->size());
    velmora::look::SetBackground(stretching, velmora::look::Green);  // the felt behind it
    stretching.setPixmap(velmora::FixedPictureImage(velmora::FixedPicture::DeckStack));
    QCOMPARE(table.form->DeckStack->pixmap().size(), table.form->DeckStack->size() * 2);
    QCOMPARE(table.form->DeckStack->grab().toImage().convertToFormat(QImage::Format_RGB32),
             stretching.grab().toImage().convertToFormat(QImage::Format_RGB32));
  }
};

int main(int argc, char** argv) {
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication application(argc, argv);
  DenseScreenTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "DenseScreenTest.moc"

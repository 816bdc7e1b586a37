// Which draws the game allows: up to three cards, four only to an ace.
#include "DrawRules.h"
#include "HandCodes.h"

#include <QTest>

using namespace velmora;
using velmora::testing::HandOf;

Q_DECLARE_METATYPE(velmora::DrawVerdict)

class DrawRulesTest : public QObject {
  Q_OBJECT

 private slots:
  void verdicts_data() {
    QTest::addColumn<QString>("hand");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<DrawVerdict>("verdict");
    QTest::newRow("stand pat") << "2C 7S AH 9H AC"
                               << "....." << DrawVerdict::Allowed;
    QTest::newRow("three") << "2C 7S AH 9H AC"
                           << "xx.x." << DrawVerdict::Allowed;
    QTest::newRow("four to the first ace") << "2C 7S AH 9H AC"
                                           << "xx.xx" << DrawVerdict::Allowed;
    QTest::newRow("four to the last ace") << "2C 7S AH 9H AC"
                                          << "xxxx." << DrawVerdict::Allowed;
    QTest::newRow("four to an ace on the left") << "AS 7S 3H 9H 4C"
                                                << ".xxxx" << DrawVerdict::Allowed;
    QTest::newRow("four to a king") << "2C 7S AH 9H KC"
                                    << "xxxx." << DrawVerdict::FourWithoutAce;
    QTest::newRow("four to a deuce") << "2C 7S AH 9H AC"
                                     << ".xxxx" << DrawVerdict::FourWithoutAce;
    QTest::newRow("five") << "AC AS AH AD 2C"
                          << "xxxxx" << DrawVerdict::FiveCards;
  }

  void verdicts() {
    QFETCH(QString, hand);
    QFETCH(QString, marks);
    QFETCH(DrawVerdict, verdict);
    DiscardFlags discards{};
    for (int p = 0; p < 5; ++p) {
      discards[p] = marks.at(p) == 'x' ? 1 : 0;
    }
    QCOMPARE(CheckDraw(HandOf(hand.toStdString()), discards), verdict);
  }
};

QTEST_APPLESS_MAIN(DrawRulesTest)

#include "DrawRulesTest.moc"

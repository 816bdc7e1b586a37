// The player's cards marked by click or by the keys 1 to 5, with the king of
// hearts that pulls faces meanwhile, and every picture telling a screen
// reader what it shows.
#include "CardNames.h"
#include "ClickableImage.h"
#include "Images.h"
#include "TableHarness.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QThread>

using namespace velmora;
using namespace velmora::testing;

namespace {

// Keys go where the window sends them: to its focused control.
void PressKey(TMainForm& form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(form.focusWidget() != nullptr ? form.focusWidget() : &form, key, modifiers);
}

QString SpokenName(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// The first card place whose name is not that of the picture it shows.
QString NameMismatch(const TMainForm& form) {
  std::vector<QLabel*> places{form.DeckCard};
  for (const auto& row : {PlayerImages(form), DealerImages(form)}) {
    places.insert(places.end(), row.begin(), row.end());
  }
  for (QLabel* place : places) {
    const int shown = ShownId(*place);
    const QString expected =
        shown == 0 ? "empty"
        : shown >= BackImageId(0)
            ? "face down"
            : QString::fromStdString(CardName(shown == KingOfHeartsAltImageId ? 12 : shown));
    if (SpokenName(place) != expected) {
      return place->objectName() + " says " + SpokenName(place);
    }
  }
  return {};
}

}  // namespace

class TableAccessTest : public QObject {
  Q_OBJECT

 private slots:
  void keysMarkCardsOnlyWhileChoosingAndTheKingPullsFaces() {
    Table table;
    TMainForm& form = *table.form;
    PressKey(form, Qt::Key_1);  // before the splash has ended
    table.Start();
    table.platform.seconds = SecondsFor(table.state, [](HandEngine&, const GameState& state) {
      return state.PlayerHand[4] == KingOfHearts;
    });
    // Betting: the digits go into the bet field, which has the focus.
    PressKey(form, Qt::Key_1);
    PressKey(form, Qt::Key_5);
    QCOMPARE(form.BetEdit->text(), QString("15"));
    QCOMPARE(form.BankLabl->text(), QString("Bank: $985"));
    // Return presses Deal or Draw when it has the focus, and only then.
    PressKey(form, Qt::Key_Return);
    QVERIFY(!form.DealDelay.isActive());
    form.Bet->setFocus();
    PressKey(form, Qt::Key_Return);
    QVERIFY(form.DealDelay.isActive());
    table.Step();
    PressKey(form, Qt::Key_1);  // dealing
    // The king's faces start at the first tick, before it shows, and the later
    // ticks do not restart them: the first change comes 1.5 s after that tick.
    QVERIFY(form.kingOhearts.isActive());
    QThread::msleep(300);
    table.RunChain();
    QVERIFY2(form.kingOhearts.remainingTime() < 1350,
             qPrintable(QString::number(form.kingOhearts.remainingTime())));
    QCOMPARE(table.state.Discards, (DiscardFlags{}));
    QCOMPARE(form.focusWidget(), form.Draw);

    // Choosing: a key does what a click on its card does, the keypad's too.
    PressKey(form, Qt::Key_1);
    PressKey(form, Qt::Key_3, Qt::KeypadModifier);
    QCOMPARE(table.state.Discards, (DiscardFlags{1, 0, 1, 0, 0}));
    QCOMPARE(ShownId(*form.PlrCard0), 60);
    QCOMPARE(form.focusWidget(), form.Draw);
    PressKey(form, Qt::Key_1);
    QCOMPARE(ShownId(*form.PlrCard0), table.state.PlayerHand[0]);
    // Marking the king stops its faces and shows a back; unmarking starts them again.
    PressKey(form, Qt::Key_5);
    QVERIFY(!form.kingOhearts.isActive());
    QCOMPARE(ShownId(*form.PlrCard4), 60);
    table.ClickCard(4);
    QVERIFY(form.kingOhearts.isActive());
    Fire(form.kingOhearts);
    QCOMPARE(ShownId(*form.PlrCard4), KingOfHeartsAltImageId);
    QCOMPARE(SpokenName(form.PlrCard4), QString("King of Hearts"));
    Fire(form.kingOhearts);
    QCOMPARE(ShownId(*form.PlrCard4), KingOfHearts);
    // Neither a key held down, other keys nor a modifier mark anything.
    QKeyEvent held(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, "2", true);
    QApplication::sendEvent(form.Draw, &held);
    PressKey(form, Qt::Key_6);
    PressKey(form, Qt::Key_0);
    PressKey(form, Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(table.state.Discards, (DiscardFlags{0, 0, 1, 0, 0}));

    PressKey(form, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(form.PlrReplATimer.isActive());
    PressKey(form, Qt::Key_1);  // after the draw
    table.RunChain();
    QCOMPARE(table.state.Discards, (DiscardFlags{0, 0, 1, 0, 0}));
    const int first = ShownId(*form.PlrCard0);
    PressKey(form, Qt::Key_1);  // betting again
    QCOMPARE(form.BetEdit->text(), QString("1"));
    QCOMPARE(ShownId(*form.PlrCard0), first);
    // The king goes on through the showdown and stops when the next bet is accepted.
    QVERIFY(form.kingOhearts.isActive());
    table.PressDeal();
    QVERIFY(!form.kingOhearts.isActive());
  }

  void everyPictureSaysWhatItShows() {
    Table table;
    TMainForm& form = *table.form;
    QCOMPARE(NameMismatch(form), QString());
    QCOMPARE(SpokenName(form.MoneySlot4), QString("empty"));
    table.Start();
    QCOMPARE(SpokenName(form.DeckCard), QString("face down"));
    QCOMPARE(SpokenName(form.MoneySlot4), QString("$500 bill"));
    form.BetEdit->setText("-5000");  // $6,000 free: a bundle at the bottom
    QCOMPARE(SpokenName(form.MoneySlot4), QString("$5,000 bundle"));
    form.BetEdit->setText("1000");
    QCOMPARE(SpokenName(form.MoneySlot4), QString("empty"));
    // Labels say their text; controls and pictures without one are named.
    QCOMPARE(SpokenName(form.BetLabl), QString("Place Your Bet.."));
    QCOMPARE(SpokenName(form.BankLabl), QString("(Empty)"));
    QCOMPARE(SpokenName(form.BetEdit), QString("New Bet"));
    QCOMPARE(SpokenName(form.DeckStack), QString("deck"));
    QCOMPARE(SpokenName(form.Bet), QString("Deal"));

    // The worked hand at clock 1, checked at every step of its chain.
    form.BetEdit->setText("250");
    table.PressDeal();
    QCOMPARE(NameMismatch(form), QString());
    while (table.Step() != nullptr) {
      QCOMPARE(NameMismatch(form), QString());
      if (!form.Draw->isHidden() && form.Draw->isEnabled()) {
        QCOMPARE(SpokenName(form.CaptionBar),
                 QString("  Click on cards to remove and click Draw to replace"));
        for (const int p : {0, 1, 3}) {
          table.ClickCard(p);
        }
        QCOMPARE(NameMismatch(form), QString());
        table.PressDraw();
      }
    }
    QCOMPARE(SpokenName(form.MainLabl), QString("You're a winner!"));
  }
};

QTEST_MAIN(TableAccessTest)

#include "TableAccessTest.moc"

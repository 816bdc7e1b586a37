// Return in the bet field, the player's cards marked by click or by the keys
// 1 to 5, with the king of hearts that pulls faces meanwhile, and the Hint
// window that marks the draw the player picks from it.
#include "advice/DiscardAdvice.h"
#include "table/HintWindow.h"
#include "tests/table/TableHarness.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QThread>

using namespace velmora;
using namespace velmora::testing;

namespace {

// Keys go where the window sends them: to its focused control.
void PressKey(TMainForm& form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(form.focusWidget() != nullptr ? form.focusWidget() : &form, key, modifiers);
}

}  // namespace

class TableAccessTest : public QObject {
  Q_OBJECT

 private slots:
  // One hand: keys mark cards only while the player chooses, the king of
  // hearts pulls faces meanwhile, and the Hint window opens only then too;
  // Enter marks exactly the selected draw's cards, Escape changes nothing.
  void keysAndTheHintMarkCardsOnlyWhileChoosingAndTheKingPullsFaces() {
    Table table;
    TMainForm& form = *table.form;
    PressKey(form, Qt::Key_1);  // before the splash has ended
    table.Start();
    table.platform.seconds = SecondsFor(table.state, [](auto&, const GameState& state) {
      return state.PlayerHand[4] == KingOfHearts;
    });
    // Betting: the digits go into the bet field, which has the focus. Return
    // there deals as the Deal button does, through its checks: with nothing
    // bet yet it is refused and the field keeps the focus.
    form.HintClick();
    PressKey(form, Qt::Key_Return);
    QVERIFY(!form.DealDelay.isActive() && form.focusWidget() == form.BetEdit);
    const std::vector<ShownMessage>& told = table.platform.messages;
    QVERIFY(!told.empty() && told.back().text == "You must bet something..");
    PressKey(form, Qt::Key_1);
    PressKey(form, Qt::Key_5);
    QCOMPARE(form.BetEdit->text(), QString("15"));
    PressKey(form, Qt::Key_Return);
    QVERIFY(form.DealDelay.isActive() && table.state.LastBet == 15);
    table.Step();
    PressKey(form, Qt::Key_1);  // dealing
    form.HintClick();
    // The king's faces start at the first tick, before it shows, and the later
    // ticks do not restart them: the first change comes 1.5 s after that tick.
    QVERIFY(form.kingOhearts.isActive());
    QThread::msleep(300);
    table.RunChain();
    QVERIFY2(form.kingOhearts.remainingTime() < 1350,
             qPrintable(QString::number(form.kingOhearts.remainingTime())));
    QVERIFY(table.state.Discards == DiscardFlags{} && form.focusWidget() == form.Draw);

    // Choosing: a key does what a click on its card does, the keypad's too.
    PressKey(form, Qt::Key_1);
    PressKey(form, Qt::Key_3, Qt::KeypadModifier);
    QCOMPARE(table.state.Discards, (DiscardFlags{1, 0, 1, 0, 0}));
    QVERIFY(ShownId(*form.PlrCard0) == FirstBackId && form.focusWidget() == form.Draw);
    PressKey(form, Qt::Key_1);
    QCOMPARE(ShownId(*form.PlrCard0), table.state.PlayerHand[0]);
    // Marking the king stops its faces and shows a back; unmarking starts them again.
    PressKey(form, Qt::Key_5);
    QVERIFY(!form.kingOhearts.isActive() && ShownId(*form.PlrCard4) == FirstBackId);
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

    // H opens the Hint; its second draw selected, then the window closed with `key`.
    const Hand& hand = table.state.PlayerHand;
    const DiscardFlags second = AdviseDiscards(hand).at(1).discards;
    Qt::Key closeWith = Qt::Key_Escape;
    table.platform.onModal = [&closeWith](QDialog& dialog) {
      QListWidget* choices = static_cast<THintWindow&>(dialog).Choices;
      QTest::keyClick(choices, Qt::Key_Down);
      QTest::keyClick(choices, closeWith);
    };
    QTest::keyClick(form.Draw, Qt::Key_H);
    QCOMPARE(table.state.Discards, (DiscardFlags{0, 0, 1, 0, 0}));
    closeWith = Qt::Key_Return;
    QTest::keyClick(form.Draw, Qt::Key_H);
    QVERIFY(second != (DiscardFlags{0, 0, 1, 0, 0}) && table.state.Discards == second);
    for (std::size_t p = 0; p < 5; ++p) {
      QCOMPARE(ShownId(*PlayerImages(form)[p]), second[p] == 1 ? FirstBackId : hand[p]);
    }
    QCOMPARE(form.focusWidget(), form.Draw);

    table.platform.onModal = nullptr;
    PressKey(form, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(form.PlrReplATimer.isActive());
    PressKey(form, Qt::Key_1);  // after the draw
    form.HintClick();
    table.RunChain();
    QCOMPARE(table.state.Discards, second);
    PressKey(form, Qt::Key_1);  // betting again
    form.HintClick();
    QVERIFY(form.BetEdit->text() == "1" && ShownId(*form.PlrCard0) == hand[0]);
    QCOMPARE(table.platform.modalTitles,
             (std::vector<QString>{"Welcome to Velmora", "Hint", "Hint"}));
    // The king goes on through the showdown and stops when the next bet is accepted.
    QVERIFY(form.kingOhearts.isActive());
    table.PressDeal();
    QVERIFY(!form.kingOhearts.isActive());
  }
};

QTEST_MAIN(TableAccessTest)

#include "TableAccessTest.moc"

// The player's cards marked by click or by the keys 1 to 5, with the king of
// hearts that pulls faces meanwhile, the Hint window that marks the draw the
// player picks from it, and what a screen reader is told through a hand.
#include "CardNames.h"
#include "ClickableImage.h"
#include "DiscardAdvice.h"
#include "HintWindow.h"
#include "Images.h"
#include "PictureNames.h"
#include "SpokenLabel.h"
#include "TableHarness.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QThread>

#include <utility>

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

// The first card place whose name is not that of the picture it shows; a
// player's card under a back says which it is.
QString NameMismatch(const TMainForm& form, const GameState& state) {
  std::vector<QLabel*> places{form.DeckCard};
  for (const auto& row : {PlayerImages(form), DealerImages(form)}) {
    places.insert(places.end(), row.begin(), row.end());
  }
  for (std::size_t i = 0; i < places.size(); ++i) {
    QLabel* place = places[i];
    const int shown = ShownId(*place);
    const bool marked = i >= 1 && i <= 5 && state.Discards[i - 1] == 1 && shown >= BackImageId(0);
    const QString expected =
        marked       ? MarkedCardName(state.PlayerHand[i - 1])
        : shown == 0 ? "empty"
        : shown >= BackImageId(0)
            ? "face down"
            : QString::fromStdString(CardName(shown == KingOfHeartsAltImageId ? 12 : shown));
    if (SpokenName(place) != expected) {
      return place->objectName() + " says " + SpokenName(place);
    }
  }
  return {};
}

// What a screen reader is told to speak: the text of every notification as it
// appears. (Qt passes accessibility events on only to a platform that takes
// them, which the tests' has not; the appearing is what the bridge turns into one.)
class SpokenLog : public QObject {
 public:
  SpokenLog() { QCoreApplication::instance()->installEventFilter(this); }

  // Lets the announcements due after the handlers that ran be made, and
  // takes them; no timer of the table fires meanwhile.
  QStringList Take() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    return std::exchange(lines_, {});
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && qobject_cast<Announcer*>(watched) != nullptr) {
      QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(watched);
      const bool notification = spoken->role() == QAccessible::Notification;
      lines_.append((notification ? "" : "not a notification: ") + spoken->text(QAccessible::Name));
    }
    return false;
  }

 private:
  QStringList lines_;
};

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
    QVERIFY(table.state.Discards == DiscardFlags{} && form.focusWidget() == form.Draw);

    // Choosing: a key does what a click on its card does, the keypad's too.
    PressKey(form, Qt::Key_1);
    PressKey(form, Qt::Key_3, Qt::KeypadModifier);
    QCOMPARE(table.state.Discards, (DiscardFlags{1, 0, 1, 0, 0}));
    QVERIFY(ShownId(*form.PlrCard0) == 60 && form.focusWidget() == form.Draw);
    PressKey(form, Qt::Key_1);
    QCOMPARE(ShownId(*form.PlrCard0), table.state.PlayerHand[0]);
    // Marking the king stops its faces and shows a back; unmarking starts them again.
    PressKey(form, Qt::Key_5);
    QVERIFY(!form.kingOhearts.isActive() && ShownId(*form.PlrCard4) == 60);
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
    QVERIFY(form.BetEdit->text() == "1" && ShownId(*form.PlrCard0) == first);
    // The king goes on through the showdown and stops when the next bet is accepted.
    QVERIFY(form.kingOhearts.isActive());
    table.PressDeal();
    QVERIFY(!form.kingOhearts.isActive());
  }

  // H lists the draws best first while the player chooses, and does nothing
  // at any other time; Enter marks exactly the selected draw's cards, Escape
  // changes nothing.
  void hintMarksTheChosenDrawOnly() {
    Table table;
    TMainForm& form = *table.form;
    table.Start();
    const auto hintOpened = [&table] {
      return std::count(table.platform.modalTitles.begin(), table.platform.modalTitles.end(),
                        "Hint");
    };
    form.HintClick();  // betting
    table.TypeBet("250");
    table.PressDeal();
    form.HintClick();  // dealing
    table.RunChain();
    QCOMPARE(hintOpened(), 0);

    // The worked hand at clock 1, with a card marked that the chosen draw keeps.
    const Hand hand = table.state.PlayerHand;
    const std::vector<DiscardChoice> advice = AdviseDiscards(hand);
    QVERIFY(advice.size() > 2);
    table.ClickCard(2);
    QStringList lines;
    int selectedFirst = -1;
    table.platform.onModal = [&](QDialog& dialog) {
      auto& hint = static_cast<THintWindow&>(dialog);
      for (int row = 0; row < hint.Choices->count(); ++row) {
        lines.append(hint.Choices->item(row)->text());
      }
      selectedFirst = hint.Choices->currentRow();
      QTest::keyClick(hint.Choices, Qt::Key_Down);
      QTest::keyClick(hint.Choices, Qt::Key_Return);
    };
    QTest::keyClick(form.Draw, Qt::Key_H);
    QCOMPARE(hintOpened(), 1);
    QCOMPARE(selectedFirst, 0);
    QCOMPARE(lines.size(), static_cast<qsizetype>(advice.size()));
    for (std::size_t row = 0; row < advice.size(); ++row) {
      QCOMPARE(lines[static_cast<qsizetype>(row)],
               QString::fromStdString(DescribeChoice(hand, advice[row])));
    }
    QCOMPARE(table.state.Discards, advice[1].discards);
    for (std::size_t p = 0; p < 5; ++p) {
      QCOMPARE(ShownId(*PlayerImages(form)[p]), advice[1].discards[p] == 1 ? 60 : hand[p]);
    }
    QCOMPARE(NameMismatch(form, table.state), QString());
    QCOMPARE(form.focusWidget(), form.Draw);

    // Escape after moving the selection leaves the marks as they were.
    table.platform.onModal = [](QDialog& dialog) {
      auto& hint = static_cast<THintWindow&>(dialog);
      QTest::keyClick(hint.Choices, Qt::Key_Down);
      QTest::keyClick(hint.Choices, Qt::Key_Escape);
    };
    QTest::keyClick(form.Draw, Qt::Key_H);
    QCOMPARE(hintOpened(), 2);
    QCOMPARE(table.state.Discards, advice[1].discards);

    table.platform.onModal = nullptr;
    table.PressDraw();
    form.HintClick();  // after the draw
    table.RunChain();
    form.HintClick();  // betting again
    QCOMPARE(hintOpened(), 2);
  }

  // Every picture says what it shows, at every step of the worked hand at
  // clock 1. Everything a blind player must follow is spoken as it appears,
  // once, and nothing is spoken of what the table does not show.
  void aHandIsSeenAndHeardAsItHappens() {
    SpokenLog spoken;
    Table table;
    TMainForm& form = *table.form;
    const auto run = [&table, &form](const QTimer* stopAt = nullptr) {
      do {
        QCOMPARE(NameMismatch(form, table.state), QString());
      } while (table.Step(stopAt) != nullptr);
    };
    run(&form.SplashTime);
    QCOMPARE(spoken.Take(), QStringList());  // the bare table says nothing
    // The welcome texts give way to the betting ones before the event loop
    // runs here (in play it runs in the welcome dialog, which hears them).
    table.Start();
    QCOMPARE(spoken.Take(), (QStringList{"Place Your Bet..",
                                         "Enter your bet and click Deal to start", "Bank: $1000"}));
    // The bottom bill by its value, strapped from $5,000 up; an empty slot as such.
    for (const auto& [field, name] : std::vector<std::pair<QString, QString>>{
             {"-5000", "$5,000 bundle"}, {"1000", "empty"}, {"", "$500 bill"}}) {
      form.BetEdit->setText(field);
      QCOMPARE(SpokenName(form.MoneySlot4), name);
    }
    spoken.Take();
    // Each key typed into the bet field is an event of its own: the cash left is said after each.
    QStringList bank;
    for (const char key : {'2', '5', '0'}) {
      QTest::keyClick(form.BetEdit, key);
      bank += spoken.Take();
    }
    QCOMPARE(bank, (QStringList{"Bank: $998", "Bank: $975", "Bank: $750"}));
    table.PressDeal();
    run();
    QCOMPARE(spoken.Take(), (QStringList{"Game Pot:  $500", "Last Bet: $250",
                                         "Click on cards to remove and click Draw to replace"}));
    // Marks are said as they change, also by key, though the focus stays on Draw.
    table.ClickCard(1);
    QTest::keyClick(form.Draw, Qt::Key_1);
    table.ClickCard(1);
    table.ClickCard(3);
    QCOMPARE(spoken.Take(), (QStringList{"Seven of Spades, marked for discard",
                                         "Deuce of Clubs, marked for discard", "Seven of Spades",
                                         "Nine of Hearts, marked for discard"}));
    table.ClickCard(1);
    spoken.Take();
    table.PressDraw();
    run(&form.DlrReplA);
    QCOMPARE(spoken.Take(), QStringList{"Dealer takes 3"});
    run();
    QCOMPARE(spoken.Take(),
             (QStringList{"You're a winner!", "Dealer's hand: Pair", "Your hand: Pair",
                          "Bank: $1250", "Change your bet or click Deal to play"}));

    // The next hand's names are heard again though they are the same as the last one's.
    table.platform.seconds = SecondsFor(table.state, [](HandEngine& engine, const GameState&) {
      const std::optional<SettlementResult> settled = StandPat(engine);
      return settled->outcome == 0 && settled->playerHandName == "Pair";
    });
    table.Deal("100");
    table.PressDraw();
    table.RunChain(&form.pickAwinner);
    spoken.Take();
    table.Step();
    QCOMPARE(spoken.Take(),
             (QStringList{"Push.. Split the Pot!", "Dealer's hand: Pair", "Your hand: Pair",
                          "Bank: $1250", "Change your bet or click Deal to play"}));
  }
};

QTEST_MAIN(TableAccessTest)

#include "TableAccessTest.moc"

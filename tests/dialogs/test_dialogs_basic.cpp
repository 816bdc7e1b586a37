// The welcome, logo, bankrupt and deck dialogs and the message boxes driven
// as a player would.
#include "dialogs/Decks.h"
#include "dialogs/ExitDlg.h"
#include "dialogs/IntroDlg.h"
#include "dialogs/LogoBox.h"
#include "hand/GameState.h"
#include "media/Look.h"
#include "media/MessageBoxes.h"
#include "tests/support/FakePlatform.h"

#include <QtTest/qtestspontaneevent.h>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <QtTest>

#include <tuple>
#include <vector>

using velmora::FirstBackId;
using velmora::GameState;
using velmora::testing::FakePlatform;

namespace {

template <typename T = QWidget>
T& Child(QWidget& parent, const QString& name) {
  T* child = parent.findChild<T*>(name);
  QTEST_ASSERT_X(child != nullptr, "no component", qPrintable(name));
  return *child;
}

// A player's action: a key, a letter typed, closing by the program ("close")
// or by the window system ("closeBox"), a double click ("2x" before the
// component's name) or a click.
void Act(QDialog& dialog, const QString& action) {
  QWidget* const focused = dialog.focusWidget() != nullptr ? dialog.focusWidget() : &dialog;
  if (action.size() == 1) {
    QTest::keyClicks(focused, action);
  } else if (action == "Return" || action == "Escape") {
    QTest::keyClick(focused, action == "Return" ? Qt::Key_Return : Qt::Key_Escape);
  } else if (action == "close") {
    dialog.close();
  } else if (action == "closeBox") {
    // The window system's request, which the program's own close() is not.
    QCloseEvent request;
    QSpontaneKeyEvent::setSpontaneous(&request);
    qApp->notify(&dialog, &request);
  } else if (action.startsWith("2x")) {
    QTest::mouseDClick(&Child(dialog, action.mid(2)), Qt::LeftButton);
  } else {
    QTest::mouseClick(&Child(dialog, action), Qt::LeftButton);
  }
}

// The decks whose frame shows red; -1 for a frame neither red nor green.
std::vector<int> RedFrames(QWidget& dialog) {
  std::vector<int> red;
  for (int deck = 0; deck < velmora::TDecks::DeckCount; ++deck) {
    const QColor colour =
        Child(dialog, QString("Deck%1Pnl").arg(deck)).palette().color(QPalette::Window);
    if (colour != velmora::look::Green) {
      red.push_back(colour == velmora::look::Red ? deck : -1);
    }
  }
  return red;
}

}  // namespace

class DialogsBasicTest : public QObject {
  Q_OBJECT

 private slots:
  void welcome();
  void bankrupt();
  void decks();
  void logoBox();
  void buttonCaptionsFit();
  void placesOverOtherControls();
  void messageBoxes();
};

// The caption of every radio button and check box fits the room its style
// leaves beside the indicator; this catches a button laid out narrower than
// its text.
void DialogsBasicTest::buttonCaptionsFit() {
  FakePlatform platform;
  GameState state;
  velmora::TIntroDlg welcome(platform, state);
  velmora::TExitDlg bankrupt(platform, state, [] {});
  for (QDialog* dialog : std::initializer_list<QDialog*>{&welcome, &bankrupt}) {
    dialog->show();
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
      const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
      if (!radio && qobject_cast<const QCheckBox*>(button) == nullptr) {
        continue;
      }
      QStyleOptionButton option;
      option.initFrom(button);
      const QRect room = button->style()->subElementRect(
          radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
      const qreal needed =
          QFontMetricsF(button->font(), button).horizontalAdvance(button->text().trimmed());
      QVERIFY2(needed <= room.width(), qPrintable(button->text()));
    }
  }
}

// Controls whose place is easily taken from the wrong corner, in the
// dialog's own coordinates: the bank buttons inside their group, and New
// Game, which lies over the bankrupt picture without belonging to its panel.
void DialogsBasicTest::placesOverOtherControls() {
  FakePlatform platform;
  GameState state;
  velmora::TIntroDlg welcome(platform, state);
  velmora::TExitDlg bankrupt(platform, state, [] {});
  const std::tuple<QDialog*, QString, QRect> places[] = {
      {&welcome, "RBbank0", {24, 96, 65, 17}},       {&welcome, "RBbank1", {24, 112, 57, 17}},
      {&welcome, "RBbank2", {24, 128, 65, 17}},      {&welcome, "RandDeckChk", {296, 144, 80, 17}},
      {&bankrupt, "NewGameBtn", {133, 124, 75, 25}},
  };
  for (const auto& [dialog, name, place] : places) {
    QWidget& control = Child(*dialog, name);
    QCOMPARE(QRect(control.mapTo(dialog, QPoint(0, 0)), control.size()), place);
  }
  // New Game lies over the picture, not under it.
  QCOMPARE(bankrupt.childAt(170, 136), &Child(bankrupt, "NewGameBtn"));
}

// The real message box: a Yes/No question, whose No may cost the game's
// statistics, is answered only by its buttons; with a Cancel button Escape
// and the close box mean Cancel; a lone OK takes them. A file's name is
// shown as written, never as markup that sizes or styles the box.
void DialogsBasicTest::messageBoxes() {
  using Box = QMessageBox;
  // The buttons, the player's tries and what each left: "open" or the answer.
  const std::tuple<Box::StandardButtons, QStringList, QString> boxes[] = {
      {Box::Yes | Box::No, {"Escape", "closeBox", "No"}, "open,open,No"},
      {Box::Yes | Box::No, {"closeBox", "Escape", "Yes"}, "open,open,Yes"},
      {Box::Yes | Box::No | Box::Cancel, {"Escape"}, "Cancel"},
      {Box::Yes | Box::No | Box::Cancel, {"closeBox"}, "Cancel"},
      {Box::Ok, {"Escape"}, "Ok"},
  };
  const QString text = "/tmp/<img width=20000 height=20000 src=x><b>k</b>.vlm already exists.";
  const QMetaEnum names = QMetaEnum::fromType<Box::StandardButtons>();
  for (const auto& [buttons, tries, outcome] : boxes) {
    QStringList seen;
    bool plain = false;
    QTimer::singleShot(0, [&, &tries = tries] {
      auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
      for (const QLabel* label : box->findChildren<QLabel*>()) {
        plain = plain || (label->text() == text && label->textFormat() == Qt::PlainText);
      }
      plain = plain && box->width() < 1000 && box->height() < 400;
      for (const QString& action : tries) {
        if (action.front().isUpper() && action != "Escape") {
          box->button(Box::StandardButton(names.keyToValue(qPrintable(action))))->click();
        } else {
          Act(*box, action);
        }
        if (box->isVisible()) {
          seen << "open";
        }
      }
      if (box->isVisible()) {
        box->done(Box::Abort);  // so that a failing row cannot hang the test
      }
    });
    const Box::StandardButton answer = velmora::RunMessageBox(
        nullptr, Box::Question, "Overwrite Existing Stat File", text, buttons);
    seen << names.valueToKey(answer);
    QCOMPARE(seen.join(','), outcome);
    QVERIFY(plain);
  }
}

void DialogsBasicTest::welcome() {
  const QStringList card3{"CardPic", "CardPic", "CardPic"};
  // The name typed or pasted, the player's actions, and what the game is left
  // with; leaving without Enter keeps nothing. Letters beyond the basic plane
  // are two UTF-16 units each, but one character.
  const std::tuple<QString, QStringList, QString> visits[] = {
      {"", {"Return"}, "Player $1000 sound:1 back:60 random:0"},
      {" Zoë Ærøs ", {"OK"}, " Zoë Ærøs  $1000 sound:1 back:60 random:0"},
      {"Abcdefghijk", {"OK", "Quit"}, " $0 sound:0 back:60 random:0 refused"},
      {"𝔸𝔹ℂ𝔻𝔼𝔽𝔾ℍ𝕀𝕁", {"OK"}, "𝔸𝔹ℂ𝔻𝔼𝔽𝔾ℍ𝕀𝕁 $1000 sound:1 back:60 random:0"},
      // A line break would split the name's line of a statistics file.
      {"Anna\r\nMaria\t", {"X", "OK"}, "AnnaMariaX $1000 sound:1 back:60 random:0"},
      {"", {"RBbank0", "SoundCheck", "OK"}, "Player $100 sound:0 back:60 random:0"},
      {"", {"RBbank0", "RBbank2", "OK"}, "Player $5000 sound:1 back:60 random:0"},
      // Ten clicks go round to the first back.
      {"", card3 + card3 + card3 + QStringList{"CardPic", "OK"},
       "Player $1000 sound:1 back:60 random:0"},
      {"", QStringList{"CardPic", "RandDeckChk"} + card3 + QStringList{"OK"},
       "Player $1000 sound:1 back:60 random:1"},
      // Clicks while ticked do not count.
      {"",
       QStringList{"CardPic", "RandDeckChk"} + card3 + QStringList{"RandDeckChk", "CardPic", "OK"},
       "Player $1000 sound:1 back:62 random:0"},
      {"", {"RBbank2", "Quit"}, " $0 sound:0 back:60 random:0"},
      {"", {"RBbank2", "close"}, " $0 sound:0 back:60 random:0"},
      {"", {"RBbank2", "Escape"}, " $0 sound:0 back:60 random:0"},
  };
  for (const auto& [name, actions, outcome] : visits) {
    FakePlatform platform;
    GameState state;
    velmora::TIntroDlg dlg(platform, state);
    // Accepted before: the flag must still be cleared by the next showing.
    platform.onModal = [](QDialog& d) { Act(d, "OK"); };
    platform.RunModal(dlg);
    state = GameState{};
    platform.onModal = [&](QDialog& d) {
      auto& edit = Child<QLineEdit>(d, "PlrNameEdit");
      QCOMPARE(d.focusWidget(), &edit);
      edit.insert(name);
      auto& card = Child<QLabel>(d, "CardPic");
      for (const QString& action : actions) {
        const qint64 shown = card.pixmap().cacheKey();
        const std::size_t told = platform.messages.size();
        Act(d, action);
        const bool ticked = Child<QCheckBox>(d, "RandDeckChk").isChecked();
        QVERIFY2(action != "CardPic" || (card.pixmap().cacheKey() != shown) != ticked,
                 qPrintable(outcome));
        // A refused name is left in its field to be put right.
        QVERIFY2(platform.messages.size() == told || (d.isVisible() && d.focusWidget() == &edit),
                 qPrintable(outcome));
      }
      QVERIFY(!d.isVisible());
    };
    const bool entered = platform.RunModal(dlg) == QDialog::Accepted;
    QCOMPARE(QString("%1 $%2 sound:%3 back:%4 random:%5%6")
                 .arg(QString::fromStdString(state.PlayerName))
                 .arg(state.Bank)
                 .arg(state.SoundOn)
                 .arg(state.DeckBackId)
                 .arg(state.RandomizeDeck)
                 .arg(platform.messages.empty() ? "" : " refused"),
             outcome);
    const auto bank = static_cast<std::uint32_t>(state.Bank);
    QVERIFY2(entered == (bank != 0) && dlg.WelcomeAccepted() == entered &&
                 state.StartingBank == state.Bank && state.Statistics.BankTotal == bank &&
                 state.Statistics.HighestBank == bank,
             qPrintable(outcome));
  }
}

void DialogsBasicTest::bankrupt() {
  // The focus stays on New Game, so Return starts a new game.
  const std::pair<QStringList, bool> visits[] = {
      {{"NewGameBtn"}, true},
      {{"ViewStatsBtn", "ViewStatsBtn", "Return"}, true},
      {{"ViewStatsBtn", "ExitBtn"}, false},
      {{"close"}, false},
  };
  for (const auto& [actions, newGame] : visits) {
    FakePlatform platform;
    GameState state;
    std::vector<std::uint32_t> countsSeen;
    velmora::TExitDlg dlg(platform, state,
                          [&] { countsSeen.push_back(state.Statistics.BankruptCount); });
    // New Game chosen before must not leak into this showing.
    platform.onModal = [](QDialog& d) { Act(d, "NewGameBtn"); };
    platform.RunModal(dlg);
    state.Statistics.BankruptCount = 2;
    platform.onModal = [&](QDialog& d) {
      for (const QString& action : actions) {
        QCOMPARE(d.focusWidget(), &Child(d, "NewGameBtn"));
        Act(d, action);
        QCOMPARE(state.Statistics.BankruptCount, 2u);
      }
      QVERIFY(!d.isVisible());
    };
    const bool chosen = platform.RunModal(dlg) == QDialog::Accepted;
    QVERIFY2(chosen == newGame && dlg.BankruptChoseNewGame() == newGame,
             qPrintable(actions.join(',')));
    // The statistics window saw this bankruptcy counted each time.
    QCOMPARE(countsSeen, std::vector<std::uint32_t>(actions.count("ViewStatsBtn"), 3));
  }
}

void DialogsBasicTest::decks() {
  // Opened with back 63, ticked or not; the actions; what the game is left with.
  const std::tuple<bool, QStringList, bool, int> visits[] = {
      {false, {"Deck9Pic", "OKBtn"}, false, 69},
      {false, {"Deck5Pic", "RandDeckChk", "CancelBtn"}, false, 63},
      {true, {"RandDeckChk", "Deck5Pic", "close"}, true, 63},
      // Clicks are ignored while ticked, double clicks too.
      {false, {"Deck8Pic", "RandDeckChk", "Deck0Pic", "OKBtn"}, true, 63},
      {true, {"2xDeck7Pic", "RandDeckChk", "2xDeck7Pic"}, false, 67},
      // Unticked without a click: the back highlighted on opening.
      {true, {"RandDeckChk", "OKBtn"}, false, 63},
  };
  for (const auto& [randomOnOpening, actions, randomize, back] : visits) {
    const QByteArray row = actions.join(',').toUtf8();
    GameState state;
    state.DeckBackId = 63;
    state.RandomizeDeck = randomOnOpening;
    velmora::TDecks dlg(state);
    FakePlatform platform;
    std::vector<int> framed;
    platform.onModal = [&](QDialog& d) {
      QCOMPARE(RedFrames(d), std::vector<int>{3});
      QCOMPARE(Child<QCheckBox>(d, "RandDeckChk").isChecked(), randomOnOpening);
      for (const QString& action : actions) {
        QVERIFY2(d.isVisible(), row);
        const bool ticked = Child<QCheckBox>(d, "RandDeckChk").isChecked();
        const std::vector<int> before = RedFrames(d);
        Act(d, action);
        framed = RedFrames(d);
        // While ticked, clicks on the pictures do not move the frame.
        QVERIFY2(!ticked || !action.endsWith("Pic") || framed == before, row);
      }
      QVERIFY2(!d.isVisible(), row);
    };
    const bool changed = randomize != randomOnOpening || back != 63;
    const bool accepted = platform.RunModal(dlg) == QDialog::Accepted;
    QVERIFY2(accepted == (changed || actions.endsWith("OKBtn")), row);
    QVERIFY2(state.RandomizeDeck == randomize && state.DeckBackId == back, row);
    QVERIFY2(randomize || !changed || framed == std::vector<int>{back - FirstBackId}, row);
    // Opened again, the highlight and the tick come from the game, not the
    // last visit, and Return means OK whatever was clicked then.
    platform.onModal = [&](QDialog& d) {
      QCOMPARE(RedFrames(d), std::vector<int>{back - FirstBackId});
      QCOMPARE(Child<QCheckBox>(d, "RandDeckChk").isChecked(), randomize);
      Act(d, "Return");
    };
    QVERIFY2(platform.RunModal(dlg) == QDialog::Accepted, row);
    QVERIFY2(state.RandomizeDeck == randomize && state.DeckBackId == back, row);
  }
}

void DialogsBasicTest::logoBox() {
  velmora::TLogoBox logo;
  QVERIFY(logo.isVisible());
  // A close request from the window system (Alt+F4) is refused; sendEvent
  // would not deliver it as the window system does.
  QCloseEvent request;
  QSpontaneKeyEvent::setSpontaneous(&request);
  qApp->notify(&logo, &request);
  QVERIFY(!request.isAccepted());
  QVERIFY(logo.isVisible());
  // The program itself can close it.
  QVERIFY(logo.close());
}

QTEST_MAIN(DialogsBasicTest)
#include "test_dialogs_basic.moc"

// The welcome, logo, bankrupt and deck dialogs driven as a player would.
#include "Decks.h"
#include "ExitDlg.h"
#include "FakePlatform.h"
#include "GameState.h"
#include "IntroDlg.h"
#include "LogoBox.h"
#include "Look.h"

#include <QtTest/qtestspontaneevent.h>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

using velmora::GameState;
using velmora::testing::FakePlatform;

namespace {

template <typename T = QWidget>
T& Child(QWidget& parent, const QString& name) {
  T* child = parent.findChild<T*>(name);
  if (child == nullptr) {
    qFatal("no component %s", qPrintable(name));
  }
  return *child;
}

void Click(QWidget& parent, const QString& name) {
  QTest::mouseClick(&Child(parent, name), Qt::LeftButton);
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
  void welcomeName_data();
  void welcomeName();
  void welcome_data();
  void welcome();
  void welcomePastedLineBreaksDropped();

  void bankrupt_data();
  void bankrupt();

  void decks_data();
  void decks();

  void logoBox();
  void buttonCaptionsFit();
};

// The caption of every radio button and check box fits the room its style
// leaves beside the indicator; this catches a button laid out narrower than
// its text.
void DialogsBasicTest::buttonCaptionsFit() {
  FakePlatform platform;
  GameState state;
  velmora::TIntroDlg welcome(platform, state);
  velmora::TExitDlg bankrupt(platform, state, [] {});
  QStringList cut;
  for (QDialog* dialog : std::initializer_list<QDialog*>{&welcome, &bankrupt}) {
    dialog->show();
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
      const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
      if (!radio && qobject_cast<const QCheckBox*>(button) == nullptr) {
        continue;
      }
      QStyleOptionButton option;
      option.initFrom(button);
      option.text = button->text();
      const QRect room = button->style()->subElementRect(
          radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
      const qreal needed =
          QFontMetricsF(button->font(), button).horizontalAdvance(button->text().trimmed());
      if (needed > room.width()) {
        cut << QString("%1 \"%2\" needs %3 of %4 px")
                   .arg(button->objectName(), button->text())
                   .arg(needed)
                   .arg(room.width());
      }
    }
    dialog->hide();
  }
  QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));
}

void DialogsBasicTest::welcomeName_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("name");  // empty: refused
  const auto row = [](const char* name, const char* typed, const char* result) {
    QTest::newRow(name) << QString(typed) << QString(result);
  };
  row("10 letters, blanks kept", " Zoë Ærøs ", " Zoë Ærøs ");
  row("11 letters", "Abcdefghijk", "");
  row("empty", "", "Player");
  // Two UTF-16 units each, but one character.
  row("10 beyond the basic plane", "𝔸𝔹ℂ𝔻𝔼𝔽𝔾ℍ𝕀𝕁", "𝔸𝔹ℂ𝔻𝔼𝔽𝔾ℍ𝕀𝕁");
  row("11 beyond the basic plane", "𝔸𝔹ℂ𝔻𝔼𝔽𝔾ℍ𝕀𝕁𝕂", "");
}

void DialogsBasicTest::welcomeName() {
  QFETCH(QString, typed);
  QFETCH(QString, name);
  FakePlatform platform;
  GameState state;
  velmora::TIntroDlg dlg(platform, state);
  platform.onModal = [&](QDialog& d) {
    auto& edit = Child<QLineEdit>(d, "PlrNameEdit");
    QInputMethodEvent typing;  // how letters beyond a keyboard's reach arrive
    typing.setCommitString(typed);
    QCoreApplication::sendEvent(&edit, &typing);
    Click(d, "OK");
    if (name.isEmpty()) {
      QVERIFY(d.isVisible());
      QCOMPARE(d.focusWidget(), &edit);
    }
  };
  const bool accepted = platform.RunModal(dlg) == QDialog::Accepted;
  QCOMPARE(accepted, !name.isEmpty());
  QCOMPARE(dlg.WelcomeAccepted(), accepted);
  QCOMPARE(QString::fromStdString(state.PlayerName), name);
  if (accepted) {
    QVERIFY(platform.messages.empty());
    return;
  }
  QCOMPARE(platform.messages.size(), 1u);
  const auto& shown = platform.messages[0];
  QCOMPARE(shown.caption + '|' + shown.text,
           QString("Illegal Name Entry|Name must be 10 letters or less.\n        Try Again.."));
  QVERIFY(shown.icon == QMessageBox::Critical && shown.buttons == QMessageBox::Ok);
  QCOMPARE(state.Bank, 0);
  QCOMPARE(state.Statistics.BankTotal, 0u);
}

void DialogsBasicTest::welcome_data() {
  // The player's actions; a bank of 0 means the dialog was left without Enter.
  QTest::addColumn<QStringList>("actions");
  QTest::addColumn<int>("bank");
  QTest::addColumn<bool>("sound");
  QTest::addColumn<int>("back");
  QTest::addColumn<bool>("randomize");
  const auto row = [](const char* name, const QStringList& actions, int bank, bool sound, int back,
                      bool randomize) {
    QTest::newRow(name) << actions << bank << sound << back << randomize;
  };
  const QStringList card3{"CardPic", "CardPic", "CardPic"};
  row("defaults, Return in the name field", {"Return"}, 1000, true, 60, false);
  row("$100, no sound", {"RBbank0", "SoundCheck", "OK"}, 100, false, 60, false);
  row("$100 then $5,000", {"RBbank0", "RBbank2", "OK"}, 5000, true, 60, false);
  row("ten cards wrap round", card3 + card3 + card3 + QStringList{"CardPic", "OK"}, 1000, true, 60,
      false);
  row("randomized", QStringList{"CardPic", "RandDeckChk"} + card3 + QStringList{"OK"}, 1000, true,
      60, true);
  row("cards clicked while ticked do not count",
      QStringList{"CardPic", "RandDeckChk"} + card3 + QStringList{"RandDeckChk", "CardPic", "OK"},
      1000, true, 62, false);
  row("Exit", {"RBbank2", "Quit"}, 0, false, 60, false);
  row("close box", {"RBbank2", "close"}, 0, false, 60, false);
  row("Escape", {"RBbank2", "Escape"}, 0, false, 60, false);
}

void DialogsBasicTest::welcome() {
  QFETCH(QStringList, actions);
  QFETCH(int, bank);
  QFETCH(bool, sound);
  QFETCH(int, back);
  QFETCH(bool, randomize);
  FakePlatform platform;
  GameState state;
  velmora::TIntroDlg dlg(platform, state);
  // Accepted before: the flag must still be cleared by the next showing.
  platform.onModal = [](QDialog& d) { Click(d, "OK"); };
  platform.RunModal(dlg);
  state = GameState{};
  platform.onModal = [&](QDialog& d) {
    QCOMPARE(d.focusWidget(), &Child(d, "PlrNameEdit"));
    auto& card = Child<QLabel>(d, "CardPic");
    for (const QString& action : actions) {
      const qint64 shown = card.pixmap().cacheKey();
      if (action == "Return" || action == "Escape") {
        QTest::keyClick(d.focusWidget(), action == "Return" ? Qt::Key_Return : Qt::Key_Escape);
      } else if (action == "close") {
        d.close();
      } else {
        Click(d, action);
      }
      if (action == "CardPic") {
        const bool ticked = Child<QCheckBox>(d, "RandDeckChk").isChecked();
        QCOMPARE(card.pixmap().cacheKey() != shown, !ticked);
      }
    }
    QVERIFY(!d.isVisible());
  };
  const bool entered = bank != 0;
  QCOMPARE(platform.RunModal(dlg) == QDialog::Accepted, entered);
  QCOMPARE(platform.modalTitles.back(), QString("Welcome to Velmora"));
  QCOMPARE(dlg.WelcomeAccepted(), entered);
  QCOMPARE(QString::fromStdString(state.PlayerName), entered ? QString("Player") : QString());
  QCOMPARE(state.StartingBank, bank);
  QCOMPARE(state.Bank, bank);
  QCOMPARE(state.Statistics.BankTotal, std::uint32_t(bank));
  QCOMPARE(state.Statistics.HighestBank, std::uint32_t(bank));
  QCOMPARE(state.SoundOn, sound);
  QCOMPARE(state.RandomizeDeck, randomize);
  QCOMPARE(state.DeckBackId, back);
}

void DialogsBasicTest::welcomePastedLineBreaksDropped() {
  // A name with a line break would split its line of a statistics file.
  FakePlatform platform;
  GameState state;
  velmora::TIntroDlg dlg(platform, state);
  platform.onModal = [&](QDialog& d) {
    auto& edit = Child<QLineEdit>(d, "PlrNameEdit");
    edit.insert("Anna\r\nMaria\t");  // as a paste delivers it
    QCOMPARE(edit.text(), QString("AnnaMaria"));
    QTest::keyClicks(&edit, "X");
    Click(d, "OK");
  };
  QCOMPARE(platform.RunModal(dlg), int(QDialog::Accepted));
  QCOMPARE(QString::fromStdString(state.PlayerName), QString("AnnaMariaX"));
}

void DialogsBasicTest::bankrupt_data() {
  QTest::addColumn<QStringList>("actions");
  QTest::addColumn<bool>("newGame");
  QTest::newRow("New Game") << QStringList{"NewGameBtn"} << true;
  // The focus stays on New Game, so Return starts a new game.
  QTest::newRow("View Stats twice, Return")
      << QStringList{"ViewStatsBtn", "ViewStatsBtn", "Return"} << true;
  QTest::newRow("View Stats, Exit") << QStringList{"ViewStatsBtn", "ExitBtn"} << false;
  QTest::newRow("close box") << QStringList{"close"} << false;
}

void DialogsBasicTest::bankrupt() {
  QFETCH(QStringList, actions);
  QFETCH(bool, newGame);
  FakePlatform platform;
  GameState state;
  const QString home = QDir::currentPath();
  QTemporaryDir elsewhere;
  std::vector<std::uint32_t> countsSeen;
  velmora::TExitDlg dlg(platform, state, [&] {
    countsSeen.push_back(state.Statistics.BankruptCount);
    QDir::setCurrent(elsewhere.path());  // as a file dialog might
  });
  // New Game chosen before must not leak into this showing.
  platform.onModal = [](QDialog& d) { Click(d, "NewGameBtn"); };
  platform.RunModal(dlg);
  state.Statistics.BankruptCount = 2;
  platform.onModal = [&](QDialog& d) {
    for (const QString& action : actions) {
      QCOMPARE(d.focusWidget(), &Child(d, "NewGameBtn"));
      if (action == "Return") {
        QTest::keyClick(d.focusWidget(), Qt::Key_Return);
      } else if (action == "close") {
        d.close();
      } else {
        Click(d, action);
      }
      QCOMPARE(state.Statistics.BankruptCount, 2u);
      QCOMPARE(QDir::currentPath(), home);
    }
    QVERIFY(!d.isVisible());
  };
  QCOMPARE(platform.RunModal(dlg) == QDialog::Accepted, newGame);
  QDir::setCurrent(home);
  QCOMPARE(platform.modalTitles.back(), QString("Bankrupt!"));
  QCOMPARE(dlg.BankruptChoseNewGame(), newGame);
  // The statistics window saw this bankruptcy counted each time.
  QCOMPARE(countsSeen, std::vector<std::uint32_t>(actions.count("ViewStatsBtn"), 3));
}

void DialogsBasicTest::decks_data() {
  // Opened with back 63; "2x" before a picture is a double click.
  QTest::addColumn<bool>("randomOnOpening");
  QTest::addColumn<QStringList>("actions");
  QTest::addColumn<bool>("randomize");
  QTest::addColumn<int>("back");
  const auto row = [](const char* name, bool randomOnOpening, const QStringList& actions,
                      bool randomize, int back) {
    QTest::newRow(name) << randomOnOpening << actions << randomize << back;
  };
  row("pick the last", false, {"Deck9Pic", "OKBtn"}, false, 69);
  row("pick, then Cancel", false, {"Deck5Pic", "RandDeckChk", "CancelBtn"}, false, 63);
  row("pick, then close box", true, {"RandDeckChk", "Deck5Pic", "close"}, true, 63);
  row("clicks ignored while ticked", false, {"Deck8Pic", "RandDeckChk", "Deck0Pic", "OKBtn"}, true,
      63);
  row("untick without clicking", true, {"RandDeckChk", "OKBtn"}, false, 63);
  row("double click, ignored while ticked", true, {"2xDeck7Pic", "RandDeckChk", "2xDeck7Pic"},
      false, 67);
}

void DialogsBasicTest::decks() {
  QFETCH(bool, randomOnOpening);
  QFETCH(QStringList, actions);
  QFETCH(bool, randomize);
  QFETCH(int, back);
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
      QVERIFY(d.isVisible());
      if (action == "close") {
        d.close();
      } else if (action.startsWith("2x")) {
        QTest::mouseDClick(&Child(d, action.mid(2)), Qt::LeftButton);
      } else {
        Click(d, action);
      }
      framed = RedFrames(d);
    }
    QVERIFY(!d.isVisible());
  };
  const bool changed = randomize != randomOnOpening || back != 63;
  QCOMPARE(platform.RunModal(dlg) == QDialog::Accepted, changed || actions.endsWith("OKBtn"));
  QCOMPARE(platform.modalTitles, std::vector<QString>{"Select a Deck"});
  QCOMPARE(state.RandomizeDeck, randomize);
  QCOMPARE(state.DeckBackId, back);
  if (!randomize && changed) {
    QCOMPARE(framed, std::vector<int>{back - 60});
  }
  // Opened again, the highlight and the tick come from the game, not the last visit.
  platform.onModal = [&](QDialog& d) {
    QCOMPARE(RedFrames(d), std::vector<int>{back - 60});
    QCOMPARE(Child<QCheckBox>(d, "RandDeckChk").isChecked(), randomize);
  };
  platform.RunModal(dlg);
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

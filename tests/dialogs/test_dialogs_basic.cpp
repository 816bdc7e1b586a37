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
#include <QFrame>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <functional>
#include <vector>

using velmora::GameState;
using velmora::testing::FakePlatform;

namespace {

template <typename T>
T& Child(QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(name);
  if (child == nullptr) {
    qFatal("no component %s", name);
  }
  return *child;
}

void Click(QWidget& widget) {
  QTest::mouseClick(&widget, Qt::LeftButton);
}

// Key by key for plain letters; anything else arrives as an input method
// commits it, which is how such letters reach a field.
void Type(QLineEdit& edit, const QString& text) {
  bool plain = true;
  for (const QChar c : text) {
    plain = plain && c.unicode() < 0x80;
  }
  if (plain) {
    QTest::keyClicks(&edit, text);
    return;
  }
  QInputMethodEvent event;
  event.setCommitString(text);
  QCoreApplication::sendEvent(&edit, &event);
}

QColor PanelColour(QWidget& dialog, int deck) {
  return Child<QFrame>(dialog, QString("Deck%1Pnl").arg(deck).toLatin1())
      .palette()
      .color(QPalette::Window);
}

// The decks whose frame is red.
std::vector<int> RedFrames(QWidget& dialog) {
  std::vector<int> red;
  for (int deck = 0; deck < velmora::TDecks::DeckCount; ++deck) {
    const QColor colour = PanelColour(dialog, deck);
    if (colour == velmora::look::Red) {
      red.push_back(deck);
    } else if (colour != velmora::look::Green) {
      qWarning("deck %d framed in an unexpected colour", deck);
      red.push_back(-1);
    }
  }
  return red;
}

}  // namespace

class DialogsBasicTest : public QObject {
  Q_OBJECT

 private slots:
  // Welcome dialog
  void welcomeNameLength_data();
  void welcomeNameLength();
  void welcomeRefusedNameKeepsDialogOpen();
  void welcomeDefaults();
  void welcomeBankAndSound_data();
  void welcomeBankAndSound();
  void welcomeCardClicks_data();
  void welcomeCardClicks();
  void welcomeRandomize();
  void welcomeLeavingWithoutEnter_data();
  void welcomeLeavingWithoutEnter();
  void welcomeReturnKeyEnters();
  void welcomePastedLineBreaksDropped();

  // Bankrupt dialog
  void bankruptViewStats();
  void bankruptChoices_data();
  void bankruptChoices();
  void bankruptReturnKeyStartsNewGame();

  // Deck selection dialog
  void decksOpening_data();
  void decksOpening();
  void decksCancelChangesNothing_data();
  void decksCancelChangesNothing();
  void decksDoubleClick();
  void decksRandomize();
  void decksUntickWithoutClicking();

  // Logo box
  void logoBox();
};

// ---------------------------------------------------------------- welcome

void DialogsBasicTest::welcomeNameLength_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("accepted");
  QTest::addColumn<QString>("name");
  QTest::newRow("10 letters") << "Abcdefghij" << true << "Abcdefghij";
  QTest::newRow("11 letters") << "Abcdefghijk" << false << "";
  QTest::newRow("empty") << "" << true << "Player";
  QTest::newRow("blanks kept") << " Al  Bo " << true << " Al  Bo ";
  QTest::newRow("10 accented") << QString::fromUtf8("Zoë Ærøskø") << true
                               << QString::fromUtf8("Zoë Ærøskø");
  // Each of these is two UTF-16 units but one character.
  QTest::newRow("10 outside the basic plane")
      << QString::fromUtf8("𝔸𝔹ℂ𝔻𝔼𝔽𝔾ℍ𝕀𝕁") << true << QString::fromUtf8("𝔸𝔹ℂ𝔻𝔼𝔽𝔾ℍ𝕀𝕁");
  QTest::newRow("11 outside the basic plane") << QString::fromUtf8("𝔸𝔹ℂ𝔻𝔼𝔽𝔾ℍ𝕀𝕁𝕂") << false << "";
}

void DialogsBasicTest::welcomeNameLength() {
  QFETCH(QString, typed);
  QFETCH(bool, accepted);
  QFETCH(QString, name);
  FakePlatform platform;
  GameState state;
  velmora::TIntroDlg dlg(platform, state);
  platform.onModal = [&](QDialog& d) {
    Type(Child<QLineEdit>(d, "PlrNameEdit"), typed);
    Click(Child<QPushButton>(d, "OK"));
  };
  const int result = platform.RunModal(dlg);
  QCOMPARE(result == QDialog::Accepted, accepted);
  QCOMPARE(dlg.WelcomeAccepted(), accepted);
  QCOMPARE(state.PlayerName, name);
  if (accepted) {
    QVERIFY(platform.messages.empty());
  } else {
    QCOMPARE(platform.messages.size(), 1u);
    QCOMPARE(platform.messages[0].icon, QMessageBox::Critical);
    QCOMPARE(platform.messages[0].caption, QString("Illegal Name Entry"));
    QCOMPARE(platform.messages[0].text,
             QString("Name must be 10 letters or less.\n        Try Again.."));
    QCOMPARE(platform.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    // Nothing of the game was set up.
    QCOMPARE(state.Bank, 0);
    QCOMPARE(state.Statistics.BankTotal, 0u);
  }
}

void DialogsBasicTest::welcomeRefusedNameKeepsDialogOpen() {
  FakePlatform platform;
  GameState state;
  velmora::TIntroDlg dlg(platform, state);
  platform.onModal = [&](QDialog& d) {
    auto& edit = Child<QLineEdit>(d, "PlrNameEdit");
    QTest::keyClicks(&edit, "Maximiliana");
    Click(Child<QPushButton>(d, "OK"));
    QVERIFY(d.isVisible());
    QCOMPARE(d.focusWidget(), &edit);
    QCOMPARE(edit.text(), QString("Maximiliana"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    Click(Child<QPushButton>(d, "OK"));
  };
  QCOMPARE(platform.RunModal(dlg), int(QDialog::Accepted));
  QCOMPARE(platform.messages.size(), 1u);
  QCOMPARE(state.PlayerName, QString("Maximilian"));
}

void DialogsBasicTest::welcomeDefaults() {
  FakePlatform platform;
  GameState state;
  velmora::TIntroDlg dlg(platform, state);
  platform.onModal = [&](QDialog& d) {
    QCOMPARE(d.focusWidget(), &Child<QLineEdit>(d, "PlrNameEdit"));
    Click(Child<QPushButton>(d, "OK"));
  };
  QCOMPARE(platform.RunModal(dlg), int(QDialog::Accepted));
  QVERIFY(dlg.WelcomeAccepted());
  QCOMPARE(state.PlayerName, QString("Player"));
  QCOMPARE(state.StartingBank, 1000);
  QCOMPARE(state.Bank, 1000);
  QCOMPARE(state.DeckBackId, 60);
  QVERIFY(!state.RandomizeDeck);
  QVERIFY(state.SoundOn);
  QCOMPARE(state.Statistics.BankTotal, 1000u);
  QCOMPARE(state.Statistics.HighestBank, 1000u);
  QCOMPARE(state.Statistics.HandsPlayed, 0u);
  QCOMPARE(platform.modalTitles, std::vector<QString>{"Welcome to Velmora"});
}

void DialogsBasicTest::welcomeBankAndSound_data() {
  QTest::addColumn<QStringList>("clicks");
  QTest::addColumn<int>("bank");
  QTest::addColumn<bool>("sound");
  QTest::newRow("$100") << QStringList{"RBbank0"} << 100 << true;
  QTest::newRow("$5,000") << QStringList{"RBbank2"} << 5000 << true;
  QTest::newRow("$100 then $5,000") << QStringList{"RBbank0", "RBbank2"} << 5000 << true;
  QTest::newRow("$5,000 then $1,000") << QStringList{"RBbank2", "RBbank1"} << 1000 << true;
  QTest::newRow("sound off") << QStringList{"SoundCheck"} << 1000 << false;
}

void DialogsBasicTest::welcomeBankAndSound() {
  QFETCH(QStringList, clicks);
  QFETCH(int, bank);
  QFETCH(bool, sound);
  FakePlatform platform;
  GameState state;
  velmora::TIntroDlg dlg(platform, state);
  platform.onModal = [&](QDialog& d) {
    for (const QString& name : clicks) {
      Click(Child<QAbstractButton>(d, name.toLatin1()));
    }
    int selected = 0;
    for (const char* name : {"RBbank0", "RBbank1", "RBbank2"}) {
      selected += Child<QRadioButton>(d, name).isChecked() ? 1 : 0;
    }
    QCOMPARE(selected, 1);
    Click(Child<QPushButton>(d, "OK"));
  };
  platform.RunModal(dlg);
  QCOMPARE(state.StartingBank, bank);
  QCOMPARE(state.Bank, bank);
  QCOMPARE(state.Statistics.BankTotal, std::uint32_t(bank));
  QCOMPARE(state.SoundOn, sound);
}

void DialogsBasicTest::welcomeCardClicks_data() {
  QTest::addColumn<int>("clicks");
  QTest::addColumn<int>("back");
  QTest::newRow("none") << 0 << 60;
  QTest::newRow("three") << 3 << 63;
  QTest::newRow("nine") << 9 << 69;
  QTest::newRow("ten wrap round") << 10 << 60;
  QTest::newRow("twelve") << 12 << 62;
}

void DialogsBasicTest::welcomeCardClicks() {
  QFETCH(int, clicks);
  QFETCH(int, back);
  FakePlatform platform;
  GameState state;
  velmora::TIntroDlg dlg(platform, state);
  platform.onModal = [&](QDialog& d) {
    auto& card = Child<QLabel>(d, "CardPic");
    for (int i = 0; i < clicks; ++i) {
      const qint64 before = card.pixmap().cacheKey();
      Click(card);
      QVERIFY(card.pixmap().cacheKey() != before);
    }
    Click(Child<QPushButton>(d, "OK"));
  };
  platform.RunModal(dlg);
  QCOMPARE(state.DeckBackId, back);
  QVERIFY(!state.RandomizeDeck);
}

void DialogsBasicTest::welcomeRandomize() {
  FakePlatform platform;
  GameState state;
  velmora::TIntroDlg dlg(platform, state);
  platform.onModal = [&](QDialog& d) {
    auto& card = Child<QLabel>(d, "CardPic");
    auto& randomize = Child<QCheckBox>(d, "RandDeckChk");
    Click(card);
    Click(card);
    Click(randomize);
    const qint64 shown = card.pixmap().cacheKey();
    Click(card);
    Click(card);
    Click(card);
    QCOMPARE(card.pixmap().cacheKey(), shown);
    Click(Child<QPushButton>(d, "OK"));
  };
  platform.RunModal(dlg);
  QVERIFY(state.RandomizeDeck);
  QCOMPARE(state.DeckBackId, 60);

  // Unticked again before Enter: the clicks made while it was ticked do not count.
  GameState second;
  velmora::TIntroDlg dlg2(platform, second);
  platform.onModal = [&](QDialog& d) {
    auto& card = Child<QLabel>(d, "CardPic");
    auto& randomize = Child<QCheckBox>(d, "RandDeckChk");
    Click(card);
    Click(randomize);
    Click(card);
    Click(card);
    Click(randomize);
    Click(card);
    Click(Child<QPushButton>(d, "OK"));
  };
  platform.RunModal(dlg2);
  QVERIFY(!second.RandomizeDeck);
  QCOMPARE(second.DeckBackId, 62);
}

void DialogsBasicTest::welcomeLeavingWithoutEnter_data() {
  QTest::addColumn<int>("way");
  QTest::newRow("Exit button") << 0;
  QTest::newRow("close box") << 1;
  QTest::newRow("Escape key") << 2;
}

void DialogsBasicTest::welcomeLeavingWithoutEnter() {
  QFETCH(int, way);
  FakePlatform platform;
  GameState state;
  velmora::TIntroDlg dlg(platform, state);
  const auto leave = [&](QDialog& d) {
    QTest::keyClicks(&Child<QLineEdit>(d, "PlrNameEdit"), "Quitter");
    Click(Child<QRadioButton>(d, "RBbank2"));
    if (way == 0) {
      Click(Child<QPushButton>(d, "Quit"));
    } else if (way == 1) {
      d.close();
    } else {
      QTest::keyClick(&d, Qt::Key_Escape);
    }
    QVERIFY(!d.isVisible());
  };
  // Accepted once, then shown again and left: the flag is cleared on showing.
  platform.onModal = [](QDialog& d) { Click(Child<QPushButton>(d, "OK")); };
  platform.RunModal(dlg);
  QVERIFY(dlg.WelcomeAccepted());
  GameState before = state;
  platform.onModal = leave;
  QCOMPARE(platform.RunModal(dlg), int(QDialog::Rejected));
  QVERIFY(!dlg.WelcomeAccepted());
  QCOMPARE(state.PlayerName, before.PlayerName);
  QCOMPARE(state.Bank, before.Bank);

  GameState fresh;
  velmora::TIntroDlg dlg2(platform, fresh);
  QCOMPARE(platform.RunModal(dlg2), int(QDialog::Rejected));
  QVERIFY(!dlg2.WelcomeAccepted());
  QCOMPARE(fresh.PlayerName, QString());
  QCOMPARE(fresh.Bank, 0);
  QVERIFY(fresh.Statistics == velmora::GameStatistics{});
}

void DialogsBasicTest::welcomeReturnKeyEnters() {
  // Return in the name field is Enter, not Exit.
  FakePlatform platform;
  GameState state;
  velmora::TIntroDlg dlg(platform, state);
  platform.onModal = [&](QDialog& d) {
    auto& edit = Child<QLineEdit>(d, "PlrNameEdit");
    QTest::keyClicks(&edit, "Ann");
    QTest::keyClick(&edit, Qt::Key_Return);
  };
  QCOMPARE(platform.RunModal(dlg), int(QDialog::Accepted));
  QCOMPARE(state.PlayerName, QString("Ann"));
}

void DialogsBasicTest::welcomePastedLineBreaksDropped() {
  // A name with a line break would split its line of the statistics file.
  FakePlatform platform;
  GameState state;
  velmora::TIntroDlg dlg(platform, state);
  platform.onModal = [&](QDialog& d) {
    auto& edit = Child<QLineEdit>(d, "PlrNameEdit");
    edit.insert("Anna\r\nMaria\t");  // as a paste delivers it
    QCOMPARE(edit.text(), QString("AnnaMaria"));
    QCOMPARE(edit.cursorPosition(), 9);
    QTest::keyClicks(&edit, "X");
    Click(Child<QPushButton>(d, "OK"));
  };
  QCOMPARE(platform.RunModal(dlg), int(QDialog::Accepted));
  QVERIFY(platform.messages.empty());
  QCOMPARE(state.PlayerName, QString("AnnaMariaX"));
}

// ---------------------------------------------------------------- bankrupt

void DialogsBasicTest::bankruptViewStats() {
  FakePlatform platform;
  GameState state;
  state.Statistics.BankruptCount = 2;
  const QString home = QDir::currentPath();
  QTemporaryDir elsewhere;
  QVERIFY(elsewhere.isValid());
  std::vector<std::uint32_t> countsSeen;
  const auto showStatistics = [&] {
    countsSeen.push_back(state.Statistics.BankruptCount);
    // As a file dialog might.
    QDir::setCurrent(elsewhere.path());
  };
  velmora::TExitDlg dlg(platform, state, showStatistics);
  platform.onModal = [&](QDialog& d) {
    auto& newGame = Child<QPushButton>(d, "NewGameBtn");
    QCOMPARE(d.focusWidget(), &newGame);
    for (int i = 0; i < 3; ++i) {
      Click(Child<QPushButton>(d, "ViewStatsBtn"));
      QVERIFY(d.isVisible());
      QCOMPARE(state.Statistics.BankruptCount, 2u);
      QCOMPARE(QDir::currentPath(), home);
      QCOMPARE(d.focusWidget(), &newGame);
    }
    Click(newGame);
  };
  QCOMPARE(platform.RunModal(dlg), int(QDialog::Accepted));
  QDir::setCurrent(home);
  QCOMPARE(countsSeen, (std::vector<std::uint32_t>{3, 3, 3}));
  QVERIFY(dlg.BankruptChoseNewGame());
  // New Game itself is the table's: the dialog leaves the count as it found it.
  QCOMPARE(state.Statistics.BankruptCount, 2u);
  QCOMPARE(platform.modalTitles, std::vector<QString>{"Bankrupt!"});
}

void DialogsBasicTest::bankruptChoices_data() {
  QTest::addColumn<int>("way");
  QTest::addColumn<bool>("newGame");
  QTest::newRow("New Game") << 0 << true;
  QTest::newRow("Exit") << 1 << false;
  QTest::newRow("close box") << 2 << false;
  QTest::newRow("View Stats then Exit") << 3 << false;
}

void DialogsBasicTest::bankruptChoices() {
  QFETCH(int, way);
  QFETCH(bool, newGame);
  FakePlatform platform;
  GameState state;
  velmora::TExitDlg dlg(platform, state, [] {});
  // A previous New Game must not leak into this showing.
  platform.onModal = [](QDialog& d) { Click(Child<QPushButton>(d, "NewGameBtn")); };
  platform.RunModal(dlg);
  QVERIFY(dlg.BankruptChoseNewGame());

  platform.onModal = [&](QDialog& d) {
    switch (way) {
      case 0:
        Click(Child<QPushButton>(d, "NewGameBtn"));
        break;
      case 1:
        Click(Child<QPushButton>(d, "ExitBtn"));
        break;
      case 2:
        d.close();
        break;
      default:
        Click(Child<QPushButton>(d, "ViewStatsBtn"));
        Click(Child<QPushButton>(d, "ExitBtn"));
    }
    QVERIFY(!d.isVisible());
  };
  const int result = platform.RunModal(dlg);
  QCOMPARE(result == QDialog::Accepted, newGame);
  QCOMPARE(dlg.BankruptChoseNewGame(), newGame);
  QCOMPARE(state.Statistics.BankruptCount, 0u);
}

void DialogsBasicTest::bankruptReturnKeyStartsNewGame() {
  FakePlatform platform;
  GameState state;
  velmora::TExitDlg dlg(platform, state, [] {});
  platform.onModal = [](QDialog& d) {
    Click(Child<QPushButton>(d, "ViewStatsBtn"));
    QTest::keyClick(d.focusWidget(), Qt::Key_Return);
  };
  QCOMPARE(platform.RunModal(dlg), int(QDialog::Accepted));
  QVERIFY(dlg.BankruptChoseNewGame());
}

// ---------------------------------------------------------------- decks

void DialogsBasicTest::decksOpening_data() {
  QTest::addColumn<int>("back");
  QTest::addColumn<bool>("randomize");
  QTest::newRow("first back") << 60 << false;
  QTest::newRow("fifth back") << 64 << false;
  QTest::newRow("last back, random on") << 69 << true;
}

void DialogsBasicTest::decksOpening() {
  QFETCH(int, back);
  QFETCH(bool, randomize);
  GameState state;
  state.DeckBackId = back;
  state.RandomizeDeck = randomize;
  velmora::TDecks dlg(state);
  FakePlatform platform;
  platform.onModal = [&](QDialog& d) {
    QCOMPARE(RedFrames(d), std::vector<int>{back - 60});
    QCOMPARE(Child<QCheckBox>(d, "RandDeckChk").isChecked(), randomize);
  };
  platform.RunModal(dlg);
  QCOMPARE(platform.modalTitles, std::vector<QString>{"Select a Deck"});
}

void DialogsBasicTest::decksCancelChangesNothing_data() {
  QTest::addColumn<bool>("closeBox");
  QTest::newRow("Cancel") << false;
  QTest::newRow("close box") << true;
}

void DialogsBasicTest::decksCancelChangesNothing() {
  QFETCH(bool, closeBox);
  GameState state;
  state.DeckBackId = 62;
  velmora::TDecks dlg(state);
  FakePlatform platform;
  platform.onModal = [&](QDialog& d) {
    Click(Child<QLabel>(d, "Deck5Pic"));
    QCOMPARE(RedFrames(d), std::vector<int>{5});
    Click(Child<QCheckBox>(d, "RandDeckChk"));
    if (closeBox) {
      d.close();
    } else {
      Click(Child<QPushButton>(d, "CancelBtn"));
    }
  };
  QCOMPARE(platform.RunModal(dlg), int(QDialog::Rejected));
  QCOMPARE(state.DeckBackId, 62);
  QVERIFY(!state.RandomizeDeck);

  // Opened again, the highlight and the tick come from the game, not the last visit.
  platform.onModal = [&](QDialog& d) {
    QCOMPARE(RedFrames(d), std::vector<int>{2});
    QVERIFY(!Child<QCheckBox>(d, "RandDeckChk").isChecked());
  };
  platform.RunModal(dlg);
}

void DialogsBasicTest::decksDoubleClick() {
  GameState state;
  state.DeckBackId = 61;
  state.RandomizeDeck = true;
  velmora::TDecks dlg(state);
  FakePlatform platform;
  platform.onModal = [&](QDialog& d) {
    auto& picture = Child<QLabel>(d, "Deck7Pic");
    // Ignored while Randomize is ticked.
    QTest::mouseDClick(&picture, Qt::LeftButton);
    QVERIFY(d.isVisible());
    QCOMPARE(RedFrames(d), std::vector<int>{1});
    Click(Child<QCheckBox>(d, "RandDeckChk"));
    QTest::mouseDClick(&picture, Qt::LeftButton);
    QVERIFY(!d.isVisible());
  };
  QCOMPARE(platform.RunModal(dlg), int(QDialog::Accepted));
  QCOMPARE(state.DeckBackId, 67);
  QVERIFY(!state.RandomizeDeck);
}

void DialogsBasicTest::decksRandomize() {
  GameState state;
  state.DeckBackId = 63;
  velmora::TDecks dlg(state);
  FakePlatform platform;
  platform.onModal = [&](QDialog& d) {
    Click(Child<QLabel>(d, "Deck8Pic"));
    Click(Child<QCheckBox>(d, "RandDeckChk"));
    Click(Child<QLabel>(d, "Deck0Pic"));
    Click(Child<QLabel>(d, "Deck9Pic"));
    QCOMPARE(RedFrames(d), std::vector<int>{8});
    Click(Child<QPushButton>(d, "OKBtn"));
  };
  QCOMPARE(platform.RunModal(dlg), int(QDialog::Accepted));
  QVERIFY(state.RandomizeDeck);
  QCOMPARE(state.DeckBackId, 63);
}

void DialogsBasicTest::decksUntickWithoutClicking() {
  GameState state;
  state.DeckBackId = 66;
  state.RandomizeDeck = true;
  velmora::TDecks dlg(state);
  FakePlatform platform;
  platform.onModal = [&](QDialog& d) {
    Click(Child<QCheckBox>(d, "RandDeckChk"));
    d.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    // Alt+O presses OK the way a person sees it: down, then released a moment later.
    QTest::keyClick(d.focusWidget(), Qt::Key_O, Qt::AltModifier);
    QTRY_VERIFY(!d.isVisible());
  };
  QCOMPARE(platform.RunModal(dlg), int(QDialog::Accepted));
  QVERIFY(!state.RandomizeDeck);
  QCOMPARE(state.DeckBackId, 66);
}

// ---------------------------------------------------------------- logo box

void DialogsBasicTest::logoBox() {
  velmora::TLogoBox logo;
  QVERIFY(logo.isVisible());
  QVERIFY(logo.windowFlags().testFlag(Qt::FramelessWindowHint));
  QVERIFY(logo.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  QCOMPARE(logo.size(), QSize(432, 291));
  QCOMPARE(logo.minimumSize(), logo.maximumSize());
  QCOMPARE(logo.windowTitle(), QString("Logo Box"));
  QVERIFY(QTest::qWaitForWindowExposed(&logo));
  // A close request from the window system (Alt+F4) is refused...
  QCloseEvent request;
  QSpontaneKeyEvent::setSpontaneous(&request);
  // Delivered as the window system delivers it: sendEvent would make it non-spontaneous.
  qApp->notify(&logo, &request);
  QVERIFY(!request.isAccepted());
  QVERIFY(logo.isVisible());
  // ...but the program can close it.
  QVERIFY(logo.close());
  QVERIFY(!logo.isVisible());
}

QTEST_MAIN(DialogsBasicTest)
#include "test_dialogs_basic.moc"

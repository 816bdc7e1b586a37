// The table as a player meets it: start-up and the welcome, betting and the
// cash tray, one hand step by step, the showdown, New Game, sound and Exit.
#include "ClickableImage.h"
#include "ExitDlg.h"
#include "Images.h"
#include "LogoBox.h"
#include "TableHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTest>
#include <QToolButton>

#include <algorithm>

using namespace velmora;
using namespace velmora::testing;

namespace {

using Events = std::vector<std::string>;

Events Flips(int times, Events before = {}) {
  before.insert(before.end(), static_cast<std::size_t>(times), "play cardflip.wav");
  return before;
}

Events Join(std::initializer_list<Events> parts) {
  Events all;
  for (const Events& part : parts) {
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

const Events Deal = Flips(10, {"open shuffle.wav", "play shuffle.wav", "open cardflip.wav"});
const Events BetHatch{"open bethatch.wav", "play bethatch.wav"};

// The controls of the betting phase.
bool BettingOpen(const TMainForm& form) {
  const auto bills = SlotImages(form);
  return !form.Bet->isHidden() && form.Bet->isEnabled() && form.Draw->isHidden() &&
         !form.BetEdit->isHidden() && form.BetEdit->isEnabled() && form.Sound->isEnabled() &&
         form.Deck->isEnabled() &&
         std::all_of(bills.begin(), bills.end(), [](QLabel* slot) { return slot->isEnabled(); });
}

void CheckMessage(const FakePlatform& platform, const QString& caption, const QString& text) {
  QVERIFY(!platform.messages.empty());
  const ShownMessage& message = platform.messages.back();
  QCOMPARE(message.caption, caption);
  QCOMPARE(message.text, text);
  QCOMPARE(message.icon, QMessageBox::Critical);
  QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

// Cards by rank (0 deuce .. 12 ace) and suit (1 hearts .. 4 spades).
constexpr Card C(int rank, int suit) {
  return (suit - 1) * 13 + rank + 1;
}

const Hand PairOfAces{C(12, 1), C(12, 2), C(7, 3), C(4, 4), C(2, 1)};
const Hand PairOfKings{C(11, 1), C(11, 2), C(7, 1), C(4, 1), C(2, 2)};
const Hand AceHigh{C(12, 1), C(9, 2), C(7, 3), C(4, 4), C(2, 1)};

}  // namespace

class TableTest : public QObject {
  Q_OBJECT

 private slots:
  void theSplashThenTheWelcomeOpenTheTable() {
    Table table;
    TMainForm& form = *table.form;
    QVERIFY(form.isVisible() && table.windows->LogoBox().isVisible());
    QCOMPARE(form.centralWidget()->size(), QSize(634, 437));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    // Nothing can be pressed yet: the hatch lies over the bills and the bet field.
    QVERIFY(form.Bet->isHidden() && !form.Bet->isEnabled() && form.Draw->isHidden());
    QVERIFY(form.MoneyTabl->isHidden() && form.DeckCard->isHidden() && !form.NewGame->isEnabled());
    QVERIFY(form.MoneyTabl->childAt(50, 100) == form.SlidePic);
    QVERIFY(form.BankLabl->text().isEmpty() && form.LastBetLabl->text().isEmpty());
    QVERIFY(form.SplashTime.isActive() && form.SplashTime.interval() == 6000);
    QCOMPARE(QFontInfo(form.MainLabl->font()).family(), QString("Linux Biolinum O"));
    QCOMPARE(QFontInfo(form.BetLabl->font()).family(), QString("Liberation Serif"));

    bool closedDuringWelcome = false;
    table.platform.onModal = [&](QDialog& dialog) {
      closedDuringWelcome = form.BetLabl->text() == "Welcome to Velmora!" &&
                            !form.Bet->isHidden() && !form.Bet->isEnabled() &&
                            form.BetEdit->isHidden() && !form.MoneyTabl->isHidden();
      QTest::mouseClick(dialog.findChild<QPushButton*>("OK"), Qt::LeftButton);
    };
    form.SplashTimeTimer();
    QVERIFY(closedDuringWelcome && !form.SplashTime.isActive());
    QCOMPARE(table.platform.modalTitles, std::vector<QString>{"Welcome to Velmora"});
    QVERIFY(table.windows->LogoBox().isHidden());
    QCOMPARE(table.state.Bank, 1000);
    QVERIFY(table.state.SoundOn && form.Sound->isChecked());
    QCOMPARE(table.TakeSoundEvents(), Events{"open shuffle.wav"});
    QCOMPARE(table.platform.sleptMilliseconds, 100);
    QCOMPARE(form.PlrNameLabl->text(), QString("Player"));
    QCOMPARE(ShownId(*form.DeckCard), 60);
    QCOMPARE(form.BankLabl->text(), QString("Bank: $1000"));
    QCOMPARE(form.MoneySlot4->toolTip(), QString("Bet $500"));
    QVERIFY(table.platform.messages.empty());

    // The hatch slides one pixel a tick to 112 and stops on the 114th tick.
    QCOMPARE(form.CaptionBar->text(), QString("Welcome to Velmora!"));
    QCOMPARE(table.RunHatch(), 114);
    QCOMPARE(form.TableHatch->x(), 112);
    QCOMPARE(form.BetLabl->text(), QString("Place Your Bet.."));
    QCOMPARE(form.CaptionBar->text(), QString("  Enter your bet and click Deal to start"));
    QVERIFY(BettingOpen(form));
  }

  void leavingTheWelcomeEndsTheProgram() {
    for (const bool byExit : {true, false}) {
      Table table;
      table.platform.onModal = [byExit](QDialog& dialog) {
        if (byExit) {
          QTest::mouseClick(dialog.findChild<QPushButton*>("Quit"), Qt::LeftButton);
        }  // otherwise closed without Enter
      };
      table.form->SplashTimeTimer();
      QVERIFY(table.platform.ended && table.platform.exitStatus == 0);
      QVERIFY(table.form->BetEdit->isHidden() && !table.form->OpenHatch.isActive());
      QVERIFY(table.platform.sound.events.empty());
    }
  }

  void missingSoundsAreReportedOnceThenSilent() {
    Table table(false);
    table.Start();
    CheckMessage(table.platform, "Sound Error",
                 "    Could not initiate sound file.\nThe Sound option will be disabled.");
    QVERIFY(!table.state.SoundOn && !table.form->Sound->isChecked());
    table.TakeSoundEvents();
    table.PlayHand("10", {0});
    QVERIFY(table.platform.sound.events.empty());
    QCOMPARE(table.platform.messages.size(), std::size_t{1});
  }

  void betFieldAndBills() {
    Table table;
    table.Start();
    TMainForm& form = *table.form;
    table.TypeBet("12a");
    CheckMessage(table.platform, "Bet Error", "Invalid bet charactor!");
    QVERIFY(form.BetEdit->text().isEmpty());
    table.TypeBet("2000");  // the fourth digit passes the bank
    CheckMessage(table.platform, "Bet Error", "You don't have that much!");
    QVERIFY(form.BetEdit->text().isEmpty());
    QCOMPARE(form.BankLabl->text(), QString("Bank: $1000"));
    // No lower bound while the field changes: a negative bet shows more than the bank, exactly.
    form.BetEdit->setText("-2147483648");
    QCOMPARE(form.BankLabl->text(), QString("Bank: $2147484648"));
    QCOMPARE(table.platform.messages.size(), std::size_t{2});

    form.BetEdit->clear();
    QTest::mouseClick(form.MoneySlot4, Qt::LeftButton);  // the $500 bill
    QCOMPARE(form.BankLabl->text(), QString("Bank: $500"));
    // The $100 bill stays in its slot while it fits, so two clicks add it twice.
    QTest::mouseClick(form.MoneySlot4, Qt::LeftButton);
    QTest::mouseClick(form.MoneySlot4, Qt::LeftButton);
    QCOMPARE(form.BetEdit->text(), QString("700"));
    form.BetEdit->setText("1000");  // the whole bank: no bills, clicks do nothing
    QCOMPARE(form.BankLabl->text(), QString("(Empty)"));
    for (QLabel* slot : SlotImages(form)) {
      QVERIFY(ShownId(*slot) == 0 && slot->toolTip().isEmpty());
      QTest::mouseClick(slot, Qt::LeftButton);
    }
    QCOMPARE(form.BetEdit->text(), QString("1000"));

    // A refused Deal says why, keeps the field's text and puts the focus back.
    form.BetEdit->setText("-5");
    table.PressDeal();
    CheckMessage(table.platform, "Illegal Bet", "You must bet something..");
    QCOMPARE(form.BetEdit->text(), QString("-5"));
    QCOMPARE(form.focusWidget(), form.BetEdit);
    QVERIFY(!form.DealDelay.isActive());
  }

  void dealClosesBettingAndDealsCardByCard() {
    Table table;
    table.Start();
    TMainForm& form = *table.form;
    table.TypeBet("250");
    table.PressDeal();
    QCOMPARE(form.BetLabl->text(), QString("Game Pot:  $500"));
    QCOMPARE(form.LastBetLabl->text(), QString("Last Bet: $250"));
    QCOMPARE(form.BankLabl->text(), QString("Bank: $750"));
    QCOMPARE(table.state.Bank, 1000);
    // Dealing: the Deal button stays in sight but dead; everything else is closed.
    QVERIFY(!form.Bet->isHidden() && !form.Bet->isEnabled() && form.Draw->isHidden());
    QVERIFY(form.BetEdit->isHidden() && !form.BetEdit->isEnabled());
    QVERIFY(!form.MoneySlot4->isEnabled() && form.MoneySlot4->toolTip().isEmpty());
    QVERIFY(!form.Sound->isEnabled() && !form.Deck->isEnabled() && form.NewGame->isEnabled());
    QVERIFY(form.DeckCard->isHidden());

    // The cards appear in dealing order, the player's face up.
    const FirstDeal deal = SimulateFirstDeal(1);
    table.ClickCard(0);  // not during the deal
    for (int step = 0; step < 10; ++step) {
      form.DealDelayTimer();
      const auto p = static_cast<std::size_t>(step / 2);
      QCOMPARE(ShownId(*PlayerImages(form)[p]), deal.player[p]);
      QCOMPARE(ShownId(*DealerImages(form)[p]), step % 2 == 0 ? 0 : 60);
      QCOMPARE(form.DealDelay.isActive(), step < 9);
    }
    QCOMPARE(table.state.Discards, (DiscardFlags{}));
    // Choosing discards.
    QVERIFY(form.Bet->isHidden() && !form.Bet->isEnabled());
    QVERIFY(!form.Draw->isHidden() && form.Draw->isEnabled());
    QCOMPARE(form.focusWidget(), form.Draw);
    QVERIFY(form.Sound->isEnabled() && !form.Deck->isEnabled());
    QCOMPARE(form.CaptionBar->text(),
             QString("  Click on cards to remove and click Draw to replace"));
  }

  void drawLimitsAndMarks() {
    Table table;
    table.Start();
    TMainForm& form = *table.form;
    table.Deal("10");
    // Clock 1 deals the player 27, 45, 13, 8, 39: aces at positions 2 and 4.
    table.ClickCard(1);
    QCOMPARE(ShownId(*form.PlrCard1), 60);
    form.PlrCard1BtnClick();  // the hidden marker button shares the handler
    QCOMPARE(ShownId(*form.PlrCard1), 45);
    QCOMPARE(table.state.Discards[1], 0);

    // A refused draw shows its message and leaves the choice open.
    for (int p = 0; p < 5; ++p) {
      table.ClickCard(p);
    }
    table.PressDraw();
    CheckMessage(table.platform, "Illegal Draw", "You Can't draw 5!");
    QVERIFY(form.Draw->isEnabled() && !form.PlrReplATimer.isActive());
    table.ClickCard(4);  // four to the ace at position 4
    table.PressDraw();
    QCOMPARE(Shown(PlayerImages(form)), (Ids{0, 0, 0, 0, 39}));
    table.ClickCard(4);  // inert after an accepted draw
    QCOMPARE(ShownId(*form.PlrCard4), 39);
  }

  void workedExampleFromDealToShowdown() {
    Table table;
    table.Start();
    TMainForm& form = *table.form;
    table.TakeSoundEvents();
    table.TypeBet("250");
    table.PressDeal();
    QCOMPARE(table.RunChain(), (std::map<std::string, int>{{"DealDelay", 10}}));
    for (const int p : {0, 1, 3}) {
      table.ClickCard(p);
    }
    table.PressDraw();
    QVERIFY(!form.Draw->isHidden() && !form.Draw->isEnabled() && !form.Sound->isEnabled());
    QVERIFY(form.CaptionBar->text().isEmpty());
    QCOMPARE(Shown(PlayerImages(form)), (Ids{0, 0, 13, 0, 39}));
    QCOMPARE(table.RunChain("DlrDraw"), (std::map<std::string, int>{{"PlrReplATimer", 5}}));
    QCOMPARE(Shown(PlayerImages(form)), (Ids{20, 15, 13, 4, 39}));

    form.DlrDrawTimer();
    QCOMPARE(form.MainLabl->text(), QString("Dealer takes 3"));
    QCOMPARE(Shown(DealerImages(form)), (Ids{60, 60, 0, 0, 0}));
    QCOMPARE(table.RunChain("DlrShow"), (std::map<std::string, int>{{"DlrReplA", 4}}));
    QCOMPARE(Shown(DealerImages(form)), Ids(5, 60));
    form.DlrShowTimer();
    QVERIFY(form.MainLabl->text().isEmpty());
    QCOMPARE(Shown(DealerImages(form)), (Ids{38, 36, 23, 44, 22}));
    QVERIFY(form.pickAwinner.isActive());

    form.pickAwinnerTimer();
    QCOMPARE(form.MainLabl->text(), QString("You're a winner!"));
    QCOMPARE(form.PlrLabl->text(), QString("Pair"));
    QCOMPARE(form.DlrLabl->text(), QString("Pair"));
    QVERIFY(BettingOpen(form));
    QCOMPARE(form.CaptionBar->text(), QString("  Change your bet or click Deal to play"));
    QCOMPARE(form.focusWidget(), form.BetEdit);
    QCOMPARE(form.BankLabl->text(), QString("Bank: $1250"));
    QCOMPARE(form.LastBetLabl->text(), QString("Last Bet: $250"));
    QCOMPARE(table.TakeSoundEvents(), Join({Deal,
                                            Flips(3, {"open cardflip.wav"}),
                                            Flips(3, {"open cardflip.wav"}),
                                            {"open plrwin.wav", "play plrwin.wav"},
                                            BetHatch}));
  }

  void dealerDrawingFourShowsItsAce() {
    const std::int64_t seconds =
        FindSeconds([](const FirstDeal& deal) { return DealerDrawAfterPat(deal) == 4; });
    Table table;
    table.Start();
    table.platform.seconds = seconds;
    table.TakeSoundEvents();
    table.Deal("10");
    table.PressDraw();  // standing pat
    QCOMPARE(table.RunChain("DlrDraw"), (std::map<std::string, int>{{"PlrReplATimer", 5}}));
    table.form->DlrDrawTimer();
    QCOMPARE(table.form->MainLabl->text(), QString("Dealer takes 4"));
    const Card ace = table.state.DealerHand[0];
    QVERIFY(IsAce(ace));
    QCOMPARE(Shown(DealerImages(*table.form)), (Ids{ace, 0, 0, 0, 0}));
    table.RunChain("DlrShow");
    QCOMPARE(Shown(DealerImages(*table.form)), (Ids{ace, 60, 60, 60, 60}));
    // The player's replacement plays no flip; the dealer's four do.
    QCOMPARE(table.TakeSoundEvents(),
             Join({Deal, {"open cardflip.wav"}, Flips(4, {"open cardflip.wav"})}));
  }

  void showdownSettlesEveryOutcome() {
    Table table;
    table.Start(0);
    TMainForm& form = *table.form;
    // Two flushes of the same ranks in different suits push; only a win sounds.
    table.ToShowdown("100", {C(12, 1), C(9, 1), C(7, 1), C(4, 1), C(2, 1)},
                     {C(12, 4), C(9, 4), C(7, 4), C(4, 4), C(2, 4)}, false);
    table.TakeSoundEvents();
    form.pickAwinnerTimer();
    QCOMPARE(table.TakeSoundEvents(), BetHatch);
    QCOMPARE(form.MainLabl->text(), QString("Push.. Split the Pot!"));
    QCOMPARE(form.PlrLabl->text(), QString("Flush"));

    table.ToShowdown("60", AceHigh, PairOfKings, false);
    table.TakeSoundEvents();
    form.pickAwinnerTimer();
    QCOMPARE(table.TakeSoundEvents(), BetHatch);
    QCOMPARE(form.MainLabl->text(), QString("Dealer wins!"));
    QVERIFY(form.PlrLabl->text().isEmpty());  // a high card has no name
    QCOMPARE(form.BankLabl->text(), QString("Bank: $40"));
    QVERIFY(BettingOpen(form));

    // The last bet no longer fits: a smaller one must be typed.
    table.PressDeal();
    CheckMessage(table.platform, "Illegal Bet",
                 "Your last bet exceeds your bank account!\n         Decrease your bet..");
  }

  void bankruptcyRecordsTheHandThenOffersANewGame() {
    // Keep the statistics, clear them, or leave the program.
    for (const QMessageBox::StandardButton keep :
         {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
      Table table;
      table.Start(0);
      TMainForm& form = *table.form;
      table.platform.answers = {keep};
      std::uint32_t handsWhenAsked = 0;
      Events soundsWhenAsked;
      table.platform.onModal = [&](QDialog& dialog) {
        QVERIFY(qobject_cast<TExitDlg*>(&dialog) != nullptr);
        handsWhenAsked = table.state.Statistics.HandsPlayed;
        soundsWhenAsked = table.TakeSoundEvents();
        QTest::mouseClick(
            dialog.findChild<QPushButton*>(keep == QMessageBox::Cancel ? "ExitBtn" : "NewGameBtn"),
            Qt::LeftButton);
      };
      table.ToShowdown("100", PairOfKings, PairOfAces, false);
      table.TakeSoundEvents();
      form.pickAwinnerTimer();
      QCOMPARE(handsWhenAsked, 1u);
      QCOMPARE(soundsWhenAsked, (Events{"open bust.wav", "play bust.wav"}));
      if (keep == QMessageBox::Cancel) {
        QVERIFY(table.platform.ended && table.platform.exitStatus == 0);
        QVERIFY(table.platform.messages.empty());  // no New Game question
        continue;
      }

      const ShownMessage& question = table.platform.messages.back();
      QCOMPARE(question.caption, QString("New Game"));
      QCOMPARE(question.text, QString("Save current statistics?"));
      QCOMPARE(question.icon, QMessageBox::Question);
      QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
      QVERIFY(table.state.Bank == 100 && table.state.LastBet == 0);
      QCOMPARE(table.state.Statistics.BankruptCount, keep == QMessageBox::Yes ? 1u : 0u);
      QCOMPARE(table.state.Statistics.HandsPlayed, keep == QMessageBox::Yes ? 1u : 0u);
      QVERIFY(!table.platform.ended && BettingOpen(form));
      QCOMPARE(form.BetLabl->text(), QString("Place Your Bet.."));
      QVERIFY(form.LastBetLabl->text().isEmpty() && form.MainLabl->text().isEmpty());
      QCOMPARE(form.CaptionBar->text(), QString("  Enter your bet and click Deal to start"));
      QCOMPARE(Shown(PlayerImages(form)), Ids(5, 0));
      QCOMPARE(Shown(DealerImages(form)), Ids(5, 0));
      QVERIFY(!form.DeckCard->isHidden() && !form.NewGame->isEnabled());
    }
  }

  void newGameDuringAHandStopsIt() {
    Table table;
    table.Start();
    TMainForm& form = *table.form;
    const std::array<QTimer*, 7> handTimers{
        &form.DealDelay, &form.PlrReplATimer, &form.DlrDraw,    &form.DlrReplA,
        &form.DlrShow,   &form.pickAwinner,   &form.kingOhearts};
    const auto anyRunning = [&] {
      return std::any_of(handTimers.begin(), handTimers.end(),
                         [](const QTimer* timer) { return timer->isActive(); });
    };
    // Mid-deal, and with the showdown pending: while the question is open
    // (a nested event loop) no step of the old hand may be left to fire.
    for (const bool midDeal : {true, false}) {
      table.TypeBet("300");
      table.PressDeal();
      if (midDeal) {
        form.DealDelayTimer();
      } else {
        table.RunChain();
        table.PressDraw();
        table.RunChain("pickAwinner");
      }
      bool runningWhenAsked = true;
      table.platform.onMessage = [&](const ShownMessage&) { runningWhenAsked = anyRunning(); };
      form.NewGameClick();
      table.platform.onMessage = nullptr;
      QVERIFY(!runningWhenAsked && !anyRunning());
      QCOMPARE(table.state.Statistics.HandsPlayed, 0u);
      QVERIFY(BettingOpen(form));
    }
    table.TypeBet("20");  // the next bet deals afresh with one chain of steps
    table.PressDeal();
    QCOMPARE(table.RunChain(), (std::map<std::string, int>{{"DealDelay", 10}}));
  }

  void randomBacksAreDrawnForTheDeckPictureAndLaterDeals() {
    Table table;
    table.Start();
    TMainForm& form = *table.form;
    table.platform.onModal = [](QDialog& dialog) {
      dialog.findChild<QCheckBox*>("RandDeckChk")->setChecked(true);
      QTest::mouseClick(dialog.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
    };
    const auto backAt = [](std::int64_t seconds) {
      RandomSource random;
      return DrawRandomBackId(random, [seconds] { return seconds; });
    };
    table.platform.seconds = 7;
    form.DeckClick();
    QCOMPARE(ShownId(*form.DeckCard), backAt(7));
    table.platform.seconds = 8;
    table.PlayHand("10", {});
    form.DeckClick();  // after the first deal the dialog draws nothing
    QCOMPARE(table.state.DeckBackId, backAt(7));
    // A new game draws for the deck picture, and its first deal keeps that back.
    table.platform.seconds = 3;
    form.NewGameClick();
    QCOMPARE(ShownId(*form.DeckCard), backAt(3));
  }

  void soundFailuresDuringPlaySwitchSoundOffSilently() {
    Table table;
    table.Start();
    QFile::remove(table.folder.filePath("sounds/cardflip.wav"));
    table.TakeSoundEvents();
    table.PlayHand("10", {0, 1});
    QCOMPARE(table.TakeSoundEvents(),
             (Events{"open shuffle.wav", "play shuffle.wav", "fail-open cardflip.wav"}));
    QVERIFY(!table.state.SoundOn && !table.form->Sound->isChecked());
    // Switched on again from the menu; a play that fails after opening switches it off too.
    table.form->SoundClick();
    QVERIFY(table.state.SoundOn && table.form->Sound->isChecked());
    table.platform.sound.failingPlay.insert("shuffle.wav");
    table.PlayHand("10", {});
    QCOMPARE(table.TakeSoundEvents(), (Events{"open shuffle.wav", "fail shuffle.wav"}));
    QVERIFY(!table.state.SoundOn);
    QVERIFY(table.platform.messages.empty());
  }

  void menuItemsOpenTheirWindowsAndKeepTheFolder() {
    Table table;
    table.Start();
    TMainForm& form = *table.form;
    const QString folder = QDir::currentPath();
    table.platform.onModal = [](QDialog&) { QDir::setCurrent(QDir::rootPath()); };
    form.ViewStatsClick();
    QCOMPARE(QDir::currentPath(), folder);
    table.platform.onModal = nullptr;
    form.ContentsClick();
    form.AboutVelmora1Click();
    QCOMPARE(table.platform.modalTitles.back(), QString("About Velmora"));

    // The function keys reach the menu; F2 does nothing while New Game is disabled.
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F3);
    QVERIFY(!table.state.SoundOn && !form.Sound->isChecked());
    QTest::keyClick(&form, Qt::Key_F2);
    QVERIFY(table.platform.messages.empty());
    QTest::keyClick(&form, Qt::Key_F7);
    QCOMPARE(table.platform.modalTitles.back(), QString("Select a Deck"));
    QTest::keyClick(&form, Qt::Key_F5);
    QCOMPARE(table.platform.modalTitles.back(), QString("Current Game Statistics"));

    // The bankrupt dialog reaches the statistics, counting the bankruptcy, and they the help.
    table.platform.modalTitles.clear();
    std::vector<std::uint32_t> bankruptsShown;
    table.platform.onModal = [&](QDialog& dialog) {
      if (dialog.windowTitle() == "Current Game Statistics") {
        bankruptsShown.push_back(table.state.Statistics.BankruptCount);
        dialog.findChild<QToolButton*>("HelpSpBtn")->click();
      }
    };
    table.windows->ExitDlg().findChild<QPushButton*>("ViewStatsBtn")->click();
    QCOMPARE(table.platform.modalTitles,
             (std::vector<QString>{"Current Game Statistics", "Velmora Help"}));
    QCOMPARE(bankruptsShown, std::vector<std::uint32_t>{1});
  }

  void exitAndClosingEndTheProgram() {
    {
      Table table;
      table.Start();
      table.TypeBet("10");
      table.PressDeal();
      table.form->Exit->trigger();  // in the middle of a hand, without a question
      QVERIFY(table.platform.ended && !table.form->DealDelay.isActive());
      QVERIFY(table.platform.messages.empty());
    }
    Table table;
    table.form->close();
    QVERIFY(table.platform.ended && !table.form->SplashTime.isActive());
  }

  void wholeHandRunsAtItsPaceOnRealTimers() {
    Table table;
    table.Start(1, false);
    TMainForm& form = *table.form;
    QElapsedTimer clock;
    table.TypeBet("10");
    clock.start();
    table.PressDeal();
    QVERIFY(QTest::qWaitFor([&] { return !form.Draw->isHidden(); }, 5000));
    const qint64 dealt = clock.elapsed();
    table.PressDraw();
    QVERIFY(QTest::qWaitFor([&] { return form.pickAwinner.isActive(); }, 8000));
    const qint64 revealed = clock.elapsed();
    // Ten ticks of 100 ms; five of 100 ms, 1000 ms, four of 100 ms, 1000 ms.
    // Never early, however busy the machine; late by as much as it makes them.
    QVERIFY2(dealt >= 1000 && dealt < 4000, qPrintable(QString::number(dealt)));
    QVERIFY2(revealed >= 3900 && revealed < 9000, qPrintable(QString::number(revealed)));
    QVERIFY(QTest::qWaitFor([&] { return !form.Bet->isHidden(); }, 5000));
    QCOMPARE(table.state.Statistics.HandsPlayed, 1u);
  }
};

QTEST_MAIN(TableTest)

#include "TableTest.moc"

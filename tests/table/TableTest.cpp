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
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace velmora;
using namespace velmora::testing;

namespace {

using Events = std::vector<std::string>;

std::array<QLabel*, 5> PlayerCards(TMainForm& form) {
  return {form.PlrCard0, form.PlrCard1, form.PlrCard2, form.PlrCard3, form.PlrCard4};
}
std::array<QLabel*, 5> DealerCards(TMainForm& form) {
  return {form.DlrCard0, form.DlrCard1, form.DlrCard2, form.DlrCard3, form.DlrCard4};
}
std::array<QLabel*, 5> Slots(TMainForm& form) {
  return {form.MoneySlot0, form.MoneySlot1, form.MoneySlot2, form.MoneySlot3, form.MoneySlot4};
}

std::vector<int> Shown(const std::array<QLabel*, 5>& images) {
  std::vector<int> ids;
  for (const QLabel* image : images) {
    ids.push_back(ShownId(*image));
  }
  return ids;
}

std::vector<int> Faces(const Hand& hand) {
  return {hand.begin(), hand.end()};
}

// Slot values from the bottom slot up, empty slots left out.
std::vector<std::int32_t> BillsBottomUp(const GameState& state) {
  std::vector<std::int32_t> bills;
  for (int slot = 4; slot >= 0; --slot) {
    if (state.SlotValue.at(static_cast<std::size_t>(slot)) != 0) {
      bills.push_back(state.SlotValue.at(static_cast<std::size_t>(slot)));
    }
  }
  return bills;
}

Events Repeat(const std::string& event, int times) {
  return Events(static_cast<std::size_t>(times), event);
}

Events Join(std::initializer_list<Events> parts) {
  Events all;
  for (const Events& part : parts) {
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

// The controls of the betting phase: everything open, the cards inert.
void ExpectBettingOpen(TMainForm& form) {
  QVERIFY(!form.Bet->isHidden());
  QVERIFY(form.Bet->isEnabled());
  QVERIFY(form.Draw->isHidden());
  QVERIFY(!form.BetEdit->isHidden());
  QVERIFY(form.BetEdit->isEnabled());
  for (QLabel* slot : Slots(form)) {
    QVERIFY(slot->isEnabled());
  }
  QVERIFY(form.Sound->isEnabled());
  QVERIFY(form.Deck->isEnabled());
}

// Makes both hands of the hand in play what a test needs, as dealt and as drawn.
void SetHands(GameState& state, const Hand& player, const Hand& dealer) {
  state.PlayerHand = player;
  state.DealerHand = dealer;
  state.PlayerDealtRank = EvaluateHand(player);
  state.DealerDealtRank = EvaluateHand(dealer);
}

// Cards by rank (0 deuce .. 12 ace) and suit (1 hearts .. 4 spades).
constexpr Card C(int rank, int suit) {
  return (suit - 1) * 13 + rank + 1;
}

}  // namespace

class TableTest : public QObject {
  Q_OBJECT

 private slots:
  void beforeTheSplashEndsNothingCanBePressed() {
    Table table;
    TMainForm& form = *table.form;
    QVERIFY(form.isVisible());
    QVERIFY(table.windows->LogoBox().isVisible());
    QCOMPARE(form.windowTitle(), QString("Velmora 2.1"));
    QCOMPARE(form.centralWidget()->size(), QSize(634, 437));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    QVERIFY(form.Bet->isHidden());
    QVERIFY(!form.Bet->isEnabled());
    QVERIFY(form.Draw->isHidden());
    QVERIFY(form.MoneyTabl->isHidden());
    QVERIFY(!form.TableHatch->isHidden());
    QVERIFY(form.DeckCard->isHidden());
    QVERIFY(form.PlrNameLabl->isHidden());
    for (QLabel* label : {form.BankLabl, form.BetLabl, form.LastBetLabl, form.MainLabl,
                          form.PlrLabl, form.DlrLabl, form.CaptionBar}) {
      QVERIFY2(label->text().isEmpty(), qPrintable(label->objectName()));
    }
    QVERIFY(!form.NewGame->isEnabled());
    QVERIFY(form.Sound->isEnabled());
    QVERIFY(form.SplashTime.isActive());
    QCOMPARE(form.SplashTime.interval(), 6000);
    for (QTimer* timer : {&form.kingOhearts, &form.DealDelay, &form.PlrReplATimer, &form.DlrDraw,
                          &form.DlrReplA, &form.DlrShow, &form.pickAwinner, &form.OpenHatch}) {
      QVERIFY(!timer->isActive());
    }

    // The places the hand is played on, and the tray's slots that the tray cuts off.
    QCOMPARE(form.PlrCard4->geometry(), QRect(392, 248, 71, 96));
    QCOMPARE(form.DlrCard0->geometry(), QRect(40, 96, 71, 96));
    QCOMPARE(form.MoneySlot4->geometry(), QRect(21, 323, 117, 50));
    QCOMPARE(form.Bet->geometry(), form.Draw->geometry());
    QCOMPARE(form.BankLabl->mapTo(form.centralWidget(), QPoint(0, 0)), QPoint(517, 411));
    // The hatch lies over the bills and the bet field.
    QVERIFY(form.MoneyTabl->childAt(50, 100) == form.SlidePic);

    QCOMPARE(form.NewGame->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(form.Sound->shortcut(), QKeySequence(Qt::Key_F3));
    QCOMPARE(form.ViewStats->shortcut(), QKeySequence(Qt::Key_F5));
    QCOMPARE(form.Deck->shortcut(), QKeySequence(Qt::Key_F7));
    for (QAction* item : {form.Exit, form.Contents, form.AboutVelmora1}) {
      QVERIFY(item->shortcut().isEmpty());
    }
    QCOMPARE(form.AboutVelmora1->text(), QString("&About... "));

    // The faces the labels ask for resolve to real fonts of the same name.
    QCOMPARE(QFontInfo(form.MainLabl->font()).family(), QString("Linux Biolinum O"));
    QCOMPARE(QFontInfo(form.MainLabl->font()).pixelSize(), 27);
    QCOMPARE(QFontInfo(form.BetLabl->font()).family(), QString("Liberation Serif"));
  }

  void splashOpensTheTableWithTheWelcomeDefaults() {
    Table table;
    TMainForm& form = *table.form;
    form.SplashTime.stop();
    QString headlineDuringWelcome;
    bool tableClosedDuringWelcome = false;
    table.platform.onModal = [&](QDialog& dialog) {
      headlineDuringWelcome = form.BetLabl->text();
      tableClosedDuringWelcome = !form.Bet->isHidden() && !form.Bet->isEnabled() &&
                                 form.BetEdit->isHidden() && !form.MoneyTabl->isHidden();
      QTest::mouseClick(dialog.findChild<QPushButton*>("OK"), Qt::LeftButton);
    };
    form.SplashTimeTimer();
    QVERIFY(!form.SplashTime.isActive());
    QCOMPARE(table.platform.modalTitles, std::vector<QString>{"Welcome to Velmora"});
    QCOMPARE(headlineDuringWelcome, QString("Welcome to Velmora!"));
    QVERIFY(tableClosedDuringWelcome);
    QVERIFY(table.windows->LogoBox().isHidden());

    QCOMPARE(table.state.PlayerName, QString("Player"));
    QCOMPARE(table.state.Bank, 1000);
    QCOMPARE(table.state.DeckBackId, 60);
    QVERIFY(table.state.SoundOn);
    QVERIFY(form.Sound->isChecked());
    QCOMPARE(table.TakeSoundEvents(), Events{"open shuffle.wav"});
    QCOMPARE(table.platform.sleptMilliseconds, 100);
    QCOMPARE(form.PlrNameLabl->text(), QString("Player"));
    QVERIFY(!form.PlrNameLabl->isHidden());
    QCOMPARE(ShownId(*form.DeckCard), 60);
    QCOMPARE(form.BankLabl->text(), QString("Bank: $1000"));
    QCOMPARE(BillsBottomUp(table.state), (std::vector<std::int32_t>{500, 100, 50, 20, 5}));
    QCOMPARE(form.MoneySlot4->toolTip(), QString("Bet $500"));
    QVERIFY(table.platform.messages.empty());

    // The hatch slides one pixel a tick to 112 and stops on the 114th tick.
    QVERIFY(form.OpenHatch.isActive());
    QCOMPARE(form.OpenHatch.interval(), 10);
    QCOMPARE(form.CaptionBar->text(), QString("Welcome to Velmora!"));
    QCOMPARE(table.RunHatch(), 114);
    QCOMPARE(form.TableHatch->x(), 112);
    QCOMPARE(form.BetLabl->text(), QString("Place Your Bet.."));
    QCOMPARE(form.CaptionBar->text(), QString("  Enter your bet and click Deal to start"));
    ExpectBettingOpen(form);
  }

  void hatchKeepsTextsWrittenWhileItOpens() {
    Table table;
    table.Start({}, false);
    for (int tick = 0; tick < 50; ++tick) {
      table.form->OpenHatchTimer();
    }
    table.TypeBet("10");
    table.PressDeal();  // the Deal button works before the hatch has gone
    table.RunHatch();
    QCOMPARE(table.form->BetLabl->text(), QString("Game Pot:  $20"));
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
      QVERIFY(table.platform.ended);
      QCOMPARE(table.platform.exitStatus, 0);
      QVERIFY(table.form->BetEdit->isHidden());
      QVERIFY(!table.form->OpenHatch.isActive());
      QVERIFY(table.platform.sound.events.empty());
    }
  }

  void missingSoundsAreReportedOnceThenSilent() {
    Table table(false);
    table.Start();
    QCOMPARE(table.platform.messages.size(), std::size_t{1});
    const ShownMessage& message = table.platform.messages.front();
    QCOMPARE(message.caption, QString("Sound Error"));
    QCOMPARE(message.text,
             QString("    Could not initiate sound file.\nThe Sound option will be disabled."));
    QCOMPARE(message.icon, QMessageBox::Critical);
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!table.state.SoundOn);
    QVERIFY(!table.form->Sound->isChecked());

    table.TakeSoundEvents();
    table.PlayHand("10", {0});
    QVERIFY(table.platform.sound.events.empty());
    QCOMPARE(table.platform.messages.size(), std::size_t{1});
  }

  void betFieldIsCheckedAtEveryChange() {
    Table table;
    table.Start();
    TMainForm& form = *table.form;
    auto& messages = table.platform.messages;

    table.TypeBet("12a");
    QCOMPARE(messages.size(), std::size_t{1});
    QCOMPARE(messages.back().caption, QString("Bet Error"));
    QCOMPARE(messages.back().text, QString("Invalid bet charactor!"));
    QCOMPARE(messages.back().icon, QMessageBox::Critical);
    QVERIFY(form.BetEdit->text().isEmpty());
    QCOMPARE(form.BankLabl->text(), QString("Bank: $1000"));

    table.TypeBet("2000");  // the fourth digit passes the bank
    QCOMPARE(messages.size(), std::size_t{2});
    QCOMPARE(messages.back().caption, QString("Bet Error"));
    QCOMPARE(messages.back().text, QString("You don't have that much!"));
    QVERIFY(form.BetEdit->text().isEmpty());
    QCOMPARE(form.BankLabl->text(), QString("Bank: $1000"));

    // Hexadecimal is not a bet.
    table.TypeBet("$1F");
    QCOMPARE(messages.back().text, QString("Invalid bet charactor!"));
    QVERIFY(form.BetEdit->text().isEmpty());

    // No lower bound while typing: a negative bet shows more than the bank.
    messages.clear();
    form.BetEdit->setText("-5");  // pasted: typed, the lone sign would be refused
    QCOMPARE(form.BetEdit->text(), QString("-5"));
    QCOMPARE(form.BankLabl->text(), QString("Bank: $1005"));
    form.BetEdit->setText("-2147483648");
    QVERIFY(messages.empty());
    QCOMPARE(form.BankLabl->text(), QString("Bank: $2147484648"));
    QCOMPARE(table.state.SlotValue[4], 500000);

    form.BetEdit->setText("1000");  // the whole bank
    QCOMPARE(form.BankLabl->text(), QString("(Empty)"));
    for (QLabel* slot : Slots(form)) {
      QCOMPARE(ShownId(*slot), 0);
      QVERIFY(slot->toolTip().isEmpty());
      QTest::mouseClick(slot, Qt::LeftButton);
    }
    QCOMPARE(form.BetEdit->text(), QString("1000"));
  }

  void billsAddToTheBet() {
    Table table;
    table.Start();
    TMainForm& form = *table.form;
    // Free cash 1000: the $500 bill is the bottom one.
    QCOMPARE(table.state.SlotValue[4], 500);
    QTest::mouseClick(form.MoneySlot4, Qt::LeftButton);
    QCOMPARE(form.BetEdit->text(), QString("500"));
    QCOMPARE(form.BankLabl->text(), QString("Bank: $500"));
    QCOMPARE(BillsBottomUp(table.state), (std::vector<std::int32_t>{100, 50, 20, 5, 1}));
    QCOMPARE(ShownId(*form.MoneySlot0), -1);  // a bill, not a card
    QCOMPARE(form.MoneySlot0->toolTip(), QString("Bet $1"));

    // The $100 bill stays in place while it fits, so clicking it twice adds it twice.
    QTest::mouseClick(form.MoneySlot4, Qt::LeftButton);
    QTest::mouseClick(form.MoneySlot4, Qt::LeftButton);
    QCOMPARE(form.BetEdit->text(), QString("700"));
    QCOMPARE(form.BankLabl->text(), QString("Bank: $300"));
    QVERIFY(table.platform.messages.empty());
  }

  void dealRefusesIllegalBets() {
    Table table;
    table.Start();
    TMainForm& form = *table.form;
    auto& messages = table.platform.messages;
    const auto expectRefusal = [&](const QString& text) {
      QCOMPARE(messages.back().caption, QString("Illegal Bet"));
      QCOMPARE(messages.back().text, text);
      QCOMPARE(messages.back().icon, QMessageBox::Critical);
      QVERIFY(!form.DealDelay.isActive());
      QCOMPARE(form.focusWidget(), form.BetEdit);
      QCOMPARE(table.state.LastBet, 0);
    };

    table.PressDeal();  // nothing to carry over before the first hand
    expectRefusal("You must bet something..");
    for (const QString& text : {QString("0"), QString("-5")}) {
      form.BetEdit->setText(text);
      table.PressDeal();
      expectRefusal("You must bet something..");
      QCOMPARE(form.BetEdit->text(), text);
    }
    QCOMPARE(messages.size(), std::size_t{3});
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
    QCOMPARE(table.state.LastBet, 250);
    QCOMPARE(table.state.Bank, 1000);

    // Dealing: the Deal button stays in sight but dead; the rest is closed.
    QVERIFY(!form.Bet->isHidden() && !form.Bet->isEnabled());
    QVERIFY(form.Draw->isHidden());
    QVERIFY(form.BetEdit->isHidden() && !form.BetEdit->isEnabled());
    for (QLabel* slot : Slots(form)) {
      QVERIFY(!slot->isEnabled());
      QVERIFY(slot->toolTip().isEmpty());
    }
    QVERIFY(!form.Sound->isEnabled());
    QVERIFY(!form.Deck->isEnabled());
    QVERIFY(form.NewGame->isEnabled());
    QVERIFY(form.DeckCard->isHidden() && form.DeckStack->isHidden());
    QVERIFY(form.DealDelay.isActive());
    QCOMPARE(Shown(PlayerCards(form)), std::vector<int>(5, 0));

    // The seated cards appear in dealing order, the player's face up.
    const FirstDeal deal = SimulateFirstDeal(1);
    QCOMPARE(table.state.PlayerHand, deal.player);
    table.ClickCard(0);  // not during the deal
    for (int step = 0; step < 10; ++step) {
      form.DealDelayTimer();
      const auto p = static_cast<std::size_t>(step / 2);
      if (step % 2 == 0) {
        QCOMPARE(ShownId(*PlayerCards(form)[p]), deal.player[p]);
        QCOMPARE(ShownId(*DealerCards(form)[p]), 0);
      } else {
        QCOMPARE(ShownId(*DealerCards(form)[p]), 60);
      }
      QCOMPARE(form.DealDelay.isActive(), step < 9);
    }
    QCOMPARE(table.state.Discards, (DiscardFlags{0, 0, 0, 0, 0}));

    // Choosing discards.
    QVERIFY(form.Bet->isHidden() && form.Bet->isEnabled());
    QVERIFY(!form.Draw->isHidden() && form.Draw->isEnabled());
    QCOMPARE(form.focusWidget(), form.Draw);
    QVERIFY(form.Sound->isEnabled());
    QVERIFY(!form.Deck->isEnabled());
    QCOMPARE(form.CaptionBar->text(),
             QString("  Click on cards to remove and click Draw to replace"));
  }

  void drawLimitsAndMarks() {
    Table table;
    table.Start();
    TMainForm& form = *table.form;
    table.TypeBet("10");
    table.PressDeal();
    table.RunChain();
    // Clock 1 deals the player 27, 45, 13, 8, 39: aces at positions 2 and 4.
    table.ClickCard(1);
    QCOMPARE(ShownId(*form.PlrCard1), 60);
    QCOMPARE(table.state.Discards[1], 1);
    form.PlrCard1BtnClick();  // the hidden marker button shares the handler
    QCOMPARE(ShownId(*form.PlrCard1), 45);
    QCOMPARE(table.state.Discards[1], 0);

    for (int p = 0; p < 5; ++p) {
      table.ClickCard(p);
    }
    table.PressDraw();
    QCOMPARE(table.platform.messages.back().caption, QString("Illegal Draw"));
    QCOMPARE(table.platform.messages.back().text, QString("You Can't draw 5!"));
    table.ClickCard(3);  // now an eight is the card held
    table.PressDraw();
    QCOMPARE(table.platform.messages.back().text, QString("You can only Draw 4 to an Ace!"));
    QCOMPARE(table.platform.messages.back().icon, QMessageBox::Critical);
    QCOMPARE(table.platform.messages.size(), std::size_t{2});
    QCOMPARE(table.state.Discards, (DiscardFlags{1, 1, 1, 0, 1}));
    QVERIFY(form.Draw->isEnabled());
    QCOMPARE(table.state.Statistics.PlayerDrawCounts, (std::array<std::uint32_t, 5>{}));

    // Four to an ace is allowed.
    table.ClickCard(3);
    table.ClickCard(4);
    table.PressDraw();
    QCOMPARE(table.platform.messages.size(), std::size_t{2});
    QCOMPARE(table.state.Statistics.PlayerDrawCounts[4], 1u);
    QCOMPARE(table.state.Replaced, (ReplacedFlags{1, 1, 1, 1, 0}));
    QCOMPARE(table.state.PlayerHand[4], 39);
    QCOMPARE(table.state.NextCardNumber, 15);
    // After an accepted draw the cards are inert.
    table.ClickCard(4);
    QCOMPARE(table.state.Discards[4], 0);
  }

  void workedExampleFromDealToShowdown() {
    Table table;
    table.Start();
    TMainForm& form = *table.form;
    table.TakeSoundEvents();
    table.TypeBet("250");
    table.PressDeal();
    QCOMPARE(table.RunChain(), (std::map<std::string, int>{{"DealDelay", 10}}));
    QCOMPARE(Faces(table.state.PlayerHand), (std::vector<int>{27, 45, 13, 8, 39}));
    QCOMPARE(table.state.PlayerDealtRank, (HandRank{1, 12, 7, 5, 0, 0, 0}));

    for (const int p : {0, 1, 3}) {
      table.ClickCard(p);
    }
    table.PressDraw();
    QCOMPARE(table.state.Statistics.PlayerDrawCounts[3], 1u);
    QVERIFY(!form.Draw->isHidden() && !form.Draw->isEnabled());
    QVERIFY(!form.Sound->isEnabled());
    QVERIFY(form.CaptionBar->text().isEmpty());
    QCOMPARE(Shown(PlayerCards(form)), (std::vector<int>{0, 0, 13, 0, 39}));

    QCOMPARE(table.RunChain("DlrDraw"), (std::map<std::string, int>{{"PlrReplATimer", 5}}));
    QCOMPARE(Shown(PlayerCards(form)), (std::vector<int>{20, 15, 13, 4, 39}));
    QCOMPARE(form.DlrDraw.interval(), 1000);
    form.DlrDrawTimer();
    QCOMPARE(form.MainLabl->text(), QString("Dealer takes 3"));
    QCOMPARE(table.state.Statistics.DealerDrawCounts[3], 1u);
    QCOMPARE(Shown(DealerCards(form)), (std::vector<int>{60, 60, 0, 0, 0}));
    QCOMPARE(table.RunChain("DlrShow"), (std::map<std::string, int>{{"DlrReplA", 4}}));
    QCOMPARE(Shown(DealerCards(form)), std::vector<int>(5, 60));
    form.DlrShowTimer();
    QVERIFY(form.MainLabl->text().isEmpty());
    QCOMPARE(Shown(DealerCards(form)), (std::vector<int>{38, 36, 23, 44, 22}));
    QVERIFY(form.pickAwinner.isActive());
    QCOMPARE(form.pickAwinner.interval(), 750);

    form.pickAwinnerTimer();
    QCOMPARE(form.MainLabl->text(), QString("You're a winner!"));
    QCOMPARE(form.PlrLabl->text(), QString("Pair"));
    QCOMPARE(form.DlrLabl->text(), QString("Pair"));
    QCOMPARE(table.state.Bank, 1250);
    QCOMPARE(table.state.PlayerFinalRank, (HandRank{1, 12, 6, 3, 1, 0, 0}));
    QCOMPARE(table.state.DealerFinalRank, (HandRank{1, 9, 11, 8, 4, 0, 0}));
    const GameStatistics& statistics = table.state.Statistics;
    QCOMPARE(statistics.HandsPlayed, 1u);
    QCOMPARE(statistics.PlayerWins, 1u);
    QCOMPARE(statistics.PlayerImprovedCount, 0u);
    QCOMPARE(statistics.DealerImprovedCount, 1u);
    QCOMPARE(statistics.BetTotal, 250u);
    QCOMPARE(statistics.BankTotal, 2250u);

    ExpectBettingOpen(form);
    QCOMPARE(form.CaptionBar->text(), QString("  Change your bet or click Deal to play"));
    QCOMPARE(form.focusWidget(), form.BetEdit);
    QCOMPARE(form.BankLabl->text(), QString("Bank: $1250"));
    QCOMPARE(form.BetLabl->text(), QString("Game Pot:  $500"));
    QCOMPARE(form.LastBetLabl->text(), QString("Last Bet: $250"));

    QCOMPARE(
        table.TakeSoundEvents(),
        Join({{"open shuffle.wav", "play shuffle.wav", "open cardflip.wav"},
              Repeat("play cardflip.wav", 10),
              {"open cardflip.wav"},
              Repeat("play cardflip.wav", 3),
              {"open cardflip.wav"},
              Repeat("play cardflip.wav", 3),
              {"open plrwin.wav", "play plrwin.wav", "open bethatch.wav", "play bethatch.wav"}}));

    // The next Deal with an empty field bets the same again.
    table.PressDeal();
    QCOMPARE(table.state.LastBet, 250);
    QCOMPARE(form.BankLabl->text(), QString("Bank: $1000"));
  }

  void standingPatAndTheDealersDraws() {
    // A dealer that draws four to a lone ace shows the ace at the left at once.
    int count = 0;
    const std::int64_t fourCards = FindSeconds([&](const FirstDeal& deal) {
      DealerAfterPat(deal, &count);
      return count == 4;
    });
    QVERIFY(fourCards != 0);
    {
      Table table;
      table.Start();
      table.platform.seconds = fourCards;
      table.TakeSoundEvents();
      table.TypeBet("10");
      table.PressDeal();
      table.RunChain();
      table.PressDraw();  // standing pat
      QCOMPARE(table.RunChain("DlrDraw"), (std::map<std::string, int>{{"PlrReplATimer", 5}}));
      QCOMPARE(table.state.Statistics.PlayerDrawCounts[0], 1u);
      QCOMPARE(table.state.NextCardNumber, 11);
      table.form->DlrDrawTimer();
      QCOMPARE(table.form->MainLabl->text(), QString("Dealer takes 4"));
      QVERIFY(IsAce(table.state.DealerHand[0]));
      QCOMPARE(Shown(DealerCards(*table.form)),
               (std::vector<int>{table.state.DealerHand[0], 0, 0, 0, 0}));
      table.RunChain("DlrShow");
      QCOMPARE(Shown(DealerCards(*table.form)),
               (std::vector<int>{table.state.DealerHand[0], 60, 60, 60, 60}));
      // The player's replacement plays no flip; the dealer's four do.
      QCOMPARE(table.TakeSoundEvents(),
               Join({{"open shuffle.wav", "play shuffle.wav", "open cardflip.wav"},
                     Repeat("play cardflip.wav", 10),
                     {"open cardflip.wav"},
                     {"open cardflip.wav"},
                     Repeat("play cardflip.wav", 4)}));
    }
    const std::int64_t pat = FindSeconds([&](const FirstDeal& deal) {
      DealerAfterPat(deal, &count);
      return count == 0;
    });
    QVERIFY(pat != 0);
    {
      Table table;
      table.Start();
      table.platform.seconds = pat;
      table.TypeBet("10");
      table.PressDeal();
      table.RunChain();
      table.PressDraw();
      table.RunChain("DlrDraw");
      table.form->DlrDrawTimer();
      QCOMPARE(table.form->MainLabl->text(), QString("Dealer takes 0"));
      QCOMPARE(Shown(DealerCards(*table.form)), std::vector<int>(5, 60));
      QCOMPARE(table.RunChain("DlrShow"), (std::map<std::string, int>{{"DlrReplA", 4}}));
      QCOMPARE(table.state.Statistics.DealerDrawCounts[0], 1u);
    }
  }

  void kingOfHeartsPullsFaces() {
    const std::int64_t seconds = FindSeconds([](const FirstDeal& deal) {
      return deal.player[4] == KingOfHearts;  // shown last of the player's cards
    });
    QVERIFY(seconds != 0);
    Table table;
    table.Start();
    TMainForm& form = *table.form;
    table.platform.seconds = seconds;
    table.TypeBet("10");
    table.PressDeal();
    form.DealDelayTimer();
    // Enabled at the first tick although the king is not shown yet, and not
    // restarted by the later ticks: its first change comes 1.5 s after that tick.
    QVERIFY(form.kingOhearts.isActive());
    QCOMPARE(form.kingOhearts.interval(), 1500);
    const int timerId = form.kingOhearts.timerId();
    table.RunChain();
    QCOMPARE(form.kingOhearts.timerId(), timerId);

    form.kingOheartsTimer();
    QCOMPARE(ShownId(*form.PlrCard4), KingOfHeartsAltImageId);
    form.kingOheartsTimer();
    QCOMPARE(ShownId(*form.PlrCard4), 12);
    QCOMPARE(table.state.PlayerHand[4], 12);

    table.ClickCard(4);  // marking the king stops it and shows a back
    QVERIFY(!form.kingOhearts.isActive());
    QCOMPARE(ShownId(*form.PlrCard4), 60);
    table.ClickCard(4);
    QVERIFY(form.kingOhearts.isActive());
    QCOMPARE(ShownId(*form.PlrCard4), 12);

    // It goes on through the showdown and stops only when the next bet is accepted.
    table.PressDraw();
    table.RunChain();
    QVERIFY(form.kingOhearts.isActive());
    table.PressDeal();
    QVERIFY(!form.kingOhearts.isActive());
  }

  void dealersKingOfHeartsIsAnimatedAfterTheReveal() {
    const std::int64_t seconds = FindSeconds([](const FirstDeal& deal) {
      const Hand dealer = DealerAfterPat(deal);
      return std::find(dealer.begin(), dealer.end(), KingOfHearts) != dealer.end();
    });
    QVERIFY(seconds != 0);
    Table table;
    table.Start();
    TMainForm& form = *table.form;
    table.platform.seconds = seconds;
    table.TypeBet("10");
    table.PressDeal();
    table.RunChain();
    table.PressDraw();
    table.RunChain("pickAwinner");
    QVERIFY(table.state.DealerHasKingOfHearts);
    QVERIFY(form.kingOhearts.isActive());
    const auto king = static_cast<std::size_t>(
        std::find(table.state.DealerHand.begin(), table.state.DealerHand.end(), KingOfHearts) -
        table.state.DealerHand.begin());
    form.kingOheartsTimer();
    QCOMPARE(ShownId(*DealerCards(form)[king]), KingOfHeartsAltImageId);
    table.RunChain();
    table.PressDeal();
    QVERIFY(!table.state.DealerHasKingOfHearts);
  }

  void showdownSettlesEveryOutcome() {
    Table table;
    table.Start();
    TMainForm& form = *table.form;
    const auto playTo = [&](const Hand& player, const Hand& dealer) {
      table.TypeBet("100");
      table.PressDeal();
      table.RunChain();
      table.PressDraw();
      table.RunChain("pickAwinner");
      SetHands(table.state, player, dealer);
      form.pickAwinnerTimer();
    };
    // Two flushes of the same ranks in different suits push.
    const Hand heartFlush{C(12, 1), C(9, 1), C(7, 1), C(4, 1), C(2, 1)};
    const Hand spadeFlush{C(12, 4), C(9, 4), C(7, 4), C(4, 4), C(2, 4)};
    playTo(heartFlush, spadeFlush);
    QCOMPARE(form.MainLabl->text(), QString("Push.. Split the Pot!"));
    QCOMPARE(form.PlrLabl->text(), QString("Flush"));
    QCOMPARE(form.DlrLabl->text(), QString("Flush"));
    QCOMPARE(table.state.Bank, 1000);
    QCOMPARE(table.state.Statistics.HandsPlayed, 1u);
    QCOMPARE(table.state.Statistics.PlayerWins, 0u);
    QCOMPARE(table.state.Statistics.PlayerStreak + table.state.Statistics.DealerStreak, 0u);

    // A high card names nothing; the dealer's pair wins.
    const Hand highCard{C(12, 1), C(9, 2), C(7, 3), C(4, 4), C(2, 1)};
    const Hand pair{C(3, 1), C(3, 2), C(7, 1), C(4, 1), C(2, 2)};
    playTo(highCard, pair);
    QCOMPARE(form.MainLabl->text(), QString("Dealer wins!"));
    QVERIFY(form.PlrLabl->text().isEmpty());
    QCOMPARE(form.DlrLabl->text(), QString("Pair"));
    QCOMPARE(table.state.Bank, 900);
    QCOMPARE(table.state.Statistics.DealerStreak, 1u);
    QCOMPARE(table.state.Statistics.HandsPlayed, 2u);
    QCOMPARE(form.BankLabl->text(), QString("Bank: $900"));
    ExpectBettingOpen(form);

    // A bet that no longer fits the bank is asked to shrink; a typed one that fits is taken.
    table.TypeBet("600");
    table.PressDeal();
    table.RunChain();
    table.PressDraw();
    table.RunChain("pickAwinner");
    SetHands(table.state, highCard, pair);
    form.pickAwinnerTimer();
    QCOMPARE(table.state.Bank, 300);
    table.PressDeal();
    QCOMPARE(table.platform.messages.back().caption, QString("Illegal Bet"));
    QCOMPARE(table.platform.messages.back().text,
             QString("Your last bet exceeds your bank account!\n         Decrease your bet.."));
    QVERIFY(form.BetEdit->isEnabled());
    table.TypeBet("300");
    table.PressDeal();
    QCOMPARE(table.state.LastBet, 300);
    QCOMPARE(form.BankLabl->text(), QString("(Empty)"));
  }

  void aHundredDoubledShowsTwoHundredInTheTray() {
    Table table;
    table.Start(WithBank(0));
    TMainForm& form = *table.form;
    QCOMPARE(table.state.Bank, 100);
    table.TypeBet("100");
    table.PressDeal();
    QCOMPARE(form.BankLabl->text(), QString("(Empty)"));
    table.RunChain();
    table.PressDraw();
    table.RunChain("pickAwinner");
    SetHands(table.state, {C(12, 1), C(12, 2), C(7, 3), C(4, 4), C(2, 1)},
             {C(11, 1), C(11, 2), C(7, 1), C(4, 1), C(2, 2)});
    form.pickAwinnerTimer();
    QCOMPARE(table.state.Bank, 200);
    QCOMPARE(form.BankLabl->text(), QString("Bank: $200"));
    QCOMPARE(BillsBottomUp(table.state), (std::vector<std::int32_t>{100, 50, 20, 5, 1}));
    QCOMPARE(table.state.Statistics.HighestBank, 200u);
  }

  void bankWinsStopAtTheLargestAmount() {
    Table table;
    table.Start();
    table.state.Bank = 2147483000;
    table.TypeBet("2000000000");
    table.PressDeal();
    QCOMPARE(table.form->BetLabl->text(), QString("Game Pot:  $4000000000"));
    table.RunChain();
    table.PressDraw();
    table.RunChain("pickAwinner");
    SetHands(table.state, {C(12, 1), C(12, 2), C(7, 3), C(4, 4), C(2, 1)},
             {C(11, 1), C(11, 2), C(7, 1), C(4, 1), C(2, 2)});
    table.form->pickAwinnerTimer();
    QCOMPARE(table.state.Bank, 2147483647);
    QCOMPARE(table.form->BankLabl->text(), QString("Bank: $2147483647"));
  }

  void bankruptcyRecordsTheHandThenOffersANewGame() {
    for (const QMessageBox::StandardButton keep : {QMessageBox::Yes, QMessageBox::No}) {
      Table table;
      table.Start(WithBank(0));
      TMainForm& form = *table.form;
      table.TypeBet("100");
      table.PressDeal();
      table.RunChain();
      table.PressDraw();
      table.RunChain("pickAwinner");
      SetHands(table.state, {C(11, 1), C(11, 2), C(7, 3), C(4, 4), C(2, 1)},
               {C(12, 1), C(12, 2), C(7, 1), C(4, 1), C(2, 2)});
      table.TakeSoundEvents();
      std::uint32_t handsWhenAsked = 0;
      Events soundsWhenAsked;
      QString captionWhenAsked = "unset";
      table.platform.answers = {keep};
      table.platform.onModal = [&](QDialog& dialog) {
        QVERIFY(qobject_cast<TExitDlg*>(&dialog) != nullptr);
        handsWhenAsked = table.state.Statistics.HandsPlayed;
        soundsWhenAsked = table.platform.sound.events;
        captionWhenAsked = form.CaptionBar->text();
        QTest::mouseClick(dialog.findChild<QPushButton*>("NewGameBtn"), Qt::LeftButton);
      };
      form.pickAwinnerTimer();
      QCOMPARE(handsWhenAsked, 1u);
      QCOMPARE(soundsWhenAsked, (Events{"open bust.wav", "play bust.wav"}));
      QVERIFY(captionWhenAsked.isEmpty());
      QCOMPARE(form.MainLabl->text(), QString());  // New Game has cleared the outcome

      // New Game: the question, then the table as a fresh game.
      const ShownMessage& question = table.platform.messages.back();
      QCOMPARE(question.caption, QString("New Game"));
      QCOMPARE(question.text, QString("Save current statistics?"));
      QCOMPARE(question.icon, QMessageBox::Question);
      QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
      QCOMPARE(table.state.Bank, 100);
      QCOMPARE(table.state.LastBet, 0);
      const GameStatistics& statistics = table.state.Statistics;
      if (keep == QMessageBox::Yes) {
        QCOMPARE(statistics.BankruptCount, 1u);
        QCOMPARE(statistics.HandsPlayed, 1u);
      } else {
        QCOMPARE(statistics.BankruptCount, 0u);
        QCOMPARE(statistics.HandsPlayed, 0u);
        QCOMPARE(statistics.BankTotal, 100u);
      }
      QVERIFY(!table.platform.ended);
      ExpectBettingOpen(form);
      QCOMPARE(form.BetLabl->text(), QString("Place Your Bet.."));
      QVERIFY(form.LastBetLabl->text().isEmpty());
      QCOMPARE(form.CaptionBar->text(), QString("  Enter your bet and click Deal to start"));
      QCOMPARE(Shown(PlayerCards(form)), std::vector<int>(5, 0));
      QCOMPARE(Shown(DealerCards(form)), std::vector<int>(5, 0));
      QVERIFY(!form.DeckCard->isHidden());
      QVERIFY(!form.NewGame->isEnabled());
      QCOMPARE(form.BankLabl->text(), QString("Bank: $100"));
      // The first Deal of the new game needs a bet again.
      table.PressDeal();
      QCOMPARE(table.platform.messages.back().text, QString("You must bet something.."));
    }
  }

  void bankruptcyExitEndsTheProgram() {
    Table table;
    table.Start(WithBank(0));
    table.TypeBet("100");
    table.PressDeal();
    table.RunChain();
    table.PressDraw();
    table.RunChain("pickAwinner");
    SetHands(table.state, {C(11, 1), C(11, 2), C(7, 3), C(4, 4), C(2, 1)},
             {C(12, 1), C(12, 2), C(7, 1), C(4, 1), C(2, 2)});
    table.platform.onModal = [](QDialog& dialog) {
      QTest::mouseClick(dialog.findChild<QPushButton*>("ExitBtn"), Qt::LeftButton);
    };
    table.form->pickAwinnerTimer();
    QVERIFY(table.platform.ended);
    QCOMPARE(table.platform.exitStatus, 0);
    QVERIFY(table.platform.messages.empty());  // no New Game question
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
    for (const char* stopAt : {"", "pickAwinner"}) {
      table.TypeBet("300");
      table.PressDeal();
      if (*stopAt == '\0') {
        form.DealDelayTimer();
        form.DealDelayTimer();
      } else {
        table.RunChain();
        table.PressDraw();
        table.RunChain(stopAt);
        QVERIFY(form.pickAwinner.isActive());
      }
      bool runningWhenAsked = true;
      table.platform.onMessage = [&](const ShownMessage&) { runningWhenAsked = anyRunning(); };
      form.NewGameClick();
      table.platform.onMessage = nullptr;
      QVERIFY(!runningWhenAsked);
      QVERIFY(!anyRunning());
      QCOMPARE(table.state.Statistics.HandsPlayed, 0u);
    }
    ExpectBettingOpen(form);
    QCOMPARE(form.BankLabl->text(), QString("Bank: $1000"));
    QCOMPARE(Shown(PlayerCards(form)), std::vector<int>(5, 0));

    // The next bet deals afresh with one chain of steps.
    table.TypeBet("20");
    table.PressDeal();
    QCOMPARE(table.RunChain(), (std::map<std::string, int>{{"DealDelay", 10}}));
    QCOMPARE(table.state.LastBet, 20);
  }

  void randomBacksAreDrawnForTheDeckPictureAndLaterDeals() {
    Table table;
    table.Start();
    TMainForm& form = *table.form;
    table.platform.seconds = 7;
    table.platform.onModal = [](QDialog& dialog) {
      dialog.findChild<QCheckBox*>("RandDeckChk")->setChecked(true);
      QTest::mouseClick(dialog.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
    };
    form.DeckClick();
    QVERIFY(table.state.RandomizeDeck);
    QVERIFY(table.state.DeckJustChosen);
    RandomSource random;
    const int first = DrawRandomBackId(random, [] { return std::int64_t{7}; });
    QCOMPARE(table.state.DeckBackId, first);
    QCOMPARE(ShownId(*form.DeckCard), first);

    table.platform.seconds = 8;  // the first deal keeps the back on the table
    table.PlayHand("10", {});
    QCOMPARE(table.state.DeckBackId, first);
    QVERIFY(!table.state.DeckJustChosen);

    // After the first deal the dialog draws nothing and leaves the hidden picture alone.
    form.DeckClick();
    QCOMPARE(table.state.DeckBackId, first);
    table.platform.seconds = 12;
    table.TypeBet("10");
    table.PressDeal();
    const int later = DrawRandomBackId(random, [] { return std::int64_t{12}; });
    QCOMPARE(table.state.DeckBackId, later);
  }

  void soundFailuresDuringPlaySwitchSoundOffSilently() {
    Table table;
    table.Start();
    table.RemoveSound("cardflip.wav");
    table.TakeSoundEvents();
    table.PlayHand("10", {0, 1});
    QCOMPARE(table.TakeSoundEvents(),
             (Events{"open shuffle.wav", "play shuffle.wav", "fail-open cardflip.wav"}));
    QVERIFY(!table.state.SoundOn);
    QVERIFY(!table.form->Sound->isChecked());
    QVERIFY(table.platform.messages.empty());

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
    QCOMPARE(table.platform.modalTitles.size(), std::size_t{4});
    QCOMPARE(table.platform.modalTitles.back(), QString("About Velmora"));

    // The function keys reach the menu; F2 does nothing while New Game is disabled.
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F3);
    QVERIFY(!table.state.SoundOn);
    QVERIFY(!form.Sound->isChecked());
    QTest::keyClick(&form, Qt::Key_F2);
    QVERIFY(table.platform.messages.empty());
    QTest::keyClick(&form, Qt::Key_F7);
    QCOMPARE(table.platform.modalTitles.back(), QString("Select a Deck"));
    QTest::keyClick(&form, Qt::Key_F5);
    QCOMPARE(table.platform.modalTitles.size(), std::size_t{6});
  }

  void exitAndClosingEndTheProgram() {
    {
      Table table;
      table.Start();
      table.TypeBet("10");
      table.PressDeal();
      table.form->Exit->trigger();  // also in the middle of a hand, without a question
      QVERIFY(table.platform.ended);
      QVERIFY(!table.form->DealDelay.isActive());
      QVERIFY(table.platform.messages.empty());
    }
    {
      Table table;
      table.form->close();
      QVERIFY(table.platform.ended);
      QVERIFY(!table.form->SplashTime.isActive());
    }
  }

  void wholeHandRunsAtItsPaceOnRealTimers() {
    Table table;
    table.Start(WithBank(1, false));
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
    QVERIFY2(dealt >= 900 && dealt < 2500, qPrintable(QString::number(dealt)));
    QVERIFY2(revealed >= 3600 && revealed < 7000, qPrintable(QString::number(revealed)));
    QVERIFY(QTest::qWaitFor([&] { return !form.Bet->isHidden(); }, 5000));
    QCOMPARE(table.state.Statistics.HandsPlayed, 1u);
  }
};

QTEST_MAIN(TableTest)
#include "TableTest.moc"

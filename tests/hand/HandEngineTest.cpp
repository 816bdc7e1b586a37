// The rules of a hand without the table: the bet and the draw limits with
// their messages, a whole hand step by step with steps out of turn and
// refused draws, the settlement of each outcome, New Game in every phase,
// and the random card backs.
#include "stats/StatisticsFile.h"
#include "tests/support/EngineGame.h"
#include "tests/support/HandCodes.h"

#include <QTest>

#include <functional>
#include <string>

using namespace velmora;
using velmora::testing::HandOf;

namespace {

Clock At(std::int64_t seconds) {
  return [seconds] { return seconds; };
}

using Game = velmora::testing::EngineGame;

const Hand PairOfAces = HandOf("AH AD 9C 6S 4H");
const Hand PairOfKings = HandOf("KH KD 9H 6H 4D");

}  // namespace

class HandEngineTest : public QObject {
  Q_OBJECT

 private slots:
  void betFieldAndDealChecks() {
    const std::string_view tooMuch = "You don't have that much!";
    const std::string_view invalid = "Invalid bet charactor!";
    // The field at every change: what is refused, and the cash the tray shows
    // (a negative bet beside the bank must not wrap).
    const std::vector<std::tuple<std::string_view, std::string_view, std::int64_t>> fields{
        {"", "", 1000},        {"250", "", 750},        {"-5", "", 1005},
        {"1000", "", 0},       {"1001", tooMuch, 1000}, {"-2147483648", "", 2147484648},
        {"12a", invalid, 1000}};
    for (const auto& [text, refusal, cash] : fields) {
      const BetFieldCheck check = CheckBetField(text, 1000);
      QCOMPARE(check.refusal ? RefusalText(check.refusal->reason) : std::string_view{}, refusal);
      QVERIFY(!check.refusal || RefusalCaption(check.refusal->reason) == "Bet Error");
      QCOMPARE(check.tableCash, cash);
    }
    // The Deal button: field, last bet, bank; the bet played or the refusal.
    const std::string_view nothing = "You must bet something..";
    const std::string_view exceeds =
        "Your last bet exceeds your bank account!\n         Decrease your bet..";
    const std::string_view letters = "No betting charactors!\n      Try again..";
    const std::string_view above = "You don't have that much!\n       Try again..";
    const std::vector<
        std::tuple<std::string_view, std::int32_t, std::int32_t, std::string_view, std::int32_t>>
        deals{{"", 0, 100, nothing, 0},    {"-5", 20, 100, nothing, 0}, {"", 20, 100, "", 20},
              {"100", 20, 100, "", 100},   {"", 150, 50, exceeds, 0},   {"50", 150, 50, "", 50},
              {"12a", 0, 100, letters, 0}, {"101", 0, 100, above, 0},   {"1", 0, 1, "", 1}};
    for (const auto& [text, lastBet, bank, refusal, bet] : deals) {
      const BetCheck check = CheckBet(text, lastBet, bank);
      QCOMPARE(check.refusal ? RefusalText(check.refusal->reason) : std::string_view{}, refusal);
      QVERIFY(!check.refusal || RefusalCaption(check.refusal->reason) == "Illegal Bet");
      QCOMPARE(check.bet, bet);
    }
  }

  void drawLimits() {
    // Four cards only to an ace. How many draws each hand allows, up to three
    // cards and four to each ace, the advisor's test counts.
    const std::vector<std::tuple<std::string_view, DiscardFlags, DrawVerdict>> cases{
        {"2C 7S AH 9H AC", {1, 1, 0, 1, 1}, DrawVerdict::Allowed},         // to the first ace
        {"2C 7S AH 9H AC", {1, 1, 1, 1, 0}, DrawVerdict::Allowed},         // to the last ace
        {"2C 7S AH 9H AC", {0, 1, 1, 1, 1}, DrawVerdict::FourWithoutAce},  // to the deuce
        {"AC AS AH AD 2C", {1, 1, 1, 1, 1}, DrawVerdict::FiveCards}};
    for (const auto& [hand, discards, verdict] : cases) {
      QCOMPARE(CheckDraw(HandOf(hand), discards), verdict);
    }
  }

  void workedExampleFromDealToShowdown() {
    Game game;
    // Steps out of turn change nothing and say nothing.
    QVERIFY(!game.engine.Deal(At(1)) && !game.engine.DealShown() && !game.engine.Draw());
    QVERIFY(!game.engine.HouseDraw() && !game.engine.Reveal() && !game.engine.Settle());
    const std::optional<DealResult> deal = (game.engine.AcceptBet("250"), game.engine.Deal(At(1)));
    QVERIFY(deal && deal->firstDealOfGame);
    QVERIFY(!game.engine.ToggleDiscard(0));  // not while the cards come out
    // Betting is closed: a second Deal neither deals again nor says anything.
    const HandEngine::BetVerdict again = game.engine.AcceptBet("20");
    QVERIFY(!again.accepted && !again.refusal && !game.engine.Deal(At(5)));
    game.engine.DealShown();
    // Only the row's five places can be marked.
    QVERIFY(!game.engine.ToggleDiscard(-1) && !game.engine.ToggleDiscard(5));
    QCOMPARE(game.state.Discards, DiscardFlags{});
    // Refused draws keep the marks: all five, then four with the nine held.
    for (int p = 0; p < 5; ++p) {
      game.engine.ToggleDiscard(p);
    }
    QCOMPARE(RefusalText(game.engine.Draw()->refusal->reason),
             std::string_view("You Can't draw 5!"));
    game.engine.ToggleDiscard(3);
    const std::optional<DrawResult> refused = game.engine.Draw();
    QCOMPARE(RefusalCaption(refused->refusal->reason), std::string_view("Illegal Draw"));
    QCOMPARE(RefusalText(refused->refusal->reason),
             std::string_view("You can only Draw 4 to an Ace!"));
    QCOMPARE(game.state.Discards, (DiscardFlags{1, 1, 1, 0, 1}));
    game.engine.ToggleDiscard(2);
    game.engine.ToggleDiscard(4);
    QCOMPARE(game.engine.ToggleDiscard(3), std::optional<bool>(true));
    QCOMPARE(game.engine.Draw()->cardsDrawn, 3);  // the example's 0, 1 and 3
    QCOMPARE(game.state.PlayerHand, (Hand{20, 15, 13, 4, 39}));
    const std::optional<HouseDrawResult> house = game.engine.HouseDraw();
    QCOMPARE(house->cardsDrawn, 3);
    QCOMPARE(game.engine.Reveal(), std::optional<bool>(false));
    QCOMPARE(game.state.DealerHand, (Hand{38, 36, 23, 44, 22}));
    // Nothing of the hand is recorded until it is settled.
    QCOMPARE(game.state.Statistics.PlayerDrawCounts[3], 0u);

    const std::optional<SettlementResult> settled = game.engine.Settle();
    QCOMPARE(settled->outcome, RankOrder::FirstBetter);
    QCOMPARE(settled->playerCategory, std::int32_t{Pair});
    QCOMPARE(game.state.Bank, 1250);
    const GameStatistics& statistics = game.state.Statistics;
    QVERIFY(statistics.HandsPlayed == 1 && statistics.PlayerWins == 1);
    QVERIFY(statistics.PlayerImprovedCount == 0 && statistics.DealerImprovedCount == 1);
    QVERIFY(statistics.PlayerDrawCounts == (std::array<std::uint32_t, 5>{0, 0, 0, 1, 0}));
    QCOMPARE(statistics.DealerDrawCounts[3], 1u);
    // A second deal is no first one.
    QVERIFY(game.engine.AcceptBet("").accepted);
    QVERIFY(!game.engine.Deal(At(2))->firstDealOfGame);
  }

  void houseStandingPat() {
    // The first deal at which the house holds a straight, a flush or a full
    // house: it takes no card, and the deck does not move on.
    for (std::int64_t seconds = 1;; ++seconds) {
      Game game;
      QVERIFY(game.DealAndShow("10", seconds));
      const std::int32_t category = game.state.DealerDealtRank[0];
      if (category < Straight || category == FourOfAKind) {
        continue;
      }
      const Hand dealt = game.state.DealerHand;
      game.engine.Draw();
      const std::optional<HouseDrawResult> house = game.engine.HouseDraw();
      QVERIFY(house->cardsDrawn == 0 && !house->showsAce);
      QVERIFY(game.state.DealerHand == dealt && game.state.NextCardNumber == 11);
      game.engine.Reveal();
      game.engine.Settle();
      const GameStatistics& statistics = game.state.Statistics;
      QVERIFY(statistics.DealerDrawCounts[0] == 1 && statistics.DealerImprovedCount == 0);
      return;
    }
  }

  // The reveal tells the table whether the house's final hand holds the king
  // of hearts, which the table then animates; the next bet forgets it.
  void houseKingOfHeartsAtTheReveal() {
    for (std::int64_t seconds = 1;; ++seconds) {
      Game game;
      QVERIFY(game.DealAndShow("10", seconds));
      game.engine.Draw();
      game.engine.HouseDraw();
      if (!HoldsKingOfHearts(game.state.DealerHand)) {
        continue;
      }
      QCOMPARE(game.engine.Reveal(), std::optional<bool>(true));
      QVERIFY(game.state.DealerHasKingOfHearts);
      game.engine.Settle();
      QVERIFY(game.engine.AcceptBet("10").accepted);
      QVERIFY(!game.state.DealerHasKingOfHearts);
      return;
    }
  }

  void settlementOfEachOutcome() {
    Game game({.startingBank = 100});
    std::optional<SettlementResult> settled = game.Showdown("100", PairOfKings, PairOfKings);
    QCOMPARE(settled->outcome, RankOrder::Equal);
    QCOMPARE(game.state.Bank, 100);

    settled = game.Showdown("", PairOfAces, PairOfKings);
    QCOMPARE(game.state.Bank, 200);
    settled = game.Showdown("150", HandOf("AH JD 9C 6S 4H"), PairOfKings);
    QCOMPARE(settled->outcome, RankOrder::SecondBetter);
    QVERIFY(settled->playerCategory == HighCard && !settled->bankrupt);
    QCOMPARE(game.state.Bank, 50);

    settled = game.Showdown("50", PairOfKings, PairOfAces);
    QVERIFY(settled->bankrupt);
    QCOMPARE(game.engine.Phase(), HandPhase::Bankrupt);
    QCOMPARE(game.state.Statistics.HandsPlayed, 4u);
    QVERIFY(!game.engine.AcceptBet("1").accepted);
  }

  void newGameInEveryPhaseKeepsTheStatisticsWhole() {
    // After 0..7 steps of a second hand: bet, deal, shown, draw, house, reveal, settle.
    const std::vector<std::function<void(HandEngine&)>> steps{
        [](HandEngine& e) { e.AcceptBet("10"); }, [](HandEngine& e) { e.Deal(At(3)); },
        [](HandEngine& e) { e.DealShown(); },     [](HandEngine& e) { e.Draw(); },
        [](HandEngine& e) { e.HouseDraw(); },     [](HandEngine& e) { e.Reveal(); },
        [](HandEngine& e) { e.Settle(); }};
    for (std::size_t done = 0; done <= steps.size(); ++done) {
      for (const bool keep : {true, false}) {
        Game game;
        game.Showdown("10", PairOfAces, PairOfKings);
        for (std::size_t s = 0; s < done; ++s) {
          steps[s](game.engine);
        }
        game.engine.NewGame(keep, At(9));
        const GameStatistics& statistics = game.state.Statistics;
        const std::uint32_t hands = done == steps.size() ? 2 : 1;
        QCOMPARE(statistics.HandsPlayed, keep ? hands : 0u);
        QCOMPARE(statistics.BankruptCount, keep ? 1u : 0u);
        QVERIFY(ParseStatisticsFile(FormatStatisticsFile(statistics, "", 1000, {})).Valid());
        QVERIFY(game.state.Bank == 1000 && game.state.LastBet == 0 && game.engine.BettingOpen());
        QVERIFY(!game.state.FirstDealDone);
      }
    }
  }

  void randomBacks() {
    const auto backAt = [](std::int64_t seconds) {
      RandomSource random;
      return DrawRandomBackId(random, At(seconds));
    };
    Game game({.randomBacks = true});
    game.engine.ChooseDeckPictureBack(At(7));
    game.Showdown("10", PairOfAces, PairOfKings);  // its deal keeps the back on the table
    QCOMPARE(game.state.DeckBackId, backAt(7));
    QVERIFY(game.DealAndShow("", 12));  // later deals draw afresh
    QCOMPARE(game.state.DeckBackId, backAt(12));
    game.engine.NewGame(true, At(3));  // draws for the deck picture
    QCOMPARE(game.state.DeckBackId, backAt(3));
    QVERIFY(game.DealAndShow("10", 4));
    QCOMPARE(game.state.DeckBackId, backAt(3));
  }
};

QTEST_APPLESS_MAIN(HandEngineTest)

#include "HandEngineTest.moc"

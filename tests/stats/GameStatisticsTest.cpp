// The record's update rules over whole hands, as the table drives them.
#include "stats/GameStatistics.h"
#include "tests/support/HandCodes.h"

#include <QTest>

using namespace velmora;
using velmora::testing::HandOf;

namespace {

const Hand KingsFourKicker = HandOf("KH KD 4C 3S 2H");
const Hand KingsNineKicker = HandOf("KH KD 9C 3S 2H");
const Hand KingsAceKicker = HandOf("KH KD AC 3S 2H");
const Hand SevenHigh = HandOf("7H 5D 4C 3S 2D");

// One complete hand: both draws, the showdown, the settlement and the totals.
void PlayHand(GameStatistics& stats, const Hand& playerDealt, const Hand& playerFinal,
              int playerDrawn, const Hand& dealerFinal, std::uint32_t bet, std::uint32_t& bank) {
  stats.RecordPlayerDraw(playerDrawn);
  stats.RecordDealerDraw(0);
  const HandRank playerRank = EvaluateHand(playerFinal);
  const HandRank dealerRank = EvaluateHand(dealerFinal);
  stats.RecordFinalHands(playerFinal, playerRank, EvaluateHand(playerDealt), dealerFinal,
                         dealerRank, dealerRank);
  const RankOrder outcome = RankOrderOf(playerRank, dealerRank);
  bank = outcome == RankOrder::FirstBetter    ? bank + bet
         : outcome == RankOrder::SecondBetter ? bank - bet
                                              : bank;
  stats.RecordOutcome(outcome, bank);
  stats.RecordHandTotals(bet, bank);
}

}  // namespace

class GameStatisticsTest : public QObject {
  Q_OBJECT
 private slots:
  void firstLostHandThenStreaksThenReset() {
    GameStatistics stats;
    stats.StartGameStatistics(1000);
    std::uint32_t bank = 1000;
    // Standing pat on the same hand: a draw of 0 and no improvement.
    PlayHand(stats, SevenHigh, SevenHigh, 0, KingsFourKicker, 50, bank);
    QCOMPARE(std::tuple(stats.HandsPlayed, stats.PlayerWins, stats.BankTotal, stats.HighestBank,
                        stats.BetTotal, stats.HighestBet, stats.DealerLongestStreak,
                        stats.PlayerDrawCounts[0], stats.PlayerImprovedCount,
                        stats.DealerCategoryCounts[Pair]),
             std::tuple(1u, 0u, 1950u, 1000u, 50u, 50u, 1u, 1u, 0u, 1u));
    // Win, win, push, win: the streak survives the push; a loss breaks it.
    for (const Hand& dealer : {SevenHigh, SevenHigh, KingsAceKicker, SevenHigh}) {
      PlayHand(stats, KingsAceKicker, KingsAceKicker, 0, dealer, 30, bank);
    }
    QCOMPARE(std::tuple(stats.PlayerWins, stats.PlayerStreak, stats.PlayerLongestStreak,
                        stats.DealerStreak),
             std::tuple(3u, 3u, 3u, 0u));
    PlayHand(stats, SevenHigh, SevenHigh, 0, KingsAceKicker, 20, bank);
    QCOMPARE(std::tuple(stats.PlayerStreak, stats.PlayerLongestStreak, stats.DealerStreak),
             std::tuple(0u, 3u, 1u));
    // Highest bank and bet not lowered by the loss and the smaller bets.
    QCOMPARE(std::tuple(stats.HighestBank, stats.HighestBet, stats.BetTotal),
             std::tuple(1040u, 50u, 50u + 4 * 30 + 20));
    QCOMPARE(stats.BankTotal, 1950u + 980 + 1010 + 1010 + 1040 + 1020);
    // A reset keeps nothing but the bank it starts from.
    stats.BankruptCount += 1;
    stats.ResetStatistics(5000);
    GameStatistics expected;
    expected.StartGameStatistics(5000);
    QCOMPARE(stats, expected);
  }

  // Only a final hand that beats the same seat's dealt hand counts, for
  // either seat, whatever the best hand so far; the category counted is the
  // final hand's.
  void drawImprovesOnlyToABetterHand() {
    const HandRank sevenHigh = EvaluateHand(SevenHigh);
    const struct {
      const char* draw;
      Hand dealt;
      Hand final;
      std::uint32_t improved;
    } rows[] = {
        {"higher kicker", KingsFourKicker, KingsNineKicker, 1},
        {"lower kicker", KingsNineKicker, KingsFourKicker, 0},
        {"same ranks", KingsNineKicker, HandOf("KC KS 9H 3H 2C"), 0},
        {"two pair broken", HandOf("KH KD 4C 4S 2H"), KingsAceKicker, 0},
        {"to a straight", SevenHigh, HandOf("6H 5D 4C 3S 2D"), 1},
    };
    for (const auto& row : rows) {
      const HandRank dealt = EvaluateHand(row.dealt);
      const HandRank final = EvaluateHand(row.final);
      GameStatistics player;
      player.RecordFinalHands(row.final, final, dealt, SevenHigh, sevenHigh, sevenHigh);
      GameStatistics dealer;
      dealer.RecordFinalHands(SevenHigh, sevenHigh, sevenHigh, row.final, final, dealt);
      QVERIFY2(std::tuple(player.PlayerImprovedCount, player.DealerImprovedCount,
                          dealer.PlayerImprovedCount, dealer.DealerImprovedCount,
                          player.PlayerCategoryCounts[final[0]],
                          dealer.DealerCategoryCounts[final[0]]) ==
                   std::tuple(row.improved, 0u, 0u, row.improved, 1u, 1u),
               row.draw);
    }
  }

  void bestHandKeepsTheEarlierOfEqualHands() {
    GameStatistics stats;
    std::uint32_t bank = 1000;
    PlayHand(stats, KingsFourKicker, KingsNineKicker, 3, SevenHigh, 5, bank);
    PlayHand(stats, KingsNineKicker, KingsFourKicker, 3, SevenHigh, 5, bank);
    QCOMPARE(stats.PlayerDrawCounts[3], 2u);
    QCOMPARE(stats.PlayerBestCards, KingsNineKicker);
    // The same ranks in other suits are equal: the earlier cards stay.
    PlayHand(stats, SevenHigh, HandOf("KC KS 9H 3H 2C"), 3, SevenHigh, 5, bank);
    QCOMPARE(stats.PlayerBestCards, KingsNineKicker);
    PlayHand(stats, SevenHigh, KingsAceKicker, 3, SevenHigh, 5, bank);
    QCOMPARE(stats.PlayerBestCards, KingsAceKicker);
    QCOMPARE(stats.PlayerBestRank, EvaluateHand(KingsAceKicker));
    QCOMPARE(stats.DealerBestCards, SevenHigh);
  }

  void outOfRangeIndicesChangeNothing() {
    GameStatistics stats;
    stats.RecordPlayerDraw(5);
    stats.RecordDealerDraw(-1);
    const HandRank bogus{10};
    stats.RecordFinalHands(SevenHigh, bogus, bogus, SevenHigh, HandRank{-1}, HandRank{-1});
    stats.PlayerBestRank = stats.DealerBestRank = {};
    stats.PlayerBestCards = stats.DealerBestCards = {};
    QCOMPARE(stats, GameStatistics{});
  }
};

QTEST_APPLESS_MAIN(GameStatisticsTest)

#include "GameStatisticsTest.moc"

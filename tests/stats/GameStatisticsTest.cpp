// The record's update rules over whole hands, as the table drives them.
#include "GameStatistics.h"
#include "Suites.h"

#include <QTest>

using namespace velmora;

namespace {

// Cards by rank index (0 deuce .. 12 ace) and suit number (1 hearts .. 4 spades).
constexpr Card C(int rank, int suit) {
  return (suit - 1) * 13 + rank + 1;
}

constexpr int Two = 0, Three = 1, Four = 2, Five = 3, Seven = 5, Nine = 7, Jack = 9, King = 11,
              Ace = 12;

const Hand KingsFourKicker{C(King, 1), C(King, 2), C(Four, 3), C(Three, 4), C(Two, 1)};
const Hand KingsNineKicker{C(King, 1), C(King, 2), C(Nine, 3), C(Three, 4), C(Two, 1)};
const Hand KingsAceKicker{C(King, 1), C(King, 2), C(Ace, 3), C(Three, 4), C(Two, 1)};
const Hand SevenHigh{C(Seven, 1), C(Five, 2), C(Four, 3), C(Three, 4), C(Two, 2)};

// One complete hand: both draws, the showdown and the totals.
void PlayHand(GameStatistics& stats, const Hand& playerDealt, const Hand& playerFinal,
              int playerDrawn, const Hand& dealerFinal, std::uint32_t bet, std::uint32_t& bank) {
  stats.RecordPlayerDraw(playerDrawn);
  stats.RecordDealerDraw(0);
  const HandRank playerRank = EvaluateHand(playerFinal);
  const HandRank dealerRank = EvaluateHand(dealerFinal);
  stats.RecordFinalHands(playerFinal, playerRank, EvaluateHand(playerDealt), dealerFinal,
                         dealerRank, dealerRank);
  const int outcome = CompareRanks(playerRank, dealerRank);
  bank = outcome == 1 ? bank + bet : outcome == 2 ? bank - bet : bank;
  stats.RecordOutcome(outcome, bank);
  stats.RecordHandTotals(bet, bank);
}

}  // namespace

class GameStatisticsTest : public QObject {
  Q_OBJECT
 private slots:
  void firstLostHand() {
    GameStatistics stats;
    stats.StartGameStatistics(1000);
    std::uint32_t bank = 1000;
    PlayHand(stats, SevenHigh, SevenHigh, 0, KingsFourKicker, 50, bank);
    QCOMPARE(stats.HandsPlayed, 1u);
    QCOMPARE(stats.PlayerWins, 0u);
    QCOMPARE(stats.BankTotal, 1950u);
    QCOMPARE(stats.HighestBank, 1000u);
    QCOMPARE(stats.BetTotal, 50u);
    QCOMPARE(stats.HighestBet, 50u);
    QCOMPARE(stats.DealerStreak, 1u);
    QCOMPARE(stats.DealerLongestStreak, 1u);
    // Standing pat on the same hand is a draw of 0 and no improvement.
    QCOMPARE(stats.PlayerDrawCounts[0], 1u);
    QCOMPARE(stats.PlayerImprovedCount, 0u);
    QCOMPARE(stats.PlayerCategoryCounts[HighCard], 1u);
    QCOMPARE(stats.DealerCategoryCounts[Pair], 1u);
  }

  void streaksSurvivePushesAndBreakOnLoss() {
    GameStatistics stats;
    stats.StartGameStatistics(100);
    std::uint32_t bank = 100;
    for (const Hand& dealer : {SevenHigh, SevenHigh, KingsAceKicker, SevenHigh}) {
      PlayHand(stats, KingsAceKicker, KingsAceKicker, 0, dealer, 10, bank);
    }
    QCOMPARE(stats.PlayerStreak, 3u);
    QCOMPARE(stats.PlayerLongestStreak, 3u);
    QCOMPARE(stats.PlayerWins, 3u);
    QCOMPARE(stats.HighestBank, 130u);
    PlayHand(stats, SevenHigh, SevenHigh, 0, KingsAceKicker, 20, bank);
    QCOMPARE(stats.PlayerStreak, 0u);
    QCOMPARE(stats.DealerStreak, 1u);
    QCOMPARE(stats.PlayerLongestStreak, 3u);
    QCOMPARE(stats.HighestBank, 130u);
    QCOMPARE(stats.HighestBet, 20u);
    QCOMPARE(stats.HandsPlayed, 5u);
    QCOMPARE(stats.BankTotal, 100u + 110 + 120 + 120 + 130 + 110);
  }

  void improvementCountsKickers() {
    GameStatistics stats;
    std::uint32_t bank = 1000;
    PlayHand(stats, KingsFourKicker, KingsNineKicker, 3, SevenHigh, 5, bank);
    QCOMPARE(stats.PlayerImprovedCount, 1u);
    PlayHand(stats, KingsNineKicker, KingsFourKicker, 3, SevenHigh, 5, bank);
    QCOMPARE(stats.PlayerImprovedCount, 1u);
    QCOMPARE(stats.PlayerDrawCounts[3], 2u);
    QCOMPARE(stats.DealerImprovedCount, 0u);
  }

  void bestHandKeepsTheEarlierOfEqualHands() {
    GameStatistics stats;
    std::uint32_t bank = 1000;
    // Same ranks in other suits: equal, so the first cards stay.
    const Hand sameRanks{C(King, 3), C(King, 4), C(Four, 1), C(Three, 1), C(Two, 3)};
    PlayHand(stats, SevenHigh, KingsFourKicker, 3, SevenHigh, 5, bank);
    PlayHand(stats, SevenHigh, sameRanks, 3, SevenHigh, 5, bank);
    QCOMPARE(stats.PlayerBestCards, KingsFourKicker);
    QCOMPARE(stats.PlayerBestRank, EvaluateHand(KingsFourKicker));
    PlayHand(stats, SevenHigh, KingsAceKicker, 3, SevenHigh, 5, bank);
    QCOMPARE(stats.PlayerBestCards, KingsAceKicker);
    QCOMPARE(stats.DealerBestCards, SevenHigh);
  }

  void outOfRangeIndicesChangeNothing() {
    GameStatistics stats;
    const GameStatistics before = stats;
    stats.RecordPlayerDraw(5);
    stats.RecordDealerDraw(-1);
    QCOMPARE(stats, before);
    HandRank bogus{};
    bogus[0] = 10;
    stats.RecordFinalHands(SevenHigh, bogus, bogus, SevenHigh, HandRank{-1}, HandRank{-1});
    std::uint32_t counted = 0;
    for (int i = 0; i < 10; ++i) {
      counted += stats.PlayerCategoryCounts[i] + stats.DealerCategoryCounts[i];
    }
    QCOMPARE(counted, 0u);
  }

  void newGameResetsEverything() {
    GameStatistics stats;
    stats.StartGameStatistics(1000);
    std::uint32_t bank = 1000;
    PlayHand(stats, SevenHigh, KingsAceKicker, 3, SevenHigh, 40, bank);
    PlayHand(stats, SevenHigh, SevenHigh, 2, KingsAceKicker, 40, bank);
    stats.BankruptCount += 1;
    stats.ResetStatistics(5000);
    GameStatistics expected;
    expected.BankTotal = 5000;
    expected.HighestBank = 5000;
    QCOMPARE(stats, expected);
  }
};

int RunGameStatisticsTests(int argc, char** argv) {
  GameStatisticsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "GameStatisticsTest.moc"

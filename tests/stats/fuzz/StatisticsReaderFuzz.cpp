// libFuzzer target for the statistics file reader: any bytes must be either
// rejected with the reports the game can show or read into a record that
// displays safely and, written out again, reads back the same.
#include "HandDescription.h"
#include "StatisticsFigures.h"
#include "StatisticsFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace velmora;

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

GameStatistics AsGame(const SavedStatistics& s) {
  GameStatistics g;
  g.HandsPlayed = s.HandsPlayed;
  g.PlayerWins = s.PlayerWins;
  g.PlayerImprovedCount = s.PlayerImprovedCount;
  g.DealerImprovedCount = s.DealerImprovedCount;
  g.BankTotal = s.BankTotal;
  g.HighestBank = s.HighestBank;
  g.BetTotal = s.BetTotal;
  g.HighestBet = s.HighestBet;
  g.BankruptCount = s.BankruptCount;
  g.PlayerLongestStreak = s.PlayerLongestStreak;
  g.DealerLongestStreak = s.DealerLongestStreak;
  g.PlayerBestRank = s.PlayerBestRank;
  g.DealerBestRank = s.DealerBestRank;
  g.PlayerBestCards = s.PlayerBestCards;
  g.DealerBestCards = s.DealerBestCards;
  g.PlayerCategoryCounts = s.PlayerCategoryCounts;
  g.DealerCategoryCounts = s.DealerCategoryCounts;
  g.PlayerDrawCounts = s.PlayerDrawCounts;
  g.DealerDrawCounts = s.DealerDrawCounts;
  return g;
}

void CheckReports(const ReadResult& result) {
  Require(result.Valid() == result.Reports.empty());
  Require(result.Reports.size() <= 3);
  int previous = 0;
  for (const FileOpenReport& report : result.Reports) {
    Require(report.Number >= 1 && report.Number <= 21 && report.Number != 10);
    Require(report.Caption == "File Open Error #" + std::to_string(report.Number));
    Require(report.Text == "Invalid data file!");
    // Several reports come only from the split tests, in their order.
    Require(result.Reports.size() == 1 || (report.Number >= 19 && report.Number > previous));
    previous = report.Number;
  }
}

// Everything the window and velmora-stats compute from a record.
void Display(const SavedStatistics& s) {
  const std::string text = DescribeHand(s.PlayerBestRank) + DescribeHand(s.DealerBestRank) +
                           SaveTimeText(s.SaveTime) + SaveDateText(s.SaveDate) +
                           StreakText(s.PlayerLongestStreak);
  Require(!text.empty());
  Require(AverageBank(s.BankTotal, s.HandsPlayed) <= s.BankTotal);
  Require(AverageBet(s.BetTotal, s.HandsPlayed) <= s.BetTotal);
  (void)PercentOfHands(s.PlayerWins, s.HandsPlayed);
}

void CheckRewrite(const SavedStatistics& s) {
  const SaveStamp stamp{s.SaveTime[0], s.SaveTime[1], s.SaveTime[2], s.SaveTime[3],
                        s.SaveDate[0], s.SaveDate[1], s.SaveDate[2]};
  const std::string text = FormatStatisticsFile(AsGame(s), s.PlayerName, s.StartingBank, stamp);
  const ReadResult again = ParseStatisticsFile(text);
  CheckReports(again);
  // A file may hold values the writer cannot reproduce: numbers that only
  // agree modulo 2^32 with a negative sign or a starting bank that is no
  // multiple of 20. Every other record must come back unchanged.
  const bool unwritable =
      s.StartingBank % 20 != 0 || (again.Reports.size() == 1 && again.Reports[0].Number == 2);
  if (!unwritable) {
    Require(again.Valid() && *again.Statistics == s);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view contents(reinterpret_cast<const char*>(data), size);
  const ReadResult result = ParseStatisticsFile(contents);
  CheckReports(result);
  if (result.Valid()) {
    Display(*result.Statistics);
    CheckRewrite(*result.Statistics);
  }
  return 0;
}

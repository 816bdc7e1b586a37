// libFuzzer target for the statistics file reader: any bytes must be either
// rejected with the reports the game can show or read into a record that
// displays safely and, written out again, reads back the same.
#include "stats/StatisticsFile.h"
#include "stats/StatisticsSummary.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace velmora;

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
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
  const StatisticsSummary summary = SummaryOf(s);
  // An average never exceeds its total, however many hands a file claims.
  Require(std::stoull(summary.AverageBank.substr(1)) <= s.Record.BankTotal);
  Require(std::stoull(summary.AverageBet.substr(1)) <= s.Record.BetTotal);
}

void CheckRewrite(const SavedStatistics& s) {
  const std::string text = FormatStatisticsFile(s.Record, s.PlayerName, s.StartingBank, s.Stamp);
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

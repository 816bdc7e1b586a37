// The saved statistics file: 90 lines of CR LF text, 89 decimal numbers and
// the player's name, with redundant sums and split values that the reader
// recomputes. Writing to disk belongs to the window (it saves atomically);
// here are the exact contents and the validating reader.
#pragma once

#include "cards/Cards.h"
#include "stats/GameStatistics.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

inline constexpr int StatisticsFileLineCount = 90;
// Longest line the reader accepts, in characters (code points) without the
// line end.
inline constexpr std::size_t StatisticsFileMaxLineCharacters = 80;

// The moment of saving as the file stores it: always the US fields of a
// 12-hour clock and a month/day/two-digit-year date, whatever the locale.
// A file read back may hold any numbers here.
struct SaveStamp {
  std::int32_t Hour = 12;  // 1..12
  std::int32_t Minutes = 0;
  std::int32_t Seconds = 0;
  std::int32_t PmFlag = 0;  // 0 AM, 1 PM
  std::int32_t Month = 1;
  std::int32_t Day = 1;
  std::int32_t Year = 0;  // two digits: 99 for 1999, 5 for 2005

  bool operator==(const SaveStamp&) const = default;
};

SaveStamp StampFromLocalTime(const std::tm& local);

// A statistics record as a file holds it (or as it would be saved): the
// game's record without its current streaks, which are not saved, beside the
// name, the starting bank and the moment of saving. A negative number in a
// file arrives in a counter as its value modulo 2^32.
struct SavedStatistics {
  std::string PlayerName;  // UTF-8
  std::int32_t StartingBank = 0;
  GameStatistics Record;
  SaveStamp Stamp;

  bool operator==(const SavedStatistics&) const = default;
};

// The current game as it would be saved at `stamp` (the window fills both of
// its modes from one kind of record).
SavedStatistics SnapshotOf(const GameStatistics& statistics, std::string_view playerName,
                           std::int32_t startingBank, const SaveStamp& stamp);

// The whole file: exactly 90 lines, each ended by CR LF.
std::string FormatStatisticsFile(const GameStatistics& statistics, std::string_view playerName,
                                 std::int32_t startingBank, const SaveStamp& stamp);

// One message box the game shows about a file it cannot use (stop icon, OK).
struct FileOpenReport {
  int Number = 0;       // 0 when the file does not exist, else the error number 1..21
  std::string Caption;  // "File Not Found" or "File Open Error #<Number>"
  std::string Text;     // "<path>. File does not exist." or "Invalid data file!"

  bool operator==(const FileOpenReport&) const = default;
};

// Either the statistics of a valid file, or the reports to show one after
// the other (one, or up to three for errors 19..21), in that order.
struct ReadResult {
  std::optional<SavedStatistics> Statistics;
  std::vector<FileOpenReport> Reports;

  bool Valid() const { return Statistics.has_value(); }
};

// Validates the contents of a file that exists.
ReadResult ParseStatisticsFile(std::string_view contents);

// Reports "File Not Found" when nothing exists at `path` (UTF-8 on this
// platform), also when it vanishes before it can be opened; otherwise reads
// it and validates it as ParseStatisticsFile does.
// A file that exists but cannot be read, and anything that is not a regular
// file (a folder, a named pipe, a device), counts as having no lines (error 1).
ReadResult ReadStatisticsFile(const std::string& path);

}  // namespace velmora

#include "stats/StatisticsFile.h"

#include "money/DecimalNumber.h"
#include "stats/CharacterCount.h"
#include "stats/StatisticsFileLayout.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <limits>
#include <type_traits>

namespace velmora {

using statsfile::Field;
using statsfile::Slot;

namespace {

constexpr std::string_view LineEnd = "\r\n";

// The most a reader needs to see: 90 lines of 80 four-byte characters with
// CR LF, and 81 characters of a 91st line, enough to know it is too long to be
// read. Whatever follows cannot change the outcome, so it is never loaded.
constexpr std::size_t MaxBytesRead =
    StatisticsFileLineCount * (StatisticsFileMaxLineCharacters * 4 + 2) +
    (StatisticsFileMaxLineCharacters + 1) * 4;

std::uint32_t Wrapped(std::int64_t value) {
  return static_cast<std::uint32_t>(value);
}

template <typename T, std::size_t N>
std::uint32_t WrappedSum(const std::array<T, N>& values) {
  std::uint32_t sum = 0;
  for (const T value : values) {
    sum += Wrapped(value);
  }
  return sum;
}

// The stamp's fields in file order: hour, minutes, seconds, PM flag, then
// month, day, year.
template <typename Stamp>
auto& StampField(Stamp& stamp, std::size_t index) {
  switch (index) {
    case 0:
      return stamp.Hour;
    case 1:
      return stamp.Minutes;
    case 2:
      return stamp.Seconds;
    case 3:
      return stamp.PmFlag;
    case 4:
      return stamp.Month;
    case 5:
      return stamp.Day;
    default:
      return stamp.Year;
  }
}

std::uint32_t StampSum(const SaveStamp& stamp) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < 7; ++i) {
    sum += Wrapped(StampField(stamp, i));
  }
  return sum;
}

// Hands `use` the field of the record that a line holds, as a reference to
// its std::uint32_t or std::int32_t, and returns true. Lines that the file
// derives from other values (sums, check values, split values) hold no field
// of their own: returns false. The writer and the reader both go through here.
template <typename Saved, typename Use>
bool WithField(Slot slot, Saved& s, Use&& use) {
  auto& r = s.Record;
  const std::size_t k = slot.index;
  switch (slot.field) {
    case Field::HandsPlayed:
      use(r.HandsPlayed);
      return true;
    case Field::PlayerWins:
      use(r.PlayerWins);
      return true;
    case Field::PlayerImprovedCount:
      use(r.PlayerImprovedCount);
      return true;
    case Field::DealerImprovedCount:
      use(r.DealerImprovedCount);
      return true;
    case Field::BankTotal:
      use(r.BankTotal);
      return true;
    case Field::PlayerCategoryCount:
      use(r.PlayerCategoryCounts[k]);
      return true;
    case Field::DealerCategoryCount:
      use(r.DealerCategoryCounts[k]);
      return true;
    case Field::PlayerBestRankField:
      use(r.PlayerBestRank[k]);
      return true;
    case Field::DealerBestRankField:
      use(r.DealerBestRank[k]);
      return true;
    case Field::PlayerDrawCount:
      use(r.PlayerDrawCounts[k]);
      return true;
    case Field::DealerDrawCount:
      use(r.DealerDrawCounts[k]);
      return true;
    case Field::PlayerBestCard:
      use(r.PlayerBestCards[k]);
      return true;
    case Field::DealerBestCard:
      use(r.DealerBestCards[k]);
      return true;
    case Field::SaveTime:
      use(StampField(s.Stamp, k));
      return true;
    case Field::SaveDate:
      use(StampField(s.Stamp, 4 + k));
      return true;
    case Field::BetTotal:
      use(r.BetTotal);
      return true;
    case Field::PlayerLongestStreak:
      use(r.PlayerLongestStreak);
      return true;
    case Field::DealerLongestStreak:
      use(r.DealerLongestStreak);
      return true;
    case Field::BankruptCount:
      use(r.BankruptCount);
      return true;
    case Field::StartingBank:
      use(s.StartingBank);
      return true;
    case Field::HighestBank:
      use(r.HighestBank);
      return true;
    case Field::HighestBet:
      use(r.HighestBet);
      return true;
    default:
      return false;
  }
}

// What the writer puts on a derived line. Sums and check values are unsigned
// modulo 2^32; the starting bank's split keeps its sign like the bank itself.
std::int64_t DerivedValue(Slot slot, const SavedStatistics& s, std::uint32_t nameLength) {
  const GameStatistics& r = s.Record;
  switch (slot.field) {
    case Field::NameLength:
      return nameLength;
    case Field::PlayerBestRankSum:
      return WrappedSum(r.PlayerBestRank);
    case Field::DealerBestRankSum:
      return WrappedSum(r.DealerBestRank);
    case Field::StartingBankDiv20:
      return s.StartingBank / 20;
    case Field::HighestBankDiv3:
      return r.HighestBank / 3;
    case Field::HighestBankMod3:
      return r.HighestBank % 3;
    case Field::HighestBetDiv4:
      return r.HighestBet / 4;
    case Field::HighestBetMod4:
      return r.HighestBet % 4;
    case Field::PlayerBestCardSum:
      return WrappedSum(r.PlayerBestCards);
    case Field::DealerBestCardSum:
      return WrappedSum(r.DealerBestCards);
    case Field::StampSum:
      return StampSum(s.Stamp);
    case Field::CheckValue: {
      const std::array<std::uint32_t, 5> checks{
          nameLength + r.PlayerLongestStreak, r.HandsPlayed + r.BetTotal,
          r.PlayerImprovedCount + r.BankruptCount, r.PlayerWins + r.DealerImprovedCount,
          r.BankTotal + r.DealerLongestStreak};
      return checks[slot.index];
    }
    default:
      return 0;
  }
}

// The file's lines as the reader counts them: lines of at most 80 characters
// are read until a read fails, at the end of the file or at a longer line,
// which ends the reading as the end of the file would. Exactly 90 must have
// been read. A line end is CR LF or LF alone, and a last line without a line
// end still counts.
std::optional<std::vector<std::string_view>> SplitLines(std::string_view contents) {
  std::vector<std::string_view> lines;
  while (!contents.empty()) {
    const std::size_t feed = contents.find('\n');
    std::string_view line = contents.substr(0, feed);
    contents = feed == std::string_view::npos ? std::string_view{} : contents.substr(feed + 1);
    if (feed != std::string_view::npos && line.ends_with('\r')) {
      line.remove_suffix(1);
    }
    if (CountCharacters(line) > StatisticsFileMaxLineCharacters) {
      break;
    }
    if (lines.size() == StatisticsFileLineCount) {
      return std::nullopt;  // a 91st line
    }
    lines.push_back(line);
  }
  if (lines.size() != StatisticsFileLineCount) {
    return std::nullopt;
  }
  return lines;
}

FileOpenReport InvalidFile(int number) {
  return FileOpenReport{number, "File Open Error #" + std::to_string(number), "Invalid data file!"};
}

ReadResult Rejected(int number) {
  return ReadResult{std::nullopt, {InvalidFile(number)}};
}

}  // namespace

SaveStamp StampFromLocalTime(const std::tm& local) {
  const int hour = local.tm_hour % 12;
  return SaveStamp{hour == 0 ? 12 : hour,       local.tm_min,     local.tm_sec,
                   local.tm_hour >= 12 ? 1 : 0, local.tm_mon + 1, local.tm_mday,
                   (local.tm_year + 1900) % 100};
}

SavedStatistics SnapshotOf(const GameStatistics& statistics, std::string_view playerName,
                           std::int32_t startingBank, const SaveStamp& stamp) {
  SavedStatistics s{std::string(playerName), startingBank, statistics, stamp};
  // The current streaks are not saved, so a snapshot holds what reading its file gives.
  s.Record.PlayerStreak = 0;
  s.Record.DealerStreak = 0;
  return s;
}

std::string FormatStatisticsFile(const GameStatistics& statistics, std::string_view playerName,
                                 std::int32_t startingBank, const SaveStamp& stamp) {
  const SavedStatistics s = SnapshotOf(statistics, playerName, startingBank, stamp);
  const auto nameLength = static_cast<std::uint32_t>(CountCharacters(playerName));
  std::string text;
  for (const Slot slot : statsfile::LineLayout) {
    const bool stored =
        WithField(slot, s, [&text](const auto value) { text += std::to_string(value); });
    if (!stored) {
      text += std::to_string(DerivedValue(slot, s, nameLength));
    }
    text += LineEnd;
  }
  text += playerName;
  text += LineEnd;
  return text;
}

ReadResult ParseStatisticsFile(std::string_view contents) {
  const auto lines = SplitLines(contents);
  if (!lines) {
    return Rejected(1);
  }

  std::array<std::int32_t, statsfile::NumberLineCount> numbers{};
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    const auto number = ParseDecimal((*lines)[i]);
    if (!number) {
      return Rejected(2);
    }
    numbers[i] = *number;
  }
  // The number on the line that holds a field, in the record's unsigned arithmetic.
  const auto at = [&numbers](Field field, std::size_t index = 0) {
    return Wrapped(numbers[statsfile::LineOf(field, index) - 1]);
  };

  SavedStatistics s;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    WithField(statsfile::LineLayout[i], s, [value = numbers[i]](auto& field) {
      field = static_cast<std::remove_reference_t<decltype(field)>>(value);
    });
  }
  s.PlayerName = std::string((*lines)[StatisticsFileLineCount - 1]);
  const GameStatistics& r = s.Record;
  const std::uint32_t hands = at(Field::HandsPlayed);

  // Every test runs; the highest failed number is the one reported.
  const std::array<std::pair<int, bool>, 15> consistency{{
      {3, at(Field::NameLength) + at(Field::PlayerLongestStreak) != at(Field::CheckValue, 0)},
      {4, hands + at(Field::BetTotal) != at(Field::CheckValue, 1)},
      {5, at(Field::PlayerImprovedCount) + at(Field::BankruptCount) != at(Field::CheckValue, 2)},
      {6, at(Field::PlayerWins) + at(Field::DealerImprovedCount) != at(Field::CheckValue, 3)},
      {7, at(Field::BankTotal) + at(Field::DealerLongestStreak) != at(Field::CheckValue, 4)},
      {8, WrappedSum(r.PlayerCategoryCounts) != hands},
      {9, WrappedSum(r.DealerCategoryCounts) != hands},
      {11, WrappedSum(r.PlayerDrawCounts) != hands},
      {12, WrappedSum(r.DealerDrawCounts) != hands},
      {13, WrappedSum(r.PlayerBestRank) != at(Field::PlayerBestRankSum)},
      {14, WrappedSum(r.DealerBestRank) != at(Field::DealerBestRankSum)},
      {15, WrappedSum(r.PlayerBestCards) != at(Field::PlayerBestCardSum)},
      {16, WrappedSum(r.DealerBestCards) != at(Field::DealerBestCardSum)},
      {17, StampSum(s.Stamp) != at(Field::StampSum)},
      {18, CountCharacters(s.PlayerName) != at(Field::NameLength)},
  }};
  int highestFailed = 0;
  for (const auto& [number, failed] : consistency) {
    if (failed) {
      highestFailed = number;
    }
  }
  if (highestFailed != 0) {
    return Rejected(highestFailed);
  }

  // The split values are reported one by one.
  ReadResult result;
  const std::array<std::pair<int, bool>, 3> splits{{
      {19, at(Field::StartingBankDiv20) * 20u != at(Field::StartingBank)},
      {20, at(Field::HighestBankDiv3) * 3u + at(Field::HighestBankMod3) != at(Field::HighestBank)},
      {21, at(Field::HighestBetDiv4) * 4u + at(Field::HighestBetMod4) != at(Field::HighestBet)},
  }};
  for (const auto& [number, failed] : splits) {
    if (failed) {
      result.Reports.push_back(InvalidFile(number));
    }
  }
  if (result.Reports.empty()) {
    result.Statistics = std::move(s);
  }
  return result;
}

namespace {

// What reading a path found: its first bytes, nothing at all there, or
// something that cannot be read as a file.
struct FileBytes {
  bool missing = false;
  std::optional<std::string> contents;
};

// Up to `limit` bytes of a regular file. A named pipe, a device or a socket
// is refused before it is opened: opening or reading one could block until
// some other program writes to it. The open does not wait either, in case
// such a thing took the file's place meanwhile. A file that vanishes between
// the look and the open is as missing as one that was never there.
FileBytes ReadRegularFile(const std::string& path, std::size_t limit) {
  std::error_code error;
  const auto status = std::filesystem::status(std::filesystem::path(path), error);
  if (!std::filesystem::exists(status)) {
    return {true, std::nullopt};
  }
  if (!std::filesystem::is_regular_file(status)) {
    return {};
  }
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) {
    return {errno == ENOENT, std::nullopt};
  }
  FileBytes read;
  struct stat opened = {};
  if (::fstat(descriptor, &opened) == 0 && S_ISREG(opened.st_mode)) {
    std::string& contents = read.contents.emplace(limit, '\0');
    std::size_t filled = 0;
    while (filled < limit) {
      const ssize_t count = ::read(descriptor, contents.data() + filled, limit - filled);
      if (count < 0 && errno == EINTR) {
        continue;
      }
      if (count <= 0) {
        break;
      }
      filled += static_cast<std::size_t>(count);
    }
    contents.resize(filled);
  }
  ::close(descriptor);
  return read;
}

}  // namespace

ReadResult ReadStatisticsFile(const std::string& path) {
  const FileBytes file = ReadRegularFile(path, MaxBytesRead);
  if (file.missing) {
    return ReadResult{std::nullopt,
                      {FileOpenReport{0, "File Not Found", path + ". File does not exist."}}};
  }
  // What cannot be read has no lines.
  if (!file.contents) {
    return Rejected(1);
  }
  return ParseStatisticsFile(*file.contents);
}

}  // namespace velmora

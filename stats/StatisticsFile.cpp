#include "StatisticsFile.h"

#include "CharacterCount.h"
#include "StatisticsFileLayout.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <limits>

namespace velmora {

using statsfile::Field;
using statsfile::Slot;

namespace {

constexpr std::string_view LineEnd = "\r\n";

// No valid file is longer: 90 lines of 80 four-byte characters with CR LF.
constexpr std::size_t MaxFileBytes =
    StatisticsFileLineCount * (StatisticsFileMaxLineCharacters * 4 + 2);

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

std::uint32_t StampSum(const SavedStatistics& s) {
  return WrappedSum(s.SaveTime) + WrappedSum(s.SaveDate);
}

std::array<std::uint32_t, 5> CheckValues(const SavedStatistics& s, std::uint32_t nameLength) {
  return {nameLength + s.PlayerLongestStreak, s.HandsPlayed + s.BetTotal,
          s.PlayerImprovedCount + s.BankruptCount, s.PlayerWins + s.DealerImprovedCount,
          s.BankTotal + s.DealerLongestStreak};
}

// The text of one number line. Fields that are signed in the game are written
// signed; every counter, sum and split value is unsigned modulo 2^32.
std::string NumberText(Slot slot, const SavedStatistics& s, std::uint32_t nameLength) {
  const auto u = [](std::uint32_t value) { return std::to_string(value); };
  const auto i = [](std::int32_t value) { return std::to_string(value); };
  const std::size_t k = slot.index;
  switch (slot.field) {
    case Field::NameLength:
      return u(nameLength);
    case Field::HandsPlayed:
      return u(s.HandsPlayed);
    case Field::PlayerWins:
      return u(s.PlayerWins);
    case Field::PlayerImprovedCount:
      return u(s.PlayerImprovedCount);
    case Field::PlayerBestRankSum:
      return u(WrappedSum(s.PlayerBestRank));
    case Field::DealerImprovedCount:
      return u(s.DealerImprovedCount);
    case Field::BankTotal:
      return u(s.BankTotal);
    case Field::DealerBestRankSum:
      return u(WrappedSum(s.DealerBestRank));
    case Field::StartingBankDiv20:
      return i(s.StartingBank / 20);
    case Field::HighestBankDiv3:
      return u(s.HighestBank / 3);
    case Field::PlayerCategoryCount:
      return u(s.PlayerCategoryCounts[k]);
    case Field::DealerCategoryCount:
      return u(s.DealerCategoryCounts[k]);
    case Field::PlayerBestRankField:
      return i(s.PlayerBestRank[k]);
    case Field::DealerBestRankField:
      return i(s.DealerBestRank[k]);
    case Field::PlayerDrawCount:
      return u(s.PlayerDrawCounts[k]);
    case Field::DealerDrawCount:
      return u(s.DealerDrawCounts[k]);
    case Field::CheckValue:
      return u(CheckValues(s, nameLength)[k]);
    case Field::PlayerBestCard:
      return i(s.PlayerBestCards[k]);
    case Field::DealerBestCard:
      return i(s.DealerBestCards[k]);
    case Field::SaveTime:
      return i(s.SaveTime[k]);
    case Field::SaveDate:
      return i(s.SaveDate[k]);
    case Field::HighestBankMod3:
      return u(s.HighestBank % 3);
    case Field::BetTotal:
      return u(s.BetTotal);
    case Field::PlayerBestCardSum:
      return u(WrappedSum(s.PlayerBestCards));
    case Field::HighestBetDiv4:
      return u(s.HighestBet / 4);
    case Field::HighestBetMod4:
      return u(s.HighestBet % 4);
    case Field::PlayerLongestStreak:
      return u(s.PlayerLongestStreak);
    case Field::DealerBestCardSum:
      return u(WrappedSum(s.DealerBestCards));
    case Field::DealerLongestStreak:
      return u(s.DealerLongestStreak);
    case Field::BankruptCount:
      return u(s.BankruptCount);
    case Field::StartingBank:
      return i(s.StartingBank);
    case Field::HighestBank:
      return u(s.HighestBank);
    case Field::HighestBet:
      return u(s.HighestBet);
    case Field::StampSum:
      return u(StampSum(s));
  }
  return {};
}

// Puts a number read from a file where it belongs; derived lines are only
// checked, not kept.
void Store(Slot slot, std::int32_t value, SavedStatistics& s) {
  const std::uint32_t u = Wrapped(value);
  const std::size_t k = slot.index;
  switch (slot.field) {
    case Field::HandsPlayed:
      s.HandsPlayed = u;
      break;
    case Field::PlayerWins:
      s.PlayerWins = u;
      break;
    case Field::PlayerImprovedCount:
      s.PlayerImprovedCount = u;
      break;
    case Field::DealerImprovedCount:
      s.DealerImprovedCount = u;
      break;
    case Field::BankTotal:
      s.BankTotal = u;
      break;
    case Field::PlayerCategoryCount:
      s.PlayerCategoryCounts[k] = u;
      break;
    case Field::DealerCategoryCount:
      s.DealerCategoryCounts[k] = u;
      break;
    case Field::PlayerBestRankField:
      s.PlayerBestRank[k] = value;
      break;
    case Field::DealerBestRankField:
      s.DealerBestRank[k] = value;
      break;
    case Field::PlayerDrawCount:
      s.PlayerDrawCounts[k] = u;
      break;
    case Field::DealerDrawCount:
      s.DealerDrawCounts[k] = u;
      break;
    case Field::PlayerBestCard:
      s.PlayerBestCards[k] = value;
      break;
    case Field::DealerBestCard:
      s.DealerBestCards[k] = value;
      break;
    case Field::SaveTime:
      s.SaveTime[k] = value;
      break;
    case Field::SaveDate:
      s.SaveDate[k] = value;
      break;
    case Field::BetTotal:
      s.BetTotal = u;
      break;
    case Field::PlayerLongestStreak:
      s.PlayerLongestStreak = u;
      break;
    case Field::DealerLongestStreak:
      s.DealerLongestStreak = u;
      break;
    case Field::BankruptCount:
      s.BankruptCount = u;
      break;
    case Field::StartingBank:
      s.StartingBank = value;
      break;
    case Field::HighestBank:
      s.HighestBank = u;
      break;
    case Field::HighestBet:
      s.HighestBet = u;
      break;
    default:
      break;
  }
}

// Splits the text into at most 90 lines. Returns nothing when the file is not
// exactly 90 lines of at most 80 characters: a line end is CR LF or LF alone,
// and a last line without a line end still counts.
std::optional<std::vector<std::string_view>> SplitLines(std::string_view contents) {
  std::vector<std::string_view> lines;
  while (!contents.empty()) {
    if (lines.size() == StatisticsFileLineCount) {
      return std::nullopt;  // a 91st line
    }
    const std::size_t feed = contents.find('\n');
    std::string_view line = contents.substr(0, feed);
    contents = feed == std::string_view::npos ? std::string_view{} : contents.substr(feed + 1);
    if (feed != std::string_view::npos && line.ends_with('\r')) {
      line.remove_suffix(1);
    }
    if (CountCharacters(line) > StatisticsFileMaxLineCharacters) {
      return std::nullopt;
    }
    lines.push_back(line);
  }
  if (lines.size() != StatisticsFileLineCount) {
    return std::nullopt;
  }
  return lines;
}

// An optional sign followed by decimal digits, nothing else, in 32-bit range.
std::optional<std::int32_t> ParseNumber(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) {
    return std::nullopt;
  }
  std::int64_t magnitude = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
      return std::nullopt;
    }
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
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
  SavedStatistics s;
  s.PlayerName = std::string(playerName);
  s.HandsPlayed = statistics.HandsPlayed;
  s.PlayerWins = statistics.PlayerWins;
  s.PlayerImprovedCount = statistics.PlayerImprovedCount;
  s.DealerImprovedCount = statistics.DealerImprovedCount;
  s.BankTotal = statistics.BankTotal;
  s.StartingBank = startingBank;
  s.HighestBank = statistics.HighestBank;
  s.BetTotal = statistics.BetTotal;
  s.HighestBet = statistics.HighestBet;
  s.BankruptCount = statistics.BankruptCount;
  s.PlayerLongestStreak = statistics.PlayerLongestStreak;
  s.DealerLongestStreak = statistics.DealerLongestStreak;
  s.PlayerBestRank = statistics.PlayerBestRank;
  s.DealerBestRank = statistics.DealerBestRank;
  s.PlayerBestCards = statistics.PlayerBestCards;
  s.DealerBestCards = statistics.DealerBestCards;
  s.PlayerCategoryCounts = statistics.PlayerCategoryCounts;
  s.DealerCategoryCounts = statistics.DealerCategoryCounts;
  s.PlayerDrawCounts = statistics.PlayerDrawCounts;
  s.DealerDrawCounts = statistics.DealerDrawCounts;
  s.SaveTime = {stamp.Hour, stamp.Minutes, stamp.Seconds, stamp.PmFlag};
  s.SaveDate = {stamp.Month, stamp.Day, stamp.Year};
  return s;
}

std::string FormatStatisticsFile(const GameStatistics& statistics, std::string_view playerName,
                                 std::int32_t startingBank, const SaveStamp& stamp) {
  const SavedStatistics s = SnapshotOf(statistics, playerName, startingBank, stamp);
  const auto nameLength = static_cast<std::uint32_t>(CountCharacters(playerName));
  std::string text;
  for (const Slot slot : statsfile::LineLayout) {
    text += NumberText(slot, s, nameLength);
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
    const auto number = ParseNumber((*lines)[i]);
    if (!number) {
      return Rejected(2);
    }
    numbers[i] = *number;
  }
  // Line n of the file, in the unsigned arithmetic of the record.
  const auto line = [&numbers](std::size_t n) { return Wrapped(numbers[n - 1]); };

  SavedStatistics s;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    Store(statsfile::LineLayout[i], numbers[i], s);
  }
  s.PlayerName = std::string((*lines)[StatisticsFileLineCount - 1]);

  // Every test runs; the highest failed number is the one reported.
  const std::array<std::pair<int, bool>, 15> consistency{{
      {3, line(1) + line(82) != line(17)},
      {4, line(2) + line(78) != line(28)},
      {5, line(4) + line(85) != line(39)},
      {6, line(3) + line(6) != line(50)},
      {7, line(7) + line(84) != line(60)},
      {8, WrappedSum(s.PlayerCategoryCounts) != line(2)},
      {9, WrappedSum(s.DealerCategoryCounts) != line(2)},
      {11, WrappedSum(s.PlayerDrawCounts) != line(2)},
      {12, WrappedSum(s.DealerDrawCounts) != line(2)},
      {13, WrappedSum(s.PlayerBestRank) != line(5)},
      {14, WrappedSum(s.DealerBestRank) != line(8)},
      {15, WrappedSum(s.PlayerBestCards) != line(79)},
      {16, WrappedSum(s.DealerBestCards) != line(83)},
      {17, StampSum(s) != line(89)},
      {18, CountCharacters(s.PlayerName) != line(1)},
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
      {19, line(9) * 20u != line(86)},
      {20, line(10) * 3u + line(77) != line(87)},
      {21, line(80) * 4u + line(81) != line(88)},
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

// Up to `limit` bytes of a regular file, or nothing for anything else. A named
// pipe, a device or a socket is refused before it is opened: opening or
// reading one could block until some other program writes to it. The open
// does not wait either, in case such a thing took the file's place meanwhile.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t limit) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(std::filesystem::path(path), error)) {
    return std::nullopt;
  }
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) {
    return std::nullopt;
  }
  std::optional<std::string> contents;
  struct stat status {};
  if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)) {
    contents.emplace(limit, '\0');
    std::size_t filled = 0;
    while (filled < limit) {
      const ssize_t count = ::read(descriptor, contents->data() + filled, limit - filled);
      if (count < 0 && errno == EINTR) {
        continue;
      }
      if (count <= 0) {
        break;
      }
      filled += static_cast<std::size_t>(count);
    }
    contents->resize(filled);
  }
  ::close(descriptor);
  return contents;
}

}  // namespace

ReadResult ReadStatisticsFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(std::filesystem::path(path), error)) {
    return ReadResult{std::nullopt,
                      {FileOpenReport{0, "File Not Found", path + ". File does not exist."}}};
  }
  // Reads one byte past the longest valid file, so an endless or huge file
  // is rejected without being loaded. What cannot be read has no lines.
  const std::optional<std::string> contents = ReadRegularFile(path, MaxFileBytes + 1);
  if (!contents || contents->size() > MaxFileBytes) {
    return Rejected(1);
  }
  return ParseStatisticsFile(*contents);
}

}  // namespace velmora

#include "tools/stats/StatsTool.h"

#include "cards/CardCodes.h"
#include "stats/CharacterCount.h"
#include "stats/StatisticsFile.h"
#include "stats/StatisticsSummary.h"
#include "tools/stats/TerminalText.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace velmora::statstool {

namespace {

constexpr std::string_view Usage =
    "usage: velmora-stats [--brief] FILE...\n"
    "Prints saved Velmora statistics files (.vlm), or why the game would reject them.\n"
    "  --brief  one table row per file\n";

// Wide enough for "Hand Improved After Draw:" and a ten-character name + "'s Best Hand:".
constexpr std::size_t CaptionWidth = 27;

// Pads by characters, not bytes, so that names with accents line up.
std::string PadRight(std::string text, std::size_t width) {
  const std::size_t length = CountCharacters(text);
  if (length < width) {
    text.append(width - length, ' ');
  }
  return text;
}

std::string PadLeft(const std::string& text, std::size_t width) {
  const std::size_t length = CountCharacters(text);
  return length < width ? std::string(width - length, ' ') + text : text;
}

// The window breaks a description after its blank; on one line the blank is
// separator enough.
std::string OneLine(std::string text) {
  std::erase(text, '\n');
  return text;
}

std::string CardCodes(const Hand& hand) {
  std::string codes;
  for (const Card card : hand) {
    codes += (codes.empty() ? "" : " ") + CardCode(card);
  }
  return codes;
}

void PrintBestHand(std::ostream& out, const std::string& title, const SeatSummary& seat,
                   const Hand& cards, bool showsCards) {
  out << "  " << PadRight(title, CaptionWidth) << OneLine(seat.BestHand);
  if (showsCards) {
    out << "  [" << CardCodes(cards) << "]";
  }
  out << "\n";
}

void PrintSummary(std::ostream& out, const std::string& path, const SavedStatistics& s) {
  const StatisticsSummary summary = SummaryOf(s);
  const std::string name = ForTerminal(s.PlayerName);
  const auto row = [&out](const std::string& caption, const std::string& value) {
    out << "  " << PadRight(caption, CaptionWidth) << value << "\n";
  };

  out << ForTerminal(path) << "\n";
  row("Player:", name);
  row("Saved:", summary.SaveDate + " " + summary.SaveTime);
  row("Total hands played:", summary.HandsPlayed);
  row(name + " won:", summary.PlayerWins);
  row("Winning percentage:", summary.WinPercent);
  row("Starting Bank:", summary.StartingBank);
  row("Average Bank:", summary.AverageBank);
  row("Highest Bank:", summary.HighestBank);
  row("Average Bet:", summary.AverageBet);
  row("Highest Bet:", summary.HighestBet);
  row("Bankrupts/Resets:", summary.BankruptCount);
  row("Longest Winning Streak:",
      name + ": " + summary.Player.LongestStreak + ", Dealer: " + summary.Dealer.LongestStreak);
  PrintBestHand(out, name + "'s Best Hand:", summary.Player, s.Record.PlayerBestCards,
                summary.ShowsBestCards);
  PrintBestHand(out, "Dealer's Best Hand:", summary.Dealer, s.Record.DealerBestCards,
                summary.ShowsBestCards);

  const auto countRow = [&out](std::string_view caption, const std::string& player,
                               const std::string& dealer) {
    out << "    " << PadRight(std::string(caption), 18) << PadLeft(player, 12)
        << PadLeft(dealer, 12) << "\n";
  };
  const std::string playerHead = PadLeft(name + ":", 12);
  out << "  Accumulated Hand Rankings:\n"
      << "    " << std::string(18, ' ') << playerHead << PadLeft("Dealer:", 12) << "\n";
  for (std::size_t i = CategoryCaptions.size(); i-- > 0;) {
    countRow(CategoryCaptions[i], summary.Player.Categories[i], summary.Dealer.Categories[i]);
  }
  countRow("Total:", summary.Player.CategoryTotal, summary.Dealer.CategoryTotal);

  out << "  Accumulated Draws:\n"
      << "    " << std::string(18, ' ') << playerHead << PadLeft("Dealer:", 12) << "\n";
  for (std::size_t i = 0; i < DrawCaptions.size(); ++i) {
    countRow(DrawCaptions[i], summary.Player.Draws[i], summary.Dealer.Draws[i]);
  }
  countRow("Total:", summary.Player.DrawTotal, summary.Dealer.DrawTotal);
  row("Hand Improved After Draw:",
      name + ": " + summary.Player.Improved + ", Dealer: " + summary.Dealer.Improved);
}

void PrintBriefHeader(std::ostream& out) {
  out << PadRight("Name", 12) << PadRight("Saved", 22) << PadLeft("Hands", 8) << PadLeft("Won", 8)
      << PadLeft("Win%", 6) << PadLeft("Start", 8) << PadLeft("Avg bank", 12)
      << PadLeft("High bank", 12) << PadLeft("High bet", 12) << "  File\n";
}

void PrintBriefRow(std::ostream& out, const std::string& path, const SavedStatistics& s) {
  const StatisticsSummary summary = SummaryOf(s);
  // A name written with escapes can outgrow its column; a blank still ends it.
  out << PadRight(ForTerminal(s.PlayerName), 11) << ' '
      << PadRight(summary.SaveDate + " " + summary.SaveTime, 22) << PadLeft(summary.HandsPlayed, 8)
      << PadLeft(summary.PlayerWins, 8) << PadLeft(summary.WinPercent, 6)
      << PadLeft(summary.StartingBank, 8) << PadLeft(summary.AverageBank, 12)
      << PadLeft(summary.HighestBank, 12) << PadLeft(summary.HighestBet, 12) << "  "
      << ForTerminal(path) << "\n";
}

}  // namespace

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  bool brief = false;
  bool optionsEnded = false;
  std::vector<std::string> paths;
  for (const std::string& argument : arguments) {
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && argument == "--brief") {
      brief = true;
    } else if (!optionsEnded && (argument == "--help" || argument == "-h")) {
      out << Usage;
      return AllValid;
    } else if (!optionsEnded && argument.size() > 1 && argument.front() == '-') {
      err << "velmora-stats: unknown option " << ForTerminal(argument) << "\n" << Usage;
      return BadUsage;
    } else {
      paths.push_back(argument);
    }
  }
  if (paths.empty()) {
    err << "velmora-stats: no file given\n" << Usage;
    return BadUsage;
  }

  if (brief) {
    PrintBriefHeader(out);
  }
  int status = AllValid;
  bool firstSummary = true;
  for (const std::string& path : paths) {
    const ReadResult result = ReadStatisticsFile(path);
    if (!result.Valid()) {
      status = SomeRejected;
      for (const FileOpenReport& report : result.Reports) {
        out << ForTerminal(path) << ": " << report.Caption << "\n";
      }
      continue;
    }
    if (brief) {
      PrintBriefRow(out, path, *result.Statistics);
    } else {
      if (!firstSummary) {
        out << "\n";
      }
      firstSummary = false;
      PrintSummary(out, path, *result.Statistics);
    }
  }
  return status;
}

}  // namespace velmora::statstool

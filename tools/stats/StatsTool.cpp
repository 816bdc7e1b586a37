#include "StatsTool.h"

#include "CharacterCount.h"
#include "HandDescription.h"
#include "StatisticsFigures.h"
#include "StatisticsFile.h"
#include "TerminalText.h"

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

std::string Money(std::int64_t dollars) {
  return "$" + std::to_string(dollars);
}

// The window breaks a description after its blank; on one line the blank is
// separator enough.
std::string OneLine(std::string text) {
  std::erase(text, '\n');
  return text;
}

// "QH" for the queen of hearts.
std::string CardCode(Card card) {
  if (card < 1 || card > 52) {
    return "??";
  }
  constexpr std::string_view ranks = "23456789TJQKA";
  constexpr std::string_view suits = "HDCS";
  return {ranks[static_cast<std::size_t>(RankIndex(card))],
          suits[static_cast<std::size_t>(SuitNumber(card) - 1)]};
}

std::string CardCodes(const Hand& hand) {
  std::string codes;
  for (const Card card : hand) {
    codes += (codes.empty() ? "" : " ") + CardCode(card);
  }
  return codes;
}

template <std::size_t N>
std::uint32_t Total(const std::array<std::uint32_t, N>& counts) {
  std::uint32_t total = 0;
  for (const std::uint32_t count : counts) {
    total += count;
  }
  return total;
}

void PrintBestHand(std::ostream& out, const std::string& title, const HandRank& rank,
                   const Hand& cards, std::uint32_t handsPlayed) {
  out << "  " << PadRight(title, CaptionWidth) << OneLine(DescribeHand(rank));
  if (handsPlayed > 0) {
    out << "  [" << CardCodes(cards) << "]";
  }
  out << "\n";
}

void PrintSummary(std::ostream& out, const std::string& path, const SavedStatistics& s) {
  const std::uint32_t hands = s.HandsPlayed;
  const std::string name = ForTerminal(s.PlayerName);
  const auto row = [&out](const std::string& caption, const std::string& value) {
    out << "  " << PadRight(caption, CaptionWidth) << value << "\n";
  };

  out << ForTerminal(path) << "\n";
  row("Player:", name);
  row("Saved:", SaveDateText(s.SaveDate) + " " + SaveTimeText(s.SaveTime));
  row("Total hands played:", std::to_string(hands));
  row(name + " won:", std::to_string(s.PlayerWins));
  row("Winning percentage:", std::to_string(PercentOfHands(s.PlayerWins, hands)) + "%");
  row("Starting Bank:", Money(s.StartingBank));
  row("Average Bank:", Money(AverageBank(s.BankTotal, hands)));
  row("Highest Bank:", Money(s.HighestBank));
  row("Average Bet:", Money(AverageBet(s.BetTotal, hands)));
  row("Highest Bet:", Money(s.HighestBet));
  row("Bankrupts/Resets:", std::to_string(s.BankruptCount));
  row("Longest Winning Streak:", name + ": " + StreakText(s.PlayerLongestStreak) +
                                     ", Dealer: " + StreakText(s.DealerLongestStreak));
  PrintBestHand(out, name + "'s Best Hand:", s.PlayerBestRank, s.PlayerBestCards, hands);
  PrintBestHand(out, "Dealer's Best Hand:", s.DealerBestRank, s.DealerBestCards, hands);

  const auto countRow = [&out](std::string_view caption, std::uint32_t player,
                               std::uint32_t dealer) {
    out << "    " << PadRight(std::string(caption), 18) << PadLeft(std::to_string(player), 12)
        << PadLeft(std::to_string(dealer), 12) << "\n";
  };
  const std::string playerHead = PadLeft(name + ":", 12);
  out << "  Accumulated Hand Rankings:\n"
      << "    " << std::string(18, ' ') << playerHead << PadLeft("Dealer:", 12) << "\n";
  constexpr std::array<std::string_view, 10> categoryCaptions{
      "High Card:", "Pair:",       "Two Pair:",       "Three of a Kind:", "Straight:",
      "Flush:",     "Full House:", "Four of a Kind:", "Straight Flush:",  "Royal Flush:"};
  for (std::size_t i = categoryCaptions.size(); i-- > 0;) {
    countRow(categoryCaptions[i], s.PlayerCategoryCounts[i], s.DealerCategoryCounts[i]);
  }
  countRow("Total:", Total(s.PlayerCategoryCounts), Total(s.DealerCategoryCounts));

  out << "  Accumulated Draws:\n"
      << "    " << std::string(18, ' ') << playerHead << PadLeft("Dealer:", 12) << "\n";
  constexpr std::array<std::string_view, 5> drawCaptions{
      "0 Cards:", "1 Card:", "2 Cards:", "3 Cards:", "4 Cards:"};
  for (std::size_t i = 0; i < drawCaptions.size(); ++i) {
    countRow(drawCaptions[i], s.PlayerDrawCounts[i], s.DealerDrawCounts[i]);
  }
  countRow("Total:", Total(s.PlayerDrawCounts), Total(s.DealerDrawCounts));
  row("Hand Improved After Draw:",
      name + ": " + std::to_string(PercentOfHands(s.PlayerImprovedCount, hands)) +
          "%, Dealer: " + std::to_string(PercentOfHands(s.DealerImprovedCount, hands)) + "%");
}

void PrintBriefHeader(std::ostream& out) {
  out << PadRight("Name", 12) << PadRight("Saved", 22) << PadLeft("Hands", 8) << PadLeft("Won", 8)
      << PadLeft("Win%", 6) << PadLeft("Start", 8) << PadLeft("Avg bank", 12)
      << PadLeft("High bank", 12) << PadLeft("High bet", 12) << "  File\n";
}

void PrintBriefRow(std::ostream& out, const std::string& path, const SavedStatistics& s) {
  out << PadRight(ForTerminal(s.PlayerName), 12)
      << PadRight(SaveDateText(s.SaveDate) + " " + SaveTimeText(s.SaveTime), 22)
      << PadLeft(std::to_string(s.HandsPlayed), 8) << PadLeft(std::to_string(s.PlayerWins), 8)
      << PadLeft(std::to_string(PercentOfHands(s.PlayerWins, s.HandsPlayed)) + "%", 6)
      << PadLeft(Money(s.StartingBank), 8)
      << PadLeft(Money(AverageBank(s.BankTotal, s.HandsPlayed)), 12)
      << PadLeft(Money(s.HighestBank), 12) << PadLeft(Money(s.HighestBet), 12) << "  "
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

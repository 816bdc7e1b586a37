#include "tools/sim/Advise.h"

#include "advice/DiscardAdvice.h"
#include "cards/CardCodes.h"
#include "cards/CardNames.h"
#include "tools/sim/PrintfText.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <string>
#include <vector>

namespace velmora::sim {

namespace {

std::string Discarded(const Hand& hand, const DiscardFlags& discards) {
  std::string codes;
  for (int p = 0; p < 5; ++p) {
    if (discards[p] == 1) {
      codes += codes.empty() ? "" : " ";
      codes += CardCode(hand[p]);
    }
  }
  return codes.empty() ? "(stand pat)" : codes;
}

// Only the texts made here go into the JSON, and they hold no quote or
// backslash: card names, digits, blanks, commas, dots, "%" and the dash.
void WriteJsonCodes(std::ostream& out, const Hand& hand, const DiscardFlags& keep) {
  out << '[';
  bool first = true;
  for (int p = 0; p < 5; ++p) {
    if (keep[p] == 1) {
      out << (first ? "" : ",") << '"' << CardCode(hand[p]) << '"';
      first = false;
    }
  }
  out << ']';
}

}  // namespace

void WriteAdvice(std::ostream& out, const Hand& hand, int samples, bool json) {
  const AdviceOptions options{.samples = samples > 0 ? samples : DefaultAdviceSamples};
  const auto started = std::chrono::steady_clock::now();
  const std::clock_t processorStarted = std::clock();
  const std::vector<DiscardChoice> choices = AdviseDiscards(hand, options);
  const double processorSeconds =
      static_cast<double>(std::clock() - processorStarted) / CLOCKS_PER_SEC;
  const double elapsedSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  // A chance's standard error is largest, 0.5 / sqrt(n), at one half.
  const double errorBound = 0.5 / std::sqrt(static_cast<double>(options.samples));

  if (json) {
    out << "{\"hand\":";
    WriteJsonCodes(out, hand, {1, 1, 1, 1, 1});
    out << ",\"samples\":" << options.samples
        << Format(",\"standard_error_bound\":%.6f,\"choices\":[", errorBound);
    for (std::size_t k = 0; k < choices.size(); ++k) {
      const DiscardChoice& choice = choices[k];
      out << (k == 0 ? "" : ",") << "{\"discard\":";
      WriteJsonCodes(out, hand, choice.discards);
      out << ",\"positions\":[";
      for (int p = 0, written = 0; p < 5; ++p) {
        if (choice.discards[p] == 1) {
          out << (written++ == 0 ? "" : ",") << p;
        }
      }
      out << Format("],\"win\":%.6f,\"push\":%.6f,\"lose\":%.6f,\"expected_return\":%.6f",
                    choice.win, choice.push, choice.lose, choice.expectedReturn)
          << ",\"text\":\"" << DescribeChoice(hand, choice) << "\"}";
    }
    out << Format("],\"processor_seconds\":%.6f,\"elapsed_seconds\":%.6f}\n", processorSeconds,
                  elapsedSeconds);
    return;
  }

  std::string names;
  for (const Card card : hand) {
    names += names.empty() ? "" : ", ";
    names += CardName(card);
  }
  out << "Hand: " << Discarded(hand, {1, 1, 1, 1, 1}) << " (" << names << ")\n"
      << Format(
             "Every draw the game allows, best first, each played against the house's rule\n"
             "on the same %d deals of the 47 unseen cards (standard error at most %.2f "
             "points).\n\n",
             options.samples, 100.0 * errorBound)
      << Format("%3s  %-14s %7s %7s %7s %8s\n", "#", "Discard", "Win %", "Push %", "Lose %",
                "Return");
  for (std::size_t k = 0; k < choices.size(); ++k) {
    const DiscardChoice& choice = choices[k];
    out << Format("%3zu  %-14s %7.2f %7.2f %7.2f %+8.4f\n", k + 1,
                  Discarded(hand, choice.discards).c_str(), 100.0 * choice.win, 100.0 * choice.push,
                  100.0 * choice.lose, choice.expectedReturn);
  }
  out << "\nBest: " << DescribeChoice(hand, choices.front()) << '\n'
      << Format(
             "Return is per unit bet (win less lose). Weighed in %.3f s (%.3f s of processor "
             "time).\n",
             elapsedSeconds, processorSeconds);
}

}  // namespace velmora::sim

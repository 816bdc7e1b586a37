// advice_crosscheck "2C 7S AH 9H AC" [deals]: the advisor's figures for
// every draw of a hand beside those of long runs of whole deals laid out and
// played as the table does (ReferencePlay), with the gap in standard errors.
// A tool for checking by hand, too slow for a test.
#include "advice/DiscardAdvice.h"
#include "cards/CardCodes.h"
#include "tests/advice/ReferencePlay.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace velmora;

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: advice_crosscheck \"2C 7S AH 9H AC\" [deals per draw]\n");
    return 2;
  }
  const ParsedHand parsed = ParseHand(argv[1]);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "advice_crosscheck: %s\n", parsed.error.c_str());
    return 2;
  }
  const Hand hand = parsed.hand;
  const std::int64_t deals = argc > 2 ? std::atoll(argv[2]) : 1000000;

  const auto started = std::chrono::steady_clock::now();
  const std::vector<DiscardChoice> choices = AdviseDiscards(hand);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("%s: advisor %.3f s; table deals %lld per draw\n", argv[1], seconds,
              static_cast<long long>(deals));
  std::printf("%-8s %8s %8s %8s   %8s %8s %8s   %6s %6s\n", "discard", "win", "push", "lose",
              "t.win", "t.push", "t.lose", "z win", "z lose");
  double largest = 0;
  int beyondTwo = 0;
  int compared = 0;
  for (std::size_t k = 0; k < choices.size(); ++k) {
    const DiscardChoice& choice = choices[k];
    const reference::Outcomes table =
        reference::PlayAtTheTable(hand, choice.discards, deals, 1000 + k);
    const double n = static_cast<double>(table.deals());
    const double win = static_cast<double>(table.wins) / n;
    const double push = static_cast<double>(table.pushes) / n;
    const double lose = static_cast<double>(table.losses) / n;
    const auto z = [&](double advised, double played) {
      const double error =
          std::sqrt(played * (1 - played) / DefaultAdviceSamples + played * (1 - played) / n);
      return error > 0 ? (advised - played) / error : 0.0;
    };
    const double zWin = z(choice.win, win);
    const double zLose = z(choice.lose, lose);
    for (const double value : {zWin, zLose}) {
      largest = std::max(largest, std::abs(value));
      beyondTwo += std::abs(value) > 2 ? 1 : 0;
      ++compared;
    }
    std::string marks;
    for (const std::int32_t mark : choice.discards) {
      marks += mark == 1 ? 'x' : '.';
    }
    std::printf("%-8s %8.4f %8.4f %8.4f   %8.4f %8.4f %8.4f   %+6.2f %+6.2f\n", marks.c_str(),
                choice.win, choice.push, choice.lose, win, push, lose, zWin, zLose);
  }
  std::printf("largest |z| %.2f; %d of %d beyond 2\n", largest, beyondTwo, compared);
  return 0;
}

// Sampling every allowed draw against the house's rule.
//
// After the player's five, the other 47 cards lie in a uniformly random
// order. One sample is one such order, dealt as the table deals it (see
// SamplePlay); every draw is played on the same orders (common random
// numbers), which makes the differences between draws far sharper than the
// chances themselves.
#include "advice/DiscardAdvice.h"

#include "advice/SamplePlay.h"
#include "cards/CardNames.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <utility>

namespace velmora {

namespace {

constexpr int kUnseen = 47;
// The house's five, up to four for the player and up to four for the house.
constexpr int kCardsUsed = 13;

// SplitMix64: small, fast and good enough to order 13 cards. Each sample
// seeds its own, so the samples do not depend on how they are shared out.
class SplitMix64 {
 public:
  explicit SplitMix64(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    state_ += 0x9E3779B97F4A7C15u;
    return Mix(state_);
  }
  static std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }

 private:
  std::uint64_t state_;
};

// Uniform in [0, bound) without the bias of a plain modulo.
std::uint32_t Below(SplitMix64& random, std::uint32_t bound) {
  const std::uint32_t threshold = (0u - bound) % bound;
  for (;;) {
    const std::uint64_t product = (random.next() >> 32) * bound;
    if (static_cast<std::uint32_t>(product) >= threshold) {
      return static_cast<std::uint32_t>(product >> 32);
    }
  }
}

struct Tally {
  std::vector<std::int64_t> wins;
  std::vector<std::int64_t> pushes;
};

// Where the advisor takes cards from outside: the rules take only five
// different cards.
void CheckCards(const Hand& hand) {
  for (std::size_t p = 0; p < hand.size(); ++p) {
    if (hand[p] < 1 || hand[p] > 52) {
      throw std::invalid_argument("not a card: " + std::to_string(hand[p]));
    }
    if (std::find(hand.begin(), hand.begin() + static_cast<std::ptrdiff_t>(p), hand[p]) !=
        hand.begin() + static_cast<std::ptrdiff_t>(p)) {
      throw std::invalid_argument(CardName(hand[p]) + " is in the hand twice");
    }
  }
}

// From the cards alone, not their order.
std::uint64_t SeedOf(const Hand& hand) {
  Hand sorted = hand;
  std::sort(sorted.begin(), sorted.end());
  std::uint64_t seed = 0x76656C6D6F7261u;  // "velmora"
  for (const Card card : sorted) {
    seed = SplitMix64::Mix(seed ^ static_cast<std::uint64_t>(card));
  }
  return seed;
}

void PlaySamples(const SamplePlay& play, const UnseenOrder& unseen, std::uint64_t seed, int first,
                 int last, Tally& tally) {
  std::vector<RankOrder> outcomes;
  for (int sample = first; sample < last; ++sample) {
    SplitMix64 random(SplitMix64::Mix(seed + static_cast<std::uint64_t>(sample)));
    // Only the first cards of the order are ever dealt, so only they are
    // shuffled.
    UnseenOrder order = unseen;
    for (int i = 0; i < kCardsUsed; ++i) {
      const auto pick = static_cast<int>(Below(random, static_cast<std::uint32_t>(kUnseen - i)));
      std::swap(order[i], order[i + pick]);
    }
    play.Play(order, outcomes);
    for (std::size_t d = 0; d < outcomes.size(); ++d) {
      tally.wins[d] += outcomes[d] == RankOrder::FirstBetter ? 1 : 0;
      tally.pushes[d] += outcomes[d] == RankOrder::Equal ? 1 : 0;
    }
  }
}

}  // namespace

std::vector<DiscardChoice> AdviseDiscards(const Hand& hand, const AdviceOptions& options) {
  CheckCards(hand);
  const int samples = options.samples > 0 ? options.samples : DefaultAdviceSamples;
  const SamplePlay play(hand);
  const std::vector<DiscardFlags> draws = play.Draws();

  UnseenOrder unseen{};
  for (Card card = 1, k = 0; card <= 52; ++card) {
    if (std::find(hand.begin(), hand.end(), card) == hand.end()) {
      unseen[k++] = card;
    }
  }
  const std::uint64_t seed = SeedOf(hand);

  // Each share of the samples has its own tally; they are added up in a
  // fixed order, so the answer is the same for any number of threads.
  constexpr int kMostThreads = 64;
  const int shares = std::clamp(options.threads, 1, std::min(samples, kMostThreads));
  std::vector<Tally> tallies(
      static_cast<std::size_t>(shares),
      Tally{std::vector<std::int64_t>(draws.size()), std::vector<std::int64_t>(draws.size())});
  const auto bounds = [&](int share) {
    return static_cast<int>(static_cast<std::int64_t>(samples) * share / shares);
  };
  std::vector<std::thread> helpers;
  int played = 1;
  for (int share = 1; share < shares; ++share) {
    try {
      helpers.emplace_back(PlaySamples, std::cref(play), std::cref(unseen), seed, bounds(share),
                           bounds(share + 1), std::ref(tallies[static_cast<std::size_t>(share)]));
      ++played;
    } catch (const std::system_error&) {
      break;  // no thread to be had: this one plays the rest
    }
  }
  PlaySamples(play, unseen, seed, 0, bounds(1), tallies[0]);
  for (std::thread& helper : helpers) {
    helper.join();
  }
  if (played < shares) {
    PlaySamples(play, unseen, seed, bounds(played), samples,
                tallies[static_cast<std::size_t>(played)]);
  }

  struct Counted {
    DiscardChoice choice;
    std::int64_t net = 0;  // wins less losses
    int drawn = 0;
  };
  std::vector<Counted> counted;
  counted.reserve(draws.size());
  const auto n = static_cast<double>(samples);
  for (std::size_t c = 0; c < draws.size(); ++c) {
    std::int64_t wins = 0;
    std::int64_t pushes = 0;
    for (const Tally& tally : tallies) {
      wins += tally.wins[c];
      pushes += tally.pushes[c];
    }
    const std::int64_t losses = samples - wins - pushes;
    Counted entry;
    entry.choice.discards = draws[c];
    entry.choice.win = static_cast<double>(wins) / n;
    entry.choice.push = static_cast<double>(pushes) / n;
    entry.choice.lose = static_cast<double>(losses) / n;
    entry.choice.expectedReturn = static_cast<double>(wins - losses) / n;
    entry.net = wins - losses;
    entry.drawn = static_cast<int>(std::count(draws[c].begin(), draws[c].end(), 1));
    counted.push_back(entry);
  }
  // Compared as counts, so equal returns are equal exactly. For one number
  // of cards, flags compared as a list put the leftmost discards first.
  std::sort(counted.begin(), counted.end(), [](const Counted& a, const Counted& b) {
    if (a.net != b.net) {
      return a.net > b.net;
    }
    if (a.drawn != b.drawn) {
      return a.drawn < b.drawn;
    }
    return a.choice.discards > b.choice.discards;
  });

  std::vector<DiscardChoice> choices;
  choices.reserve(counted.size());
  for (const Counted& entry : counted) {
    choices.push_back(entry.choice);
  }
  return choices;
}

namespace {

std::string Percent(double chance) {
  char buffer[16];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, 100.0 * chance, std::chars_format::fixed, 1);
  // A chance is 0..1, which always fits; locale never enters to_chars.
  return error == std::errc{} ? std::string(buffer, end) : std::string("?");
}

}  // namespace

std::string DescribeChoice(const Hand& hand, const DiscardChoice& choice) {
  std::string text;
  for (int p = 0; p < 5; ++p) {
    if (choice.discards[p] == 1) {
      text += text.empty() ? "Discard " : ", ";
      text += CardName(hand[p]);
    }
  }
  if (text.empty()) {
    text = "Stand pat";
  }
  text += " \u2014 wins " + Percent(choice.win) + " %, pushes " + Percent(choice.push) +
          " %, loses " + Percent(choice.lose) + " %";
  return text;
}

}  // namespace velmora

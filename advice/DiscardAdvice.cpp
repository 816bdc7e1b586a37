// Sampling every allowed draw against the house's rule.
//
// After the player's five, the other 47 cards lie in a uniformly random
// order. The table deals the house's five from them, then the player's
// replacements, then the house's. One sample is one such order, played by
// the game's own ranking and house rule; every choice is played on the same
// orders (common random numbers), which makes the differences between
// choices far sharper than the chances themselves.
//
// A sample ranks some thirty hands, so the work they share is done once:
// the house decides what to keep once per sample, and each choice adds up
// the rank keys of the cards it keeps once per hint; a sample then only
// adds the keys of the cards drawn and looks the sum up.
#include "advice/DiscardAdvice.h"

#include "cards/CardNames.h"
#include "cards/Discards.h"
#include "cards/HandValue.h"
#include "hand/DrawRules.h"

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

// The cards a hand keeps through a draw, first in a hand whose last places
// the replacements take, with what they add to the ranking of any such hand.
struct KeptCards {
  Hand cards{};
  int count = 0;
  std::uint32_t ranks = 0;  // their rank keys, added up
  unsigned suits = 0xFu;    // their suit bits, ANDed
};

KeptCards Keep(const Hand& hand, const DiscardFlags& discards) {
  KeptCards kept;
  for (int p = 0; p < 5; ++p) {
    if (discards[p] == 0) {
      kept.cards[kept.count++] = hand[p];
      kept.ranks += RankKeyOfCard[hand[p]];
      kept.suits &= SuitBitOfCard[hand[p]];
    }
  }
  return kept;
}

// The kept cards and the replacements that follow, ranked. A hand of one
// suit is ranked whole; any other by its ranks alone.
HandValue ValueAfterDraw(const KeptCards& kept, const Card* replacements) {
  const int drawn = 5 - kept.count;
  std::uint32_t ranks = kept.ranks;
  unsigned suits = kept.suits;
  for (int i = 0; i < drawn; ++i) {
    ranks += RankKeyOfCard[replacements[i]];
    suits &= SuitBitOfCard[replacements[i]];
  }
  if (suits == 0) {
    return ValueOfRanks(ranks);
  }
  Hand hand = kept.cards;
  std::copy(replacements, replacements + drawn, hand.begin() + kept.count);
  return PackHandValue(EvaluateHand(hand));
}

// A draw the player may make.
struct Candidate {
  DiscardFlags discards{};
  int drawn = 0;
  KeptCards kept;
};

struct Tally {
  std::vector<std::int64_t> wins;
  std::vector<std::int64_t> pushes;
};

void CheckCards(const Hand& hand) {
  for (int p = 0; p < 5; ++p) {
    if (hand[p] < 1 || hand[p] > 52) {
      throw std::invalid_argument("not a card: " + std::to_string(hand[p]));
    }
    for (int q = 0; q < p; ++q) {
      if (hand[q] == hand[p]) {
        throw std::invalid_argument(CardName(hand[p]) + " is in the hand twice");
      }
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

std::vector<Candidate> AllowedDraws(const Hand& hand) {
  std::vector<Candidate> candidates;
  for (unsigned mask = 0; mask < 32; ++mask) {
    Candidate candidate;
    for (int p = 0; p < 5; ++p) {
      candidate.discards[p] = static_cast<std::int32_t>((mask >> p) & 1u);
    }
    candidate.kept = Keep(hand, candidate.discards);
    candidate.drawn = 5 - candidate.kept.count;
    if (CheckDraw(hand, candidate.discards) == DrawVerdict::Allowed) {
      candidates.push_back(candidate);
    }
  }
  return candidates;
}

// The house's final hand for every number of cards the player may take
// before it: its replacements come after the player's. The house decides
// what to keep from its five alone, by its rule, so that is done once.
std::array<HandValue, 5> HouseValues(const std::array<Card, kUnseen>& order,
                                     const std::array<bool, 5>& drawSizes) {
  const Hand dealt{order[0], order[1], order[2], order[3], order[4]};
  const HandRank dealtRank = EvaluateHand(dealt);
  std::array<HandValue, 5> house{};
  const HeldRanks held = ChooseHeldRanks(dealtRank);
  if (held[0] == -1) {
    // Standing pat, the house ends the same whatever the player took.
    house.fill(PackHandValue(dealtRank));
    return house;
  }
  const KeptCards kept = Keep(dealt, HouseDiscards(dealt, held));
  for (int drawn = 0; drawn < 5; ++drawn) {
    if (drawSizes[drawn]) {
      house[drawn] = ValueAfterDraw(kept, &order[5 + drawn]);
    }
  }
  return house;
}

void PlaySamples(const Hand& hand, const std::array<Card, kUnseen>& unseen, std::uint64_t seed,
                 const std::vector<Candidate>& candidates, int first, int last, Tally& tally) {
  const HandValue dealtValue = PackHandValue(EvaluateHand(hand));
  std::array<bool, 5> drawSizes{};
  for (const Candidate& candidate : candidates) {
    drawSizes[candidate.drawn] = true;
  }

  for (int sample = first; sample < last; ++sample) {
    SplitMix64 random(SplitMix64::Mix(seed + static_cast<std::uint64_t>(sample)));
    // The house's five come first, then the player's replacements, then the
    // house's: as the table deals them after the player's own five.
    std::array<Card, kUnseen> order = unseen;
    for (int i = 0; i < kCardsUsed; ++i) {
      const auto pick = static_cast<int>(Below(random, static_cast<std::uint32_t>(kUnseen - i)));
      std::swap(order[i], order[i + pick]);
    }
    const std::array<HandValue, 5> house = HouseValues(order, drawSizes);

    for (std::size_t c = 0; c < candidates.size(); ++c) {
      const Candidate& candidate = candidates[c];
      const HandValue value =
          candidate.drawn == 0 ? dealtValue : ValueAfterDraw(candidate.kept, &order[5]);
      tally.wins[c] += value > house[candidate.drawn] ? 1 : 0;
      tally.pushes[c] += value == house[candidate.drawn] ? 1 : 0;
    }
  }
}

}  // namespace

std::vector<DiscardChoice> AdviseDiscards(const Hand& hand, const AdviceOptions& options) {
  CheckCards(hand);
  const int samples = options.samples > 0 ? options.samples : DefaultAdviceSamples;
  const std::vector<Candidate> candidates = AllowedDraws(hand);

  std::array<Card, kUnseen> unseen{};
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
  std::vector<Tally> tallies(static_cast<std::size_t>(shares),
                             Tally{std::vector<std::int64_t>(candidates.size()),
                                   std::vector<std::int64_t>(candidates.size())});
  const auto bounds = [&](int share) {
    return static_cast<int>(static_cast<std::int64_t>(samples) * share / shares);
  };
  std::vector<std::thread> helpers;
  int played = 1;
  for (int share = 1; share < shares; ++share) {
    try {
      helpers.emplace_back(PlaySamples, std::cref(hand), std::cref(unseen), seed,
                           std::cref(candidates), bounds(share), bounds(share + 1),
                           std::ref(tallies[static_cast<std::size_t>(share)]));
      ++played;
    } catch (const std::system_error&) {
      break;  // no thread to be had: this one plays the rest
    }
  }
  PlaySamples(hand, unseen, seed, candidates, 0, bounds(1), tallies[0]);
  for (std::thread& helper : helpers) {
    helper.join();
  }
  if (played < shares) {
    PlaySamples(hand, unseen, seed, candidates, bounds(played), samples,
                tallies[static_cast<std::size_t>(played)]);
  }

  struct Counted {
    DiscardChoice choice;
    std::int64_t net = 0;  // wins less losses
    int drawn = 0;
  };
  std::vector<Counted> counted;
  counted.reserve(candidates.size());
  const auto n = static_cast<double>(samples);
  for (std::size_t c = 0; c < candidates.size(); ++c) {
    std::int64_t wins = 0;
    std::int64_t pushes = 0;
    for (const Tally& tally : tallies) {
      wins += tally.wins[c];
      pushes += tally.pushes[c];
    }
    const std::int64_t losses = samples - wins - pushes;
    Counted entry;
    entry.choice.discards = candidates[c].discards;
    entry.choice.win = static_cast<double>(wins) / n;
    entry.choice.push = static_cast<double>(pushes) / n;
    entry.choice.lose = static_cast<double>(losses) / n;
    entry.choice.expectedReturn = static_cast<double>(wins - losses) / n;
    entry.net = wins - losses;
    entry.drawn = candidates[c].drawn;
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

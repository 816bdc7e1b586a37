// The simulator's command line.
#pragma once

#include "cards/Cards.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velmora::sim {

// How the player's seat draws.
enum class PlayerStrategy {
  House,  // keeps what the house would keep (without showing an ace)
  Pat,    // never draws
  Best,   // throws away what the discard advisor finds best
};

std::string_view StrategyName(PlayerStrategy strategy);

struct SimOptions {
  std::int64_t hands = 100000;
  std::int64_t startTime = 0;
  PlayerStrategy player = PlayerStrategy::House;
  bool json = false;
  // Deals per choice for the discard advisor; 0 = the advisor's own default.
  int samples = 0;
  // Set by --advise: weigh every draw of this hand instead of playing hands.
  std::optional<Hand> advise;
};

struct ParsedArguments {
  enum class Outcome { Run, Help, Error };
  Outcome outcome = Outcome::Run;
  SimOptions options;
  std::string error;  // one line, set for Outcome::Error
};

// `arguments` excludes the program name. `now` is the start time used when
// --start-time is not given.
ParsedArguments ParseArguments(std::span<const std::string_view> arguments, std::int64_t now);

std::string Usage();

}  // namespace velmora::sim

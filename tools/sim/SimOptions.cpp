#include "tools/sim/SimOptions.h"

#include "cards/CardCodes.h"

#include <charconv>
#include <limits>
#include <optional>

namespace velmora::sim {

namespace {

std::optional<std::int64_t> ParseInteger(std::string_view text) {
  std::int64_t value = 0;
  const char* const end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end) {
    return std::nullopt;
  }
  return value;
}

ParsedArguments Failure(std::string message) {
  ParsedArguments parsed;
  parsed.outcome = ParsedArguments::Outcome::Error;
  parsed.error = std::move(message);
  return parsed;
}

}  // namespace

std::string_view StrategyName(PlayerStrategy strategy) {
  switch (strategy) {
    case PlayerStrategy::House:
      return "house";
    case PlayerStrategy::Pat:
      return "pat";
    case PlayerStrategy::Best:
      break;
  }
  return "best";
}

std::string Usage() {
  return "usage: velmora-sim [--hands N] [--start-time T] [--player house|pat|best]\n"
         "                   [--samples S] [--json]\n"
         "       velmora-sim --advise \"2C 7S AH 9H AC\" [--samples S] [--json]\n"
         "\n"
         "Plays N hands of five-card draw between a player and the house, dealing\n"
         "hand k (counting from 0) at calendar second T + k from the deck the\n"
         "previous hand left, exactly as the table does. With --advise, instead\n"
         "weighs every draw the game allows for one hand against the house's rule.\n"
         "\n"
         "  --hands N        hands to play, at least 1 (default 100000)\n"
         "  --start-time T   calendar second of the first deal (default: now)\n"
         "  --player house   the player keeps what the house would keep (default)\n"
         "  --player pat     the player never draws\n"
         "  --player best    the player draws as the discard advisor finds best\n"
         "  --advise HAND    five cards, each a rank 2-9, T, J, Q, K or A and a suit\n"
         "                   C, D, H or S; prints every allowed draw, best first\n"
         "  --samples S      deals of the unseen cards the advisor plays per draw,\n"
         "                   1 to 10000000 (default 50000: a standard error of at\n"
         "                   most 0.25 points per chance; fewer play worse)\n"
         "  --json           print one JSON object instead of the table\n"
         "  --help           print this text\n";
}

ParsedArguments ParseArguments(std::span<const std::string_view> arguments, std::int64_t now) {
  // Up to ten million deals per draw: a few minutes for one hand.
  constexpr std::int64_t kMostSamples = 10'000'000;
  ParsedArguments parsed;
  parsed.options.startTime = now;
  bool playing = false;  // an option that only a run of hands uses
  for (std::size_t k = 0; k < arguments.size(); ++k) {
    std::string_view name = arguments[k];
    std::optional<std::string_view> value;
    if (const auto equals = name.find('='); name.starts_with("--") && equals != name.npos) {
      value = name.substr(equals + 1);
      name = name.substr(0, equals);
    }

    if (name == "--help" || name == "-h") {
      parsed.outcome = ParsedArguments::Outcome::Help;
      return parsed;
    }
    if (name == "--json") {
      if (value) {
        return Failure("--json takes no value");
      }
      parsed.options.json = true;
      continue;
    }
    if (name != "--hands" && name != "--start-time" && name != "--player" && name != "--advise" &&
        name != "--samples") {
      return Failure(name.starts_with("-") ? "unknown option " + std::string(name)
                                           : "unexpected argument " + std::string(name));
    }
    if (!value) {
      if (k + 1 == arguments.size()) {
        return Failure(std::string(name) + " needs a value");
      }
      value = arguments[++k];
    }

    if (name == "--player") {
      if (*value == "house") {
        parsed.options.player = PlayerStrategy::House;
      } else if (*value == "pat") {
        parsed.options.player = PlayerStrategy::Pat;
      } else if (*value == "best") {
        parsed.options.player = PlayerStrategy::Best;
      } else {
        return Failure("unknown player strategy '" + std::string(*value) +
                       "' (use house, pat or best)");
      }
      playing = true;
      continue;
    }
    if (name == "--advise") {
      const ParsedHand hand = ParseHand(*value);
      if (!hand.error.empty()) {
        return Failure("--advise: " + hand.error);
      }
      parsed.options.advise = hand.hand;
      continue;
    }
    const std::optional<std::int64_t> number = ParseInteger(*value);
    if (!number) {
      return Failure(std::string(name) + " needs a whole number, not '" + std::string(*value) +
                     "'");
    }
    if (name == "--samples") {
      if (*number < 1 || *number > kMostSamples) {
        return Failure("--samples must be 1 to " + std::to_string(kMostSamples));
      }
      parsed.options.samples = static_cast<int>(*number);
    } else if (name == "--hands") {
      if (*number < 1) {
        return Failure("--hands must be at least 1");
      }
      parsed.options.hands = *number;
      playing = true;
    } else {
      parsed.options.startTime = *number;
      playing = true;
    }
  }

  if (parsed.options.advise) {
    if (playing) {
      return Failure(
          "--advise weighs one hand and plays none: drop --hands, --start-time and "
          "--player");
    }
    return parsed;
  }
  if (parsed.options.samples != 0 && parsed.options.player != PlayerStrategy::Best) {
    return Failure("--samples is for --advise and --player best");
  }

  // The last hand is dealt at second T + N - 1, which must still be a number.
  if (parsed.options.startTime >
      std::numeric_limits<std::int64_t>::max() - (parsed.options.hands - 1)) {
    return Failure("--start-time plus --hands goes past the last representable second");
  }
  return parsed;
}

}  // namespace velmora::sim

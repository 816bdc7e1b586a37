#include "SimOptions.h"

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
  return strategy == PlayerStrategy::House ? "house" : "pat";
}

std::string Usage() {
  return "usage: velmora-sim [--hands N] [--start-time T] [--player house|pat] [--json]\n"
         "\n"
         "Plays N hands of five-card draw between a player and the house, dealing\n"
         "hand k (counting from 0) at calendar second T + k from the deck the\n"
         "previous hand left, exactly as the table does.\n"
         "\n"
         "  --hands N        hands to play, at least 1 (default 100000)\n"
         "  --start-time T   calendar second of the first deal (default: now)\n"
         "  --player house   the player keeps what the house would keep (default)\n"
         "  --player pat     the player never draws\n"
         "  --json           print one JSON object instead of the table\n"
         "  --help           print this text\n";
}

ParsedArguments ParseArguments(std::span<const std::string_view> arguments, std::int64_t now) {
  ParsedArguments parsed;
  parsed.options.startTime = now;
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
    if (name != "--hands" && name != "--start-time" && name != "--player") {
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
      } else {
        return Failure("unknown player strategy '" + std::string(*value) + "' (use house or pat)");
      }
      continue;
    }
    const std::optional<std::int64_t> number = ParseInteger(*value);
    if (!number) {
      return Failure(std::string(name) + " needs a whole number, not '" + std::string(*value) +
                     "'");
    }
    if (name == "--hands") {
      if (*number < 1) {
        return Failure("--hands must be at least 1");
      }
      parsed.options.hands = *number;
    } else {
      parsed.options.startTime = *number;
    }
  }

  // The last hand is dealt at second T + N - 1, which must still be a number.
  if (parsed.options.startTime >
      std::numeric_limits<std::int64_t>::max() - (parsed.options.hands - 1)) {
    return Failure("--start-time plus --hands goes past the last representable second");
  }
  return parsed;
}

}  // namespace velmora::sim

#include "tools/sim/Report.h"

#include "advice/DiscardAdvice.h"
#include "tools/sim/PrintfText.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace velmora::sim {

namespace {

double Percent(std::int64_t part, std::int64_t whole) {
  return whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}

template <std::size_t N>
void WriteJsonArray(std::ostream& out, const std::array<std::int64_t, N>& values) {
  out << '[';
  for (std::size_t k = 0; k < N; ++k) {
    out << (k == 0 ? "" : ",") << values[k];
  }
  out << ']';
}

}  // namespace

std::pair<double, double> WilsonInterval95(std::int64_t successes, std::int64_t trials) {
  if (trials <= 0) {
    return {0.0, 0.0};
  }
  constexpr double z = 1.959963984540054;
  const double n = static_cast<double>(trials);
  const double p = static_cast<double>(successes) / n;
  const double denominator = 1.0 + z * z / n;
  const double centre = (p + z * z / (2.0 * n)) / denominator;
  const double half = z * std::sqrt(p * (1.0 - p) / n + z * z / (4.0 * n * n)) / denominator;
  return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

HouseEdge HouseEdge95(const SimResults& results) {
  if (results.hands <= 0) {
    return {};
  }
  // Each hand moves +1 (house wins), 0 or -1 bet; the normal interval of
  // their mean is sound at the hundreds of thousands of hands this is for.
  constexpr double z = 1.959963984540054;
  const double n = static_cast<double>(results.hands);
  const double edge = static_cast<double>(results.dealerWins - results.playerWins) / n;
  const double decided = static_cast<double>(results.dealerWins + results.playerWins) / n;
  const double half = z * std::sqrt(std::max(decided - edge * edge, 0.0) / n);
  return {edge, edge - half, edge + half};
}

double HandsPerSecond(const SimResults& results) {
  return static_cast<double>(results.hands) / std::max(results.processorSeconds, 1e-9);
}

void WriteTable(std::ostream& out, const SimOptions& options, const SimResults& results) {
  const std::int64_t n = results.hands;
  std::string player = "stands pat";
  if (options.player == PlayerStrategy::House) {
    player = "draws by the house's rule";
  } else if (options.player == PlayerStrategy::Best) {
    player = Format("draws as the discard advisor finds best (%d deals per draw)",
                    options.samples > 0 ? options.samples : DefaultAdviceSamples);
  }
  out << Format("%lld %s from calendar second %lld; the player %s.\n\n", static_cast<long long>(n),
                n == 1 ? "hand" : "hands", static_cast<long long>(options.startTime),
                player.c_str());
  out << Format("%-16s %12s %9s\n", "Outcome", "hands", "share");
  const auto outcome = [&](const char* label, std::int64_t count) {
    out << Format("%-16s %12lld %8.2f%%\n", label, static_cast<long long>(count),
                  Percent(count, n));
  };
  outcome("Player wins", results.playerWins);
  outcome("Dealer wins", results.dealerWins);
  outcome("Pushes", results.pushes);
  const auto [low, high] = WilsonInterval95(results.playerWins, n);
  out << Format("Player win rate, 95%% confidence interval: %.2f%% .. %.2f%%\n", 100.0 * low,
                100.0 * high);
  const HouseEdge edge = HouseEdge95(results);
  out << Format(
      "House's edge: %.2f%% of the bet per hand, 95%% confidence interval: %.2f%% .. "
      "%.2f%%\n\n",
      100.0 * edge.edge, 100.0 * edge.low, 100.0 * edge.high);

  out << Format("%-16s %21s %21s\n", "Final hand", "player", "dealer");
  for (int category = 0; category < 10; ++category) {
    // The table shows no name for a high-card hand; here it needs one.
    const std::string name =
        category == HighCard ? "High Card" : std::string(HandCategoryNames[category]);
    out << Format("%-16s %12lld %7.2f%% %12lld %7.2f%%\n", name.c_str(),
                  static_cast<long long>(results.playerCategories[category]),
                  Percent(results.playerCategories[category], n),
                  static_cast<long long>(results.dealerCategories[category]),
                  Percent(results.dealerCategories[category], n));
  }
  out << '\n';

  out << Format("%-16s %21s %21s\n", "Cards drawn", "player", "dealer");
  for (int drawn = 0; drawn < 5; ++drawn) {
    out << Format(
        "%-16d %12lld %7.2f%% %12lld %7.2f%%\n", drawn,
        static_cast<long long>(results.playerDraws[drawn]), Percent(results.playerDraws[drawn], n),
        static_cast<long long>(results.dealerDraws[drawn]), Percent(results.dealerDraws[drawn], n));
  }
  out << Format("\n%.0f hands per second of processor time (%.3f s; %.3f s elapsed)\n",
                HandsPerSecond(results), results.processorSeconds, results.elapsedSeconds);
}

void WriteJson(std::ostream& out, const SimOptions& options, const SimResults& results) {
  const auto [low, high] = WilsonInterval95(results.playerWins, results.hands);
  out << "{\"hands\":" << results.hands << ",\"start_time\":" << options.startTime
      << ",\"player\":\"" << StrategyName(options.player) << "\"";
  if (options.player == PlayerStrategy::Best) {
    out << ",\"advice_samples\":" << (options.samples > 0 ? options.samples : DefaultAdviceSamples);
  }
  out << ",\"player_wins\":" << results.playerWins << ",\"dealer_wins\":" << results.dealerWins
      << ",\"pushes\":" << results.pushes << ",\"player_categories\":";
  WriteJsonArray(out, results.playerCategories);
  out << ",\"dealer_categories\":";
  WriteJsonArray(out, results.dealerCategories);
  out << ",\"player_draws\":";
  WriteJsonArray(out, results.playerDraws);
  out << ",\"dealer_draws\":";
  WriteJsonArray(out, results.dealerDraws);
  const HouseEdge edge = HouseEdge95(results);
  out << Format(",\"player_win_rate_ci95\":[%.6f,%.6f]", low, high)
      << Format(",\"house_edge\":%.6f,\"house_edge_ci95\":[%.6f,%.6f]", edge.edge, edge.low,
                edge.high)
      << Format(",\"processor_seconds\":%.6f,\"elapsed_seconds\":%.6f", results.processorSeconds,
                results.elapsedSeconds)
      << Format(",\"hands_per_second\":%.1f}\n", HandsPerSecond(results));
}

}  // namespace velmora::sim

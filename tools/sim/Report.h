// The simulator's two ways of reporting: a table for people, JSON for tools.
#pragma once

#include "tools/sim/SimOptions.h"
#include "tools/sim/Simulation.h"

#include <ostream>
#include <utility>

namespace velmora::sim {

// The 95% Wilson score interval of a proportion; (0, 0) for no trials.
std::pair<double, double> WilsonInterval95(std::int64_t successes, std::int64_t trials);

// What the house wins per hand, as a share of the bet (losses less wins over
// hands), and its 95% confidence interval; all 0 for no hands.
struct HouseEdge {
  double edge = 0;
  double low = 0;
  double high = 0;
};
HouseEdge HouseEdge95(const SimResults& results);

// Hands per second of processor time, never infinite however short the run.
double HandsPerSecond(const SimResults& results);

void WriteTable(std::ostream& out, const SimOptions& options, const SimResults& results);
void WriteJson(std::ostream& out, const SimOptions& options, const SimResults& results);

}  // namespace velmora::sim

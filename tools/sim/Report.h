// The simulator's two ways of reporting: a table for people, JSON for tools.
#pragma once

#include "SimOptions.h"
#include "Simulation.h"

#include <ostream>
#include <utility>

namespace velmora::sim {

// The 95% Wilson score interval of a proportion; (0, 0) for no trials.
std::pair<double, double> WilsonInterval95(std::int64_t successes, std::int64_t trials);

// Hands per second of processor time, never infinite however short the run.
double HandsPerSecond(const SimResults& results);

void WriteTable(std::ostream& out, const SimOptions& options, const SimResults& results);
void WriteJson(std::ostream& out, const SimOptions& options, const SimResults& results);

}  // namespace velmora::sim

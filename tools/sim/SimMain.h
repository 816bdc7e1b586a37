// The whole program behind main(), with its streams and clock passed in.
#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string_view>

namespace velmora::sim {

// Returns the exit status: 0 after a run or --help, 2 for bad arguments
// (a one-line error and the usage on `err`, nothing simulated).
int RunSimulator(std::span<const std::string_view> arguments, std::int64_t now, std::ostream& out,
                 std::ostream& err);

}  // namespace velmora::sim

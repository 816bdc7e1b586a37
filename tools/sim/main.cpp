// velmora-sim: plays many hands against the house's rule and reports how
// they went. See --help.
#include "tools/sim/SimMain.h"

#include <ctime>
#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  return velmora::sim::RunSimulator(arguments, static_cast<std::int64_t>(std::time(nullptr)),
                                    std::cout, std::cerr);
}

#include "tools/stats/StatsTool.h"

#include <iostream>

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return velmora::statstool::Run(arguments, std::cout, std::cerr);
}

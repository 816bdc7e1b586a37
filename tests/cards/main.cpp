#include "Suites.h"

#include <initializer_list>

int main(int argc, char** argv) {
  int failures = 0;
  for (const auto run : {RunDeckTests, RunEvaluateTests, RunDealerStrategyTests}) {
    failures += run(argc, argv) != 0 ? 1 : 0;
  }
  return failures;
}

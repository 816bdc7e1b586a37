#include "tools/sim/SimMain.h"

#include "tools/sim/Advise.h"
#include "tools/sim/Report.h"
#include "tools/sim/SimOptions.h"
#include "tools/sim/Simulation.h"

namespace velmora::sim {

int RunSimulator(std::span<const std::string_view> arguments, std::int64_t now, std::ostream& out,
                 std::ostream& err) {
  const ParsedArguments parsed = ParseArguments(arguments, now);
  switch (parsed.outcome) {
    case ParsedArguments::Outcome::Help:
      out << Usage();
      return 0;
    case ParsedArguments::Outcome::Error:
      err << "velmora-sim: " << parsed.error << '\n' << Usage();
      return 2;
    case ParsedArguments::Outcome::Run:
      break;
  }
  if (parsed.options.advise) {
    WriteAdvice(out, *parsed.options.advise, parsed.options.samples, parsed.options.json);
    return 0;
  }
  const SimResults results = Simulate(parsed.options);
  if (parsed.options.json) {
    WriteJson(out, parsed.options, results);
  } else {
    WriteTable(out, parsed.options, results);
  }
  return 0;
}

}  // namespace velmora::sim

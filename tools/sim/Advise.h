// velmora-sim --advise: every draw the game allows for one hand, with its
// chances against the house's rule, best first.
#pragma once

#include "cards/Cards.h"

#include <ostream>

namespace velmora::sim {

// `samples` is the advisor's deals per draw; 0 means its default.
void WriteAdvice(std::ostream& out, const Hand& hand, int samples, bool json);

}  // namespace velmora::sim

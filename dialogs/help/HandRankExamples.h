// The ten examples of the help window's "Hand Rankings" page, best hand first.
#pragma once

#include "cards/Cards.h"

#include <array>
#include <string_view>

namespace velmora::help {

struct HandRankExample {
  HandCategory category;
  std::string_view name;         // over the description
  std::string_view caption;      // under the cards; '\n' breaks the line
  Hand cards;                    // left to right, each lying over the one before
  std::string_view description;  // how hands of this rank are ranked
};

// Index 0 is the royal flush, index 9 high card: the order of the links.
const std::array<HandRankExample, 10>& HandRankExamples();

}  // namespace velmora::help

// Hands written as the cards' short codes ("AH KD 7C 4S 2D"), for tests.
#pragma once

#include "cards/CardCodes.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace velmora::testing {

// A mistyped hand stops the test with the reason instead of dealing odd cards.
inline Hand HandOf(std::string_view codes) {
  const ParsedHand parsed = ParseHand(codes);
  if (!parsed.error.empty()) {
    throw std::invalid_argument("\"" + std::string(codes) + "\": " + parsed.error);
  }
  return parsed.hand;
}

}  // namespace velmora::testing

#include "hand/DrawRules.h"

#include <algorithm>

namespace velmora {

int CountMarked(const DiscardFlags& discards) {
  return static_cast<int>(
      std::count_if(discards.begin(), discards.end(), [](std::int32_t mark) { return mark != 0; }));
}

DrawVerdict CheckDraw(const Hand& hand, const DiscardFlags& discards) {
  const int marked = CountMarked(discards);
  if (marked == 5) {
    return DrawVerdict::FiveCards;
  }
  if (marked == 4) {
    const auto held = std::find(discards.begin(), discards.end(), 0) - discards.begin();
    if (!IsAce(hand[static_cast<std::size_t>(held)])) {
      return DrawVerdict::FourWithoutAce;
    }
  }
  return DrawVerdict::Allowed;
}

}  // namespace velmora

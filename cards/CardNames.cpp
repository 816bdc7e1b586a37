#include "cards/CardNames.h"

namespace velmora {

std::string CardName(Card card) {
  const std::string_view rank = RankNames.at(static_cast<std::size_t>(RankIndex(card)));
  const std::string_view suit = SuitNames.at(static_cast<std::size_t>(SuitNumber(card) - 1));
  std::string name(rank);
  name += " of ";
  name += suit;
  name += 's';
  return name;
}

}  // namespace velmora

#include "money/BetText.h"

#include "money/DecimalNumber.h"

namespace velmora {

std::optional<std::int32_t> ParseBet(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return ParseDecimal(first == std::string_view::npos ? std::string_view{} : text.substr(first));
}

}  // namespace velmora

// The text of the New Bet field as a number. Only plain decimal is accepted:
// leading blanks, an optional sign, digits, and a value in the signed 32-bit
// range. Anything else is not a bet.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora {

std::optional<std::int32_t> ParseBet(std::string_view text);

}  // namespace velmora

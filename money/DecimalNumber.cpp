#include "money/DecimalNumber.h"

#include <charconv>
#include <system_error>

namespace velmora {

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
  // from_chars takes a minus but not a plus; a plus must still be followed by a digit.
  if (text.starts_with('+')) {
    text.remove_prefix(1);
    if (text.starts_with('-')) {
      return std::nullopt;
    }
  }
  std::int32_t value = 0;
  const char* const end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc{} || stop != end) {
    return std::nullopt;
  }
  return value;
}

}  // namespace velmora

// printf-style formatting into a std::string, for the simulator's fixed-width
// tables and JSON figures (Debian 12's standard library has no std::format).
// The text is as long as it needs to be: nothing is cut off.
#pragma once

#include <cstdio>
#include <string>

namespace velmora::sim {

template <typename... Values>
std::string Format(const char* format, Values... values) {
  const int length = std::snprintf(nullptr, 0, format, values...);
  if (length <= 0) {
    return {};
  }
  std::string text(static_cast<std::size_t>(length), '\0');
  // The buffer has room for the terminating zero that snprintf writes last.
  std::snprintf(text.data(), text.size() + 1, format, values...);
  return text;
}

}  // namespace velmora::sim

// Names are UTF-8 text limited to a number of characters, not bytes: the
// welcome dialog, the statistics file writer and its reader count alike.
#pragma once

#include <cstddef>
#include <string_view>

namespace velmora {

// The number of Unicode code points in `utf8`. A byte that does not start a
// well-formed sequence counts as one character on its own, so text in a
// single-byte encoding counts one character per byte and nothing is skipped.
std::size_t CountCharacters(std::string_view utf8);

}  // namespace velmora

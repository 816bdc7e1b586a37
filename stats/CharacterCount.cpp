#include "stats/CharacterCount.h"

namespace velmora {

namespace {

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0u) == 0x80u;
}

// Length of the sequence a lead byte announces, or 1 for a byte that cannot
// lead one (a stray continuation byte, or 0xC0, 0xC1, 0xF5..0xFF).
std::size_t AnnouncedLength(unsigned char lead) {
  if (lead < 0x80u) {
    return 1;
  }
  if (lead >= 0xC2u && lead <= 0xDFu) {
    return 2;
  }
  if (lead >= 0xE0u && lead <= 0xEFu) {
    return 3;
  }
  if (lead >= 0xF0u && lead <= 0xF4u) {
    return 4;
  }
  return 1;
}

}  // namespace

std::size_t CountCharacters(std::string_view utf8) {
  std::size_t characters = 0;
  std::size_t i = 0;
  while (i < utf8.size()) {
    const std::size_t length = AnnouncedLength(static_cast<unsigned char>(utf8[i]));
    std::size_t taken = 1;
    if (length > 1 && i + length <= utf8.size()) {
      bool complete = true;
      for (std::size_t k = 1; k < length; ++k) {
        complete = complete && IsContinuation(static_cast<unsigned char>(utf8[i + k]));
      }
      if (complete) {
        taken = length;
      }
    }
    i += taken;
    ++characters;
  }
  return characters;
}

}  // namespace velmora

#include "tools/stats/TerminalText.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace velmora::statstool {

namespace {

void AppendEscaped(std::string& out, unsigned char byte) {
  constexpr std::array<char, 16> digits{'0', '1', '2', '3', '4', '5', '6', '7',
                                        '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
  out += "\\x";
  out += digits[byte >> 4];
  out += digits[byte & 0x0f];
}

bool IsContinuation(unsigned char byte) {
  return (byte & 0xc0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at the start of `text` and
// the code point it encodes; a length of 0 when there is none.
struct Sequence {
  std::size_t length = 0;
  std::uint32_t codePoint = 0;
};

Sequence SequenceAt(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) {
    return {1, lead};
  }
  std::size_t length = 0;
  std::uint32_t codePoint = 0;
  std::uint32_t smallest = 0;  // anything below is an overlong form
  if ((lead & 0xe0) == 0xc0) {
    length = 2, codePoint = lead & 0x1fU, smallest = 0x80;
  } else if ((lead & 0xf0) == 0xe0) {
    length = 3, codePoint = lead & 0x0fU, smallest = 0x800;
  } else if ((lead & 0xf8) == 0xf0) {
    length = 4, codePoint = lead & 0x07U, smallest = 0x10000;
  } else {
    return {};
  }
  if (text.size() < length) {
    return {};
  }
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (!IsContinuation(byte)) {
      return {};
    }
    codePoint = (codePoint << 6) | (byte & 0x3fU);
  }
  if (codePoint < smallest || codePoint > 0x10ffff ||
      (codePoint >= 0xd800 && codePoint <= 0xdfff)) {
    return {};
  }
  return {length, codePoint};
}

bool IsControl(std::uint32_t codePoint) {
  return codePoint < 0x20 || (codePoint >= 0x7f && codePoint <= 0x9f);
}

// The marks, embeddings, overrides and isolates that set the direction of the
// text around them: printed as they are, a name could turn the rest of its
// line around on a terminal that follows them.
bool IsDirectionControl(std::uint32_t codePoint) {
  return codePoint == 0x061c || codePoint == 0x200e || codePoint == 0x200f ||
         (codePoint >= 0x202a && codePoint <= 0x202e) ||
         (codePoint >= 0x2066 && codePoint <= 0x2069);
}

}  // namespace

std::string ForTerminal(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const Sequence sequence = SequenceAt(text);
    if (sequence.length == 0) {
      AppendEscaped(out, static_cast<unsigned char>(text[0]));
      text.remove_prefix(1);
      continue;
    }
    const std::string_view piece = text.substr(0, sequence.length);
    if (IsControl(sequence.codePoint) || IsDirectionControl(sequence.codePoint)) {
      for (const char byte : piece) {
        AppendEscaped(out, static_cast<unsigned char>(byte));
      }
    } else {
      out += piece;
    }
    text.remove_prefix(sequence.length);
  }
  return out;
}

}  // namespace velmora::statstool

// Text from a file on its way to a terminal. A saved name is whatever bytes
// the file holds, and control characters in it would move the cursor, clear
// the screen or retitle the window of whoever reads the file.
#pragma once

#include <string>
#include <string_view>

namespace velmora::statstool {

// `text` with every control character written as \xHH, one escape per byte:
// the bytes below 0x20, 0x7f, the two-byte UTF-8 forms of U+0080..U+009F,
// the direction marks, embeddings, overrides and isolates (U+061C, U+200E,
// U+200F, U+202A..U+202E, U+2066..U+2069), and every byte that is not part of
// well-formed UTF-8 (a lone 0x9b is a control introducer to terminals that
// take eight-bit controls). All other text, accented and non-Latin letters
// included, is left as it is.
std::string ForTerminal(std::string_view text);

}  // namespace velmora::statstool

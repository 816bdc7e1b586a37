// The game's rules keep their texts as UTF-8 in standard strings; the windows
// show them as QString. One conversion for every place where the two meet.
#pragma once

#include <QString>

#include <string_view>

namespace velmora {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace velmora

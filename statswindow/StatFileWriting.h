// Writing a statistics file so that an existing file is only ever replaced
// by a complete new one that is already on the disk.
#pragma once

#include "stats/GameStatistics.h"
#include "stats/StatisticsFile.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace velmora {

class Platform;

// Saves the current game to `path`, writing through the platform. Returns the
// system's reason when the file could not be written, or when `path` names
// something other than a plain file; whatever was there before is then left
// exactly as it was, and no file is created where there was none.
std::optional<QString> WriteStatisticsFile(Platform& platform, const QString& path,
                                           const GameStatistics& statistics,
                                           const QString& playerName, std::int32_t startingBank,
                                           const SaveStamp& stamp);

}  // namespace velmora

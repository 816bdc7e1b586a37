// Writing a statistics file so that an existing file is only ever replaced
// by a complete new one.
#pragma once

#include "GameStatistics.h"
#include "StatisticsFile.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace velmora {

// Saves the current game to `path`. Returns the system's reason when the file
// could not be written; the file that was there before is then left as it was.
std::optional<QString> WriteStatisticsFile(const QString& path, const GameStatistics& statistics,
                                           const QString& playerName, std::int32_t startingBank,
                                           const SaveStamp& stamp);

}  // namespace velmora

#include "StatFileWriting.h"

#include <QSaveFile>

#include <string>

namespace velmora {

std::optional<QString> WriteStatisticsFile(const QString& path, const GameStatistics& statistics,
                                           const QString& playerName, std::int32_t startingBank,
                                           const SaveStamp& stamp) {
  const std::string contents =
      FormatStatisticsFile(statistics, playerName.toStdString(), startingBank, stamp);
  // QSaveFile writes beside the target and renames over it only on commit, so
  // a full disk or a failed write never leaves half a file behind.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return file.errorString();
  }
  const auto size = static_cast<qint64>(contents.size());
  if (file.write(contents.data(), size) != size) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) {
    return file.errorString();
  }
  return std::nullopt;
}

}  // namespace velmora

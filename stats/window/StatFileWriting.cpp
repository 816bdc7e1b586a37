#include "StatFileWriting.h"

#include "Platform.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <string>
#include <system_error>

namespace velmora {

namespace {

QString SystemReason(int error) {
  return QString::fromStdString(std::generic_category().message(error));
}

// Saving writes a new file beside the target and renames it over the target,
// which would turn a named pipe or a device into a plain file; only plain
// files (through any symbolic link) or a name that is free are written.
std::optional<QString> RefusedTarget(const QString& path) {
  const QFileInfo target(path);
  if (!target.exists() || target.isFile()) {
    return std::nullopt;
  }
  return target.isDir() ? SystemReason(EISDIR) : QStringLiteral("Not a regular file");
}

}  // namespace

std::optional<QString> WriteStatisticsFile(Platform& platform, const QString& path,
                                           const GameStatistics& statistics,
                                           const QString& playerName, std::int32_t startingBank,
                                           const SaveStamp& stamp) {
  const std::string contents =
      FormatStatisticsFile(statistics, playerName.toStdString(), startingBank, stamp);
  if (auto refusal = RefusedTarget(path)) {
    return refusal;
  }
  // QSaveFile writes beside the target and renames over it only on commit.
  // Its buffered writes report a full disk only in the flush inside commit(),
  // which still renames the short file over the old one, so the bytes go
  // straight to the system here and every error cancels the save before the
  // rename. The data must be on the disk before it replaces the old file.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    return file.errorString();
  }
  int error = platform.WriteToFile(file.handle(), contents.data(), contents.size());
  if (error == 0) {
    error = platform.SyncToDisk(file.handle());
  }
  if (error != 0) {
    file.cancelWriting();
    return SystemReason(error);
  }
  if (!file.commit()) {
    return file.errorString();
  }
  return std::nullopt;
}

}  // namespace velmora

#include "statswindow/StatFileWriting.h"

#include "media/Platform.h"
#include "media/ReplacementFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

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
  return target.isDir() ? SystemReason(EISDIR)
                        : QCoreApplication::translate("StatFileWriting", "Not a regular file");
}

// The file a save replaces: a link is followed to the file it names, which
// is replaced while the link stays.
std::optional<QString> FinalTarget(const QString& path) {
  QFileInfo target(path);
  for (int depth = 0; depth < 40 && target.isSymLink(); ++depth) {
    target.setFile(target.symLinkTarget());
  }
  if (target.isSymLink()) {
    return std::nullopt;
  }
  return target.absoluteFilePath();
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
  const std::optional<QString> target = FinalTarget(path);
  if (!target) {
    return SystemReason(ELOOP);
  }
  // Every error cancels the save before the rename, and the data must be on
  // the disk before it replaces the old file.
  ReplacementFile file(QFile::encodeName(*target).toStdString());
  int error = file.Error();
  if (error == 0) {
    error = platform.WriteToFile(file.Descriptor(), contents.data(), contents.size());
  }
  if (error == 0) {
    error = platform.SyncToDisk(file.Descriptor());
  }
  if (error == 0) {
    error = file.Commit();
  }
  if (error != 0) {
    return SystemReason(error);
  }
  return std::nullopt;
}

}  // namespace velmora

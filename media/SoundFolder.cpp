#include "media/SoundFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velmora {

QString SoundFolder() {
  const QString working = QDir::cleanPath(QDir::currentPath() + QStringLiteral("/sounds"));
  if (QFileInfo(working).isDir()) {
    return working;
  }
  return InstalledSoundFolder();
}

QString InstalledSoundFolder() {
  // VELMORA_DATA_FROM_PROGRAM: the installed data folder relative to the program's folder.
  return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                         QStringLiteral("/" VELMORA_DATA_FROM_PROGRAM "/sounds"));
}

}  // namespace velmora

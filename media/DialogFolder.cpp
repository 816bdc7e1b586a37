#include "media/DialogFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace velmora {

namespace {

const QString LastFolderKey = QStringLiteral("statistics/lastFolder");

bool IsFolder(const QString& path) {
  return !path.isEmpty() && QFileInfo(path).isDir();
}

}  // namespace

QString GameSettingsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/velmora/velmora.conf");
}

QString DialogStartFolder(const QSettings& settings) {
  // A folder removed or unmounted since is passed over.
  const QString last = settings.value(LastFolderKey).toString();
  if (IsFolder(last)) {
    return last;
  }
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (IsFolder(documents)) {
    return documents;
  }
  return QDir::homePath();
}

void RememberDialogFolder(QSettings& settings, const QString& chosenFile) {
  if (chosenFile.isEmpty()) {
    return;
  }
  settings.setValue(LastFolderKey, QFileInfo(chosenFile).absolutePath());
}

}  // namespace velmora

#include "media/FileDialogs.h"

#include "media/DialogFolder.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QMimeDatabase>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>

namespace velmora {

namespace {

// Icons and type names from a file's kind and name alone. Qt's own provider
// reads the start of every file in the folder to guess its type, and a file
// that blocks when read (on a hung network mount, or a link into /proc)
// would freeze the game for as long as it blocks.
class NameOnlyIconProvider final : public QFileIconProvider {
 public:
  NameOnlyIconProvider() { setOptions(DontUseCustomDirectoryIcons); }

  using QFileIconProvider::icon;
  QIcon icon(const QFileInfo& info) const override {
    if (!info.isFile()) {
      return QFileIconProvider::icon(info);  // folders and drives: nothing is read
    }
    const QStyle::StandardPixmap plain =
        info.isSymLink() ? QStyle::SP_FileLinkIcon : QStyle::SP_FileIcon;
    return QIcon::fromTheme(TypeOf(info).iconName(), QApplication::style()->standardIcon(plain));
  }

  QString type(const QFileInfo& info) const override {
    if (!info.isFile()) {
      return QFileIconProvider::type(info);
    }
    const QMimeType mime = TypeOf(info);
    return mime.isDefault() ? QStringLiteral("File") : mime.comment();
  }

 private:
  static QMimeType TypeOf(const QFileInfo& info) {
    return QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
  }
};

// Qt's file dialog keeps its history, last folder and layout in a settings
// file of Qt's own, QtProject.conf beside the game's, which it reads when it
// is made and writes when it is destroyed. The game keeps one settings file
// only: while one of its dialogs exists, Qt's user settings have their place
// under /dev/null, where nothing can be read or created (not even by root),
// so the dialog starts from Qt's defaults and what it would keep is dropped.
class QtDialogSettingsKeptInMemory {
 public:
  QtDialogSettingsKeptInMemory() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
  }
  ~QtDialogSettingsKeptInMemory() {
    // Back to Qt's own place, where nothing else in the game keeps settings.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  }
  QtDialogSettingsKeptInMemory(const QtDialogSettingsKeptInMemory&) = delete;
  QtDialogSettingsKeptInMemory& operator=(const QtDialogSettingsKeptInMemory&) = delete;
};

}  // namespace

QString AskFileName(QWidget* parent, QFileDialog::AcceptMode mode, const QString& title,
                    const QString& filter, const QString& defaultSuffix) {
  QSettings settings(GameSettingsFile(), QSettings::IniFormat);
  const QtDialogSettingsKeptInMemory keptInMemory;
  NameOnlyIconProvider icons;
  QFileDialog dialog(parent, title, DialogStartFolder(settings), filter);
  dialog.setIconProvider(&icons);
  dialog.setAcceptMode(mode);
  // Any name is taken, also for opening: a file that does not exist is
  // reported by the game itself.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(defaultSuffix);
  // The game asks its own overwrite question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return {};
  }
  const QString chosen = dialog.selectedFiles().constFirst();
  RememberDialogFolder(settings, chosen);
  return chosen;
}

}  // namespace velmora

#include "media/ScriptedPlatform.h"

#include "media/DiskWrites.h"

#include <QFileInfo>

namespace velmora {

namespace {

class SilentStream final : public SoundStream {
 public:
  bool Play() override { return true; }
};

QString TakeFront(std::deque<QString>& answers) {
  if (answers.empty()) {
    return {};
  }
  QString answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

}  // namespace

std::unique_ptr<SoundStream> SilentSoundOutput::Open(const std::string& path) {
  if (!QFileInfo::exists(QString::fromStdString(path))) {
    return nullptr;
  }
  return std::make_unique<SilentStream>();
}

QMessageBox::StandardButton ScriptedPlatform::ShowMessage(QWidget*, QMessageBox::Icon icon,
                                                          const QString& caption,
                                                          const QString& text,
                                                          QMessageBox::StandardButtons buttons) {
  if (onMessage) {
    onMessage(ShownMessage{icon, caption, text, buttons});
  }
  // Ok, Yes, No and Cancel rise in value: the lowest one offered is the first.
  return static_cast<QMessageBox::StandardButton>(buttons.toInt() & -buttons.toInt());
}

QString ScriptedPlatform::AskSaveFileName(QWidget*, const QString&, const QString&,
                                          const QString&) {
  return TakeFront(saveAnswers);
}

QString ScriptedPlatform::AskOpenFileName(QWidget*, const QString&, const QString&,
                                          const QString&) {
  return TakeFront(openAnswers);
}

int ScriptedPlatform::RunModal(QDialog& dialog) {
  dialog.setResult(QDialog::Rejected);
  dialog.show();
  if (onModal) {
    onModal(dialog);
  }
  const int result = dialog.result();
  dialog.hide();
  return result;
}

int ScriptedPlatform::WriteToFile(int fd, const char* data, std::size_t size) {
  return WriteAllToFile(fd, data, size);
}

int ScriptedPlatform::SyncToDisk(int fd) {
  return SyncFileToDisk(fd);
}

void ScriptedPlatform::EndProgram(int status) {
  if (!ended) {
    ended = true;
    exitStatus = status;
  }
}

}  // namespace velmora

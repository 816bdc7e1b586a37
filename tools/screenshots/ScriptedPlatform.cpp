#include "ScriptedPlatform.h"

#include <QFileInfo>

namespace velmora::screenshots {

namespace {

class SilentStream final : public SoundStream {
 public:
  bool Play() override { return true; }
};

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
  for (const auto button :
       {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
    if (buttons.testFlag(button)) {
      return button;
    }
  }
  return QMessageBox::NoButton;
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

QString ScriptedPlatform::Next(std::deque<QString>& answers) {
  if (answers.empty()) {
    return {};
  }
  QString answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace velmora::screenshots

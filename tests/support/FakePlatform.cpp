#include "FakePlatform.h"

#include "DiskWrites.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace velmora::testing {

namespace {

class FakeStream final : public SoundStream {
 public:
  FakeStream(FakeSoundOutput& owner, std::string name) : owner_(owner), name_(std::move(name)) {}
  bool Play() override {
    if (owner_.failingPlay.count(name_) != 0 || owner_.allFail) {
      owner_.events.push_back("fail " + name_);
      return false;
    }
    owner_.events.push_back("play " + name_);
    return true;
  }

 private:
  FakeSoundOutput& owner_;
  std::string name_;
};

}  // namespace

std::unique_ptr<SoundStream> FakeSoundOutput::Open(const std::string& path) {
  const std::string name = QFileInfo(QString::fromStdString(path)).fileName().toStdString();
  if (allFail || unplayable.count(name) != 0 || !QFileInfo::exists(QString::fromStdString(path))) {
    events.push_back("fail-open " + name);
    return nullptr;
  }
  events.push_back("open " + name);
  return std::make_unique<FakeStream>(*this, name);
}

QMessageBox::StandardButton FakePlatform::ShowMessage(QWidget*, QMessageBox::Icon icon,
                                                      const QString& caption, const QString& text,
                                                      QMessageBox::StandardButtons buttons) {
  messages.push_back({icon, caption, text, buttons});
  if (onMessage) {
    onMessage(messages.back());
  }
  if (!answers.empty()) {
    const auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
  for (const auto button :
       {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
    if (buttons.testFlag(button)) {
      return button;
    }
  }
  return QMessageBox::NoButton;
}

QString FakePlatform::AskSaveFileName(QWidget*, const QString& title, const QString& filter,
                                      const QString& defaultSuffix) {
  return AnswerFileDialog(saveAnswers, {title, filter, defaultSuffix});
}

QString FakePlatform::AskOpenFileName(QWidget*, const QString& title, const QString& filter,
                                      const QString& defaultSuffix) {
  return AnswerFileDialog(openAnswers, {title, filter, defaultSuffix});
}

QString FakePlatform::AnswerFileDialog(std::deque<QString>& answers, FileDialogRequest request) {
  fileDialogs.push_back(std::move(request));
  if (answers.empty()) {
    return {};  // cancelled
  }
  QString answer = answers.front();
  answers.pop_front();
  return answer;
}

int FakePlatform::RunModal(QDialog& dialog) {
  modalTitles.push_back(dialog.windowTitle());
  dialog.setResult(QDialog::Rejected);
  dialog.show();
  if (onModal) {
    onModal(dialog);
  }
  const int result = dialog.result();
  dialog.hide();
  return result;
}

int FakePlatform::WriteToFile(int fd, const char* data, std::size_t size) {
  if (!diskRoom) {
    return WriteAllToFile(fd, data, size);
  }
  const std::size_t fits = std::min(size, *diskRoom);
  *diskRoom -= fits;
  const int error = WriteAllToFile(fd, data, fits);
  return error != 0 || fits == size ? error : ENOSPC;
}

int FakePlatform::SyncToDisk(int fd) {
  return syncError != 0 ? syncError : SyncFileToDisk(fd);
}

void FakePlatform::EndProgram(int status) {
  if (!ended) {
    ended = true;
    exitStatus = status;
  }
}

}  // namespace velmora::testing

#include "FakePlatform.h"

#include "DiskWrites.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace velmora::testing {

namespace {

struct FakeStream final : SoundStream {
  FakeStream(FakeSoundOutput& owner, std::string name) : owner(owner), name(std::move(name)) {}
  bool Play() override {
    const bool plays = owner.failingPlay.count(name) == 0;
    owner.events.push_back((plays ? "play " : "fail ") + name);
    return plays;
  }
  FakeSoundOutput& owner;
  const std::string name;
};

template <typename T>
std::optional<T> TakeFront(std::deque<T>& queue) {
  if (queue.empty()) {
    return std::nullopt;
  }
  T front = std::move(queue.front());
  queue.pop_front();
  return front;
}

}  // namespace

std::unique_ptr<SoundStream> FakeSoundOutput::Open(const std::string& path) {
  const QFileInfo file(QString::fromStdString(path));
  const std::string name = file.fileName().toStdString();
  events.push_back((file.exists() ? "open " : "fail-open ") + name);
  return file.exists() ? std::make_unique<FakeStream>(*this, name) : nullptr;
}

QMessageBox::StandardButton FakePlatform::ShowMessage(QWidget*, QMessageBox::Icon icon,
                                                      const QString& caption, const QString& text,
                                                      QMessageBox::StandardButtons buttons) {
  messages.push_back({icon, caption, text, buttons});
  if (onMessage) {
    onMessage(messages.back());
  }
  // Ok, Yes, No and Cancel rise in value: the lowest one offered is the first.
  const int first = buttons.toInt() & -buttons.toInt();
  return TakeFront(answers).value_or(static_cast<QMessageBox::StandardButton>(first));
}

QString FakePlatform::AskSaveFileName(QWidget*, const QString&, const QString&, const QString&) {
  return TakeFront(saveAnswers).value_or(QString());  // empty: cancelled
}

QString FakePlatform::AskOpenFileName(QWidget*, const QString&, const QString&, const QString&) {
  return TakeFront(openAnswers).value_or(QString());
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

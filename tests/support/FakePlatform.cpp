#include "tests/support/FakePlatform.h"

#include "media/DiskWrites.h"

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

}  // namespace

std::unique_ptr<SoundStream> FakeSoundOutput::Open(const std::string& path) {
  const QFileInfo file(QString::fromStdString(path));
  const std::string name = file.fileName().toStdString();
  events.push_back((file.exists() ? "open " : "fail-open ") + name);
  return file.exists() ? std::make_unique<FakeStream>(*this, name) : nullptr;
}

QMessageBox::StandardButton FakePlatform::ShowMessage(QWidget* parent, QMessageBox::Icon icon,
                                                      const QString& caption, const QString& text,
                                                      QMessageBox::StandardButtons buttons) {
  messages.push_back({icon, caption, text, buttons});
  const QMessageBox::StandardButton first =
      ScriptedPlatform::ShowMessage(parent, icon, caption, text, buttons);
  if (answers.empty()) {
    return first;
  }
  const QMessageBox::StandardButton answer = answers.front();
  answers.pop_front();
  return answer;
}

int FakePlatform::RunModal(QDialog& dialog) {
  modalTitles.push_back(dialog.windowTitle());
  return ScriptedPlatform::RunModal(dialog);
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
  return syncError != 0 ? syncError : ScriptedPlatform::SyncToDisk(fd);
}

}  // namespace velmora::testing

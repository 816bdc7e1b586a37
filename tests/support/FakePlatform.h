// The platform seam as tests drive it: the scripted platform that the
// screenshot tool uses too, which also records every message box and modal
// window, answers message boxes from a queue, can fill the disk, and records
// the sounds.
#pragma once

#include "media/ScriptedPlatform.h"

#include <deque>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace velmora::testing {

using velmora::ShownMessage;

// Records every open and play by file name: "open", "play", "fail" (a play
// that failed) or "fail-open" (a missing file). Files listed in
// `failingPlay` open but fail to play.
class FakeSoundOutput final : public SoundOutput {
 public:
  std::unique_ptr<SoundStream> Open(const std::string& path) override;

  std::vector<std::string> events;
  std::set<std::string> failingPlay;
};

class FakePlatform final : public ScriptedPlatform {
 public:
  QMessageBox::StandardButton ShowMessage(QWidget*, QMessageBox::Icon, const QString&,
                                          const QString&, QMessageBox::StandardButtons) override;
  int RunModal(QDialog& dialog) override;
  SoundOutput& Sound() override { return sound; }
  int WriteToFile(int fd, const char* data, std::size_t size) override;
  int SyncToDisk(int fd) override;

  // Message boxes: every one shown is recorded; answers are taken from the
  // front of the queue, or the first button offered when it is empty.
  std::vector<ShownMessage> messages;
  std::deque<QMessageBox::StandardButton> answers;

  std::vector<QString> modalTitles;

  // Saving writes to the real file, but the disk holds only `diskRoom` more
  // bytes (unlimited when empty) and refuses what follows with ENOSPC; a
  // nonzero `syncError` is what flushing the file to the disk fails with.
  std::optional<std::size_t> diskRoom;
  int syncError = 0;

  FakeSoundOutput sound;
};

}  // namespace velmora::testing

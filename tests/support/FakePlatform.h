// The platform seam as tests drive it: a fixed clock, scripted answers to
// message boxes and file dialogs, modal windows handed to a callback instead
// of a nested event loop, no real pauses, and a sound output that records.
#pragma once

#include "Platform.h"
#include "SoundOutput.h"

#include <QDialog>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace velmora::testing {

// Records every open and play by file name: "open", "play", "fail" (a play
// that failed) or "fail-open" (a missing file). Files listed in
// `failingPlay` open but fail to play.
class FakeSoundOutput final : public SoundOutput {
 public:
  std::unique_ptr<SoundStream> Open(const std::string& path) override;

  std::vector<std::string> events;
  std::set<std::string> failingPlay;
};

struct ShownMessage {
  QMessageBox::Icon icon;
  QString caption;
  QString text;
  QMessageBox::StandardButtons buttons;
};

class FakePlatform final : public Platform {
 public:
  std::int64_t CalendarSeconds() override { return seconds; }
  QMessageBox::StandardButton ShowMessage(QWidget*, QMessageBox::Icon, const QString&,
                                          const QString&, QMessageBox::StandardButtons) override;
  QString AskSaveFileName(QWidget*, const QString&, const QString&, const QString&) override;
  QString AskOpenFileName(QWidget*, const QString&, const QString&, const QString&) override;
  int RunModal(QDialog& dialog) override;
  void Sleep(int) override {}
  SoundOutput& Sound() override { return sound; }
  int WriteToFile(int fd, const char* data, std::size_t size) override;
  int SyncToDisk(int fd) override;
  void EndProgram(int exitStatus) override;
  bool ProgramEnded() const override { return ended; }

  // The clock.
  std::int64_t seconds = 1;

  // Message boxes: every one shown is recorded; answers are taken from the
  // front of the queue, or the first button offered when it is empty.
  std::vector<ShownMessage> messages;
  std::deque<QMessageBox::StandardButton> answers;
  // Called while a message box is "open", before it returns (to act during it).
  std::function<void(const ShownMessage&)> onMessage;

  // File dialogs: answers taken from the front of the queues; empty means cancelled.
  std::deque<QString> saveAnswers;
  std::deque<QString> openAnswers;

  // Modal windows: the dialog is shown (not executed); the handler acts on it
  // like a person would and the dialog's result is returned. Without a
  // handler the dialog is rejected. The dialog is hidden afterwards.
  std::function<void(QDialog&)> onModal;
  std::vector<QString> modalTitles;

  // Saving writes to the real file, but the disk holds only `diskRoom` more
  // bytes (unlimited when empty) and refuses what follows with ENOSPC; a
  // nonzero `syncError` is what flushing the file to the disk fails with.
  std::optional<std::size_t> diskRoom;
  int syncError = 0;

  bool ended = false;
  int exitStatus = 0;

  FakeSoundOutput sound;
};

}  // namespace velmora::testing

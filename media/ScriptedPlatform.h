// The platform seam answered by a script instead of a person, for the
// screenshot tool and the tests: a clock that is set, message boxes and modal
// windows handed to callbacks instead of a nested event loop, file dialogs
// answered from lists, no pauses, and sounds that open but play silently.
#pragma once

#include "media/Platform.h"
#include "media/SoundOutput.h"

#include <QDialog>
#include <QString>

#include <deque>
#include <functional>

namespace velmora {

struct ShownMessage {
  QMessageBox::Icon icon;
  QString caption;
  QString text;
  QMessageBox::StandardButtons buttons;
};

// Opens the sound files that exist and plays them without a sound.
class SilentSoundOutput final : public SoundOutput {
 public:
  std::unique_ptr<SoundStream> Open(const std::string& path) override;
};

class ScriptedPlatform : public Platform {
 public:
  std::int64_t CalendarSeconds() override { return seconds; }
  // Calls `onMessage` while the box is "open", then answers with the first of
  // OK, Yes, No and Cancel that the box offers.
  QMessageBox::StandardButton ShowMessage(QWidget* parent, QMessageBox::Icon icon,
                                          const QString& caption, const QString& text,
                                          QMessageBox::StandardButtons buttons) override;
  QString AskSaveFileName(QWidget*, const QString&, const QString&, const QString&) override;
  QString AskOpenFileName(QWidget*, const QString&, const QString&, const QString&) override;
  // Shows the dialog (without executing it), lets `onModal` act on it as a
  // person would, hides it and returns its result; without a handler the
  // dialog is rejected.
  int RunModal(QDialog& dialog) override;
  void Sleep(int) override {}
  SoundOutput& Sound() override { return silence_; }
  int WriteToFile(int fd, const char* data, std::size_t size) override;
  int SyncToDisk(int fd) override;
  // Only the first request counts, as the program ends at once.
  void EndProgram(int status) override;
  bool ProgramEnded() const override { return ended; }

  std::int64_t seconds = 1;
  std::function<void(const ShownMessage&)> onMessage;
  std::function<void(QDialog&)> onModal;
  // File dialogs' answers, taken from the front; none left means cancelled.
  std::deque<QString> saveAnswers;
  std::deque<QString> openAnswers;

  bool ended = false;
  int exitStatus = 0;

 private:
  SilentSoundOutput silence_;
};

}  // namespace velmora

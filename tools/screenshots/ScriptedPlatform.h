// The platform seam as the screenshot tool drives it: a clock it sets, modal
// windows and message boxes handed to its scenes instead of waiting for a
// person, file dialogs answered from a list, no pauses and no sound.
#pragma once

#include "DiskWrites.h"
#include "Platform.h"
#include "SoundOutput.h"

#include <QDialog>
#include <QString>

#include <deque>
#include <functional>

namespace velmora::screenshots {

// Opens the sounds that exist and plays them silently.
class SilentSoundOutput final : public SoundOutput {
 public:
  std::unique_ptr<SoundStream> Open(const std::string& path) override;
};

struct ShownMessage {
  QMessageBox::Icon icon;
  QString caption;
  QString text;
  QMessageBox::StandardButtons buttons;
};

class ScriptedPlatform final : public Platform {
 public:
  std::int64_t CalendarSeconds() override { return seconds; }
  // Answers with the first of OK, Yes, No and Cancel that the box offers.
  QMessageBox::StandardButton ShowMessage(QWidget* parent, QMessageBox::Icon icon,
                                          const QString& caption, const QString& text,
                                          QMessageBox::StandardButtons buttons) override;
  QString AskSaveFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return Next(saveAnswers);
  }
  QString AskOpenFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return Next(openAnswers);
  }
  // Shows the dialog, lets `onModal` act on it, hides it and returns its
  // result; without a scene the dialog is rejected.
  int RunModal(QDialog& dialog) override;
  void Sleep(int) override {}
  SoundOutput& Sound() override { return sound_; }
  int WriteToFile(int fd, const char* data, std::size_t size) override {
    return WriteAllToFile(fd, data, size);
  }
  int SyncToDisk(int fd) override { return SyncFileToDisk(fd); }
  void EndProgram(int) override { ended_ = true; }
  bool ProgramEnded() const override { return ended_; }

  std::int64_t seconds = 1;
  std::function<void(QDialog&)> onModal;
  // Called while a message box is "open", before it returns.
  std::function<void(const ShownMessage&)> onMessage;
  // File dialogs' answers, taken from the front; none left means cancelled.
  std::deque<QString> saveAnswers;
  std::deque<QString> openAnswers;

 private:
  static QString Next(std::deque<QString>& answers);

  SilentSoundOutput sound_;
  bool ended_ = false;
};

}  // namespace velmora::screenshots

// The one seam between the game and the machine: the clock that seeds the
// shuffle, message boxes, file dialogs, modal windows, pauses, sound output,
// the writes of saved files and the end of the program. The game uses RealPlatform; tests pass
// their own so that nothing waits for a person or for real time.
#pragma once

#include <QMessageBox>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>

class QDialog;
class QWidget;

namespace velmora {

class SoundOutput;

class Platform {
 public:
  virtual ~Platform() = default;

  // Calendar time in whole seconds; every use of the random generator reseeds from it.
  virtual std::int64_t CalendarSeconds() = 0;

  // A modal message box with the caption as window title and the text as plain
  // text; returns the button pressed. A Yes/No question is answered only by
  // its buttons, never by Escape or the close box (MessageBoxes.h).
  virtual QMessageBox::StandardButton ShowMessage(QWidget* parent, QMessageBox::Icon icon,
                                                  const QString& caption, const QString& text,
                                                  QMessageBox::StandardButtons buttons) = 0;

  // File dialogs; an empty result means the player cancelled. They start in
  // the folder the player chose a file in last (DialogFolder.h).
  virtual QString AskSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                  const QString& defaultSuffix) = 0;
  virtual QString AskOpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                  const QString& defaultSuffix) = 0;

  // Shows a window modally (a nested event loop in which the table's timers go on firing)
  // and returns its result when it has closed.
  virtual int RunModal(QDialog& dialog) = 0;

  // Blocks the user-interface thread.
  virtual void Sleep(int milliseconds) = 0;

  // The output that wave files are played through.
  virtual SoundOutput& Sound() = 0;

  // How a saved file's bytes reach the disk (see DiskWrites.h): each returns 0
  // or the system's error number.
  virtual int WriteToFile(int fd, const char* data, std::size_t size) = 0;
  virtual int SyncToDisk(int fd) = 0;

  // Ends the program at once; nothing is saved. Callers return right after it.
  virtual void EndProgram(int exitStatus) = 0;
  virtual bool ProgramEnded() const = 0;
};

// Stop-icon message box with an OK button: how the game reports a refused action.
void ShowError(Platform& platform, QWidget* parent, const QString& caption, const QString& text);

class RealPlatform final : public Platform {
 public:
  RealPlatform();
  ~RealPlatform() override;

  std::int64_t CalendarSeconds() override;
  QMessageBox::StandardButton ShowMessage(QWidget* parent, QMessageBox::Icon icon,
                                          const QString& caption, const QString& text,
                                          QMessageBox::StandardButtons buttons) override;
  QString AskSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                          const QString& defaultSuffix) override;
  QString AskOpenFileName(QWidget* parent, const QString& title, const QString& filter,
                          const QString& defaultSuffix) override;
  int RunModal(QDialog& dialog) override;
  void Sleep(int milliseconds) override;
  SoundOutput& Sound() override;
  int WriteToFile(int fd, const char* data, std::size_t size) override;
  int SyncToDisk(int fd) override;
  void EndProgram(int exitStatus) override;
  bool ProgramEnded() const override { return ended_; }

 private:
  std::unique_ptr<SoundOutput> sound_;
  bool ended_ = false;
};

}  // namespace velmora

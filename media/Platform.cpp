#include "media/Platform.h"

#include "media/DiskWrites.h"
#include "media/FileDialogs.h"
#include "media/MessageBoxes.h"
#include "media/SoundOutput.h"

#include <QApplication>
#include <QDialog>
#include <QThread>

#include <ctime>

namespace velmora {

void ShowError(Platform& platform, QWidget* parent, const QString& caption, const QString& text) {
  platform.ShowMessage(parent, QMessageBox::Critical, caption, text, QMessageBox::Ok);
}

RealPlatform::RealPlatform() : sound_(CreateSystemSoundOutput()) {}
RealPlatform::~RealPlatform() = default;

std::int64_t RealPlatform::CalendarSeconds() {
  return static_cast<std::int64_t>(std::time(nullptr));
}

QMessageBox::StandardButton RealPlatform::ShowMessage(QWidget* parent, QMessageBox::Icon icon,
                                                      const QString& caption, const QString& text,
                                                      QMessageBox::StandardButtons buttons) {
  return RunMessageBox(parent, icon, caption, text, buttons);
}

QString RealPlatform::AskSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                      const QString& defaultSuffix) {
  return AskFileName(parent, QFileDialog::AcceptSave, title, filter, defaultSuffix);
}

QString RealPlatform::AskOpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                      const QString& defaultSuffix) {
  return AskFileName(parent, QFileDialog::AcceptOpen, title, filter, defaultSuffix);
}

int RealPlatform::RunModal(QDialog& dialog) {
  if (ended_) {
    return QDialog::Rejected;
  }
  return dialog.exec();
}

void RealPlatform::Sleep(int milliseconds) {
  QThread::msleep(static_cast<unsigned long>(milliseconds));
}

SoundOutput& RealPlatform::Sound() {
  return *sound_;
}

int RealPlatform::WriteToFile(int fd, const char* data, std::size_t size) {
  return WriteAllToFile(fd, data, size);
}

int RealPlatform::SyncToDisk(int fd) {
  return SyncFileToDisk(fd);
}

void RealPlatform::EndProgram(int exitStatus) {
  if (ended_) {
    return;  // closing the windows below comes back here through the table's close event
  }
  ended_ = true;
  // Leaves every running event loop, the nested ones of modal windows included.
  QApplication::closeAllWindows();
  QCoreApplication::exit(exitStatus);
}

}  // namespace velmora

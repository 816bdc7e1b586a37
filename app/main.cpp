// Velmora: five-card draw poker against the house.
#include "GameState.h"
#include "Platform.h"
#include "ProgramWindows.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace {

// An error that escapes a handler would otherwise unwind through Qt's event
// loop, which it must not: it is reported with its own text and the program ends.
class VelmoraApplication final : public QApplication {
 public:
  using QApplication::QApplication;

  void SetPlatform(velmora::Platform* platform) { platform_ = platform; }

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
      Fail(QString::fromLocal8Bit(error.what()));
    } catch (...) {
      Fail(QStringLiteral("Unknown error."));
    }
    return false;
  }

 private:
  void Fail(const QString& text) {
    if (platform_ == nullptr || platform_->ProgramEnded()) {
      return;
    }
    velmora::ShowError(*platform_, nullptr, applicationName(), text);
    platform_->EndProgram(1);
  }

  velmora::Platform* platform_ = nullptr;
};

}  // namespace

int main(int argc, char* argv[]) {
  VelmoraApplication application(argc, argv);
  // The program's name in the task bar. Not the display name, which Qt would
  // append to every window title.
  QApplication::setApplicationName(QStringLiteral("Velmora 2.1"));
  QApplication::setApplicationVersion(QStringLiteral("2.1"));
  QApplication::setDesktopFileName(QStringLiteral("velmora"));
  try {
    velmora::RealPlatform platform;
    application.SetPlatform(&platform);
    velmora::GameState state;
    velmora::ProgramWindows windows(platform, state);
    const int status = QApplication::exec();
    application.SetPlatform(nullptr);
    return status;
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, QApplication::applicationName(),
                          QString::fromLocal8Bit(error.what()));
  } catch (...) {
    QMessageBox::critical(nullptr, QApplication::applicationName(),
                          QStringLiteral("Unknown error."));
  }
  return 1;
}

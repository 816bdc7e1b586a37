// Velmora: five-card draw poker against the house.
#include "app/ErrorReport.h"
#include "app/ProgramWindows.h"
#include "app/Translations.h"
#include "app/Version.h"
#include "hand/GameState.h"
#include "media/Platform.h"

#include <QApplication>

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
    } catch (...) {
      if (platform_ != nullptr) {
        velmora::ReportEscapedError(*platform_, std::current_exception());
      }
    }
    return false;
  }

 private:
  velmora::Platform* platform_ = nullptr;
};

}  // namespace

int main(int argc, char* argv[]) {
  VelmoraApplication application(argc, argv);
  // The program's name in the task bar. Not the display name, which Qt would
  // append to every window title.
  QApplication::setApplicationName(QStringLiteral("Velmora 2.1"));
  QApplication::setApplicationVersion(QString::fromLatin1(velmora::PackageVersion));
  // Names the menu entry, so that Wayland compositors match the window to it.
  QApplication::setDesktopFileName(QStringLiteral("io.github.velmora.Velmora"));
  // A steady text cursor: a blinking one wakes the program twenty times a second
  // while the player only looks at the table.
  QApplication::setCursorFlashTime(0);
  // Before any window exists, so that every text is made in the player's language.
  const velmora::Translations translations;
  velmora::RealPlatform platform;
  application.SetPlatform(&platform);
  const int status = velmora::RunReportingErrors(platform, [&platform] {
    velmora::GameState state;
    const velmora::ProgramWindows windows(platform, state);
    return QApplication::exec();
  });
  application.SetPlatform(nullptr);
  return status;
}

#include "app/ErrorReport.h"

#include "media/Platform.h"

#include <QCoreApplication>
#include <QString>

namespace velmora {

void ReportEscapedError(Platform& platform, const std::exception_ptr& error) {
  if (platform.ProgramEnded()) {
    return;
  }
  QString text = QStringLiteral("Unknown error.");
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& escaped) {
    text = QString::fromLocal8Bit(escaped.what());
  } catch (...) {
  }
  ShowError(platform, nullptr, QCoreApplication::applicationName(), text);
  platform.EndProgram(1);
}

int RunReportingErrors(Platform& platform, const std::function<int()>& run) {
  try {
    return run();
  } catch (...) {
    ReportEscapedError(platform, std::current_exception());
  }
  return 1;
}

}  // namespace velmora

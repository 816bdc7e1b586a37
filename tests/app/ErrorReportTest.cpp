// An error nothing handles reaches the player as a stop box with its own
// text, and the program ends with status 1; a normal run keeps its status.
#include "app/ErrorReport.h"
#include "tests/support/FakePlatform.h"

#include <QCoreApplication>
#include <QTest>

#include <stdexcept>

using namespace velmora;
using namespace velmora::testing;

class ErrorReportTest : public QObject {
  Q_OBJECT

 private slots:
  void escapedErrorsAreReportedOnceAndEndTheProgram() {
    QCoreApplication::setApplicationName("Velmora 2.1");
    FakePlatform platform;
    QCOMPARE(RunReportingErrors(platform, [] { return 0; }), 0);
    QVERIFY(platform.messages.empty() && !platform.ended);

    QCOMPARE(RunReportingErrors(platform, []() -> int { throw std::runtime_error("Disk full"); }),
             1);
    QCOMPARE(platform.messages.size(), std::size_t{1});
    const ShownMessage& message = platform.messages.front();
    QVERIFY(message.icon == QMessageBox::Critical && message.buttons == QMessageBox::Ok);
    QCOMPARE(message.caption + '|' + message.text, QString("Velmora 2.1|Disk full"));
    QVERIFY(platform.ended && platform.exitStatus == 1);
    // While the program ends, a second failure is not reported.
    ReportEscapedError(platform, std::make_exception_ptr(std::logic_error("again")));
    QCOMPARE(platform.messages.size(), std::size_t{1});

    FakePlatform other;
    QCOMPARE(RunReportingErrors(other, []() -> int { throw 42; }), 1);
    QCOMPARE(other.messages.front().text, QString("Unknown error."));
  }
};

QTEST_MAIN(ErrorReportTest)

#include "ErrorReportTest.moc"

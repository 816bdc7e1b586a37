// Saving statistics when the disk or the target will not take them: a full
// disk before or during the write, a disk that fails to flush, targets that
// are not plain files, a file the player would not replace, and a save
// killed before it could finish. Whatever happens, the file that was there
// is kept byte for byte, no stray file is left for long, and the player is
// told.
#include "statswindow/StatFileWriting.h"
#include "tests/statswindow/StatsWindowGame.h"

#include <QtTest>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <tuple>

#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmora;
using namespace velmora::testing;

namespace {

// Set by main: whether this process has a mount namespace of its own, in
// which a small disk can be mounted without touching the machine's.
bool privateMounts = false;

// Saves under `path` through the window's Save button, answering Yes to the
// overwrite question; the error reported, or "" when none was.
QString SaveAs(Game& game, const QString& path) {
  game.platform.messages.clear();
  game.platform.answers = {QMessageBox::Yes};
  game.platform.saveAnswers = {path};
  game.box.SaveSpBtnClick();
  for (const ShownMessage& shown : game.platform.messages) {
    if (shown.icon != QMessageBox::Question) {
      return QStringLiteral("%1|%2|%3").arg(shown.icon).arg(shown.caption, shown.text);
    }
  }
  return {};
}

QString SaveError(const QString& path, const QString& reason) {
  return QStringLiteral("%1|Save Error|%2 could not be saved.\n%3")
      .arg(QMessageBox::Critical)
      .arg(path, reason);
}

QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                QDir::System);
}

}  // namespace

class TestStatSaving : public QObject {
  Q_OBJECT
 private slots:
  void refusedWritesKeepWhatWasThere();
  void onlyPlainFilesAreReplacedOnlyOnYes();
  void killedSavesLeaveNothingForLong();
};

void TestStatSaving::refusedWritesKeepWhatWasThere() {
  // The room the disk still takes: -1 unlimited, -2 all but the last byte,
  // -3 a real disk of a few pages, filled up; what flushing it fails with;
  // and the reason the player is given.
  const std::tuple<int, int, const char*> disks[] = {
      {0, 0, "No space left on device"},  {100, 0, "No space left on device"},
      {-2, 0, "No space left on device"}, {-1, EIO, "Input/output error"},
      {-3, 0, "No space left on device"},  // last: skipped where nothing may be mounted
  };
  for (const auto& [room, syncError, reason] : disks) {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    if (room == -3 && !(privateMounts &&
                        ::mount("velmora-test", folder.constData(), "tmpfs", 0, "size=16k") == 0)) {
      QSKIP("No mount namespace of this test's own (needs root): no small disk to fill");
    }
    const auto unmount = qScopeGuard([&] {
      if (room == -3) {
        ::umount(folder.constData());
      }
    });
    const QString old = dir.filePath("old.vlm");
    const QByteArray oldBytes = "old statistics\r\nkept\r\n";
    QVERIFY(WriteFile(old, oldBytes));
    const QString filler = dir.filePath("filler");
    if (room == -3) {
      QFile file(filler);
      QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
      while (file.write(QByteArray(512, 'f')) == 512) {
      }
    }
    const QString fresh = dir.filePath("fresh.vlm");
    Game game;
    const auto size = static_cast<int>(game.FileFor().size());
    for (const QString& target : {old, fresh}) {
      game.platform.diskRoom.reset();
      if (room >= 0 || room == -2) {
        game.platform.diskRoom = static_cast<std::size_t>(room == -2 ? size - 1 : room);
      }
      game.platform.syncError = syncError;
      QCOMPARE(SaveAs(game, target), SaveError(target, reason));
    }
    QCOMPARE(ReadFile(old), oldBytes);
    QCOMPARE(Entries(dir.path()),
             (room == -3 ? QStringList{"filler", "old.vlm"} : QStringList{"old.vlm"}));
  }
}

void TestStatSaving::onlyPlainFilesAreReplacedOnlyOnYes() {
  QTemporaryDir dir;
  const QString pipe = dir.filePath("pipe.vlm");
  QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
  const QString toPipe = dir.filePath("to-pipe.vlm");
  const QString plain = dir.filePath("plain.vlm");
  const QString toPlain = dir.filePath("to-plain.vlm");
  QVERIFY(QFile::link(pipe, toPipe) && WriteFile(plain, "old") && QFile::link(plain, toPlain));
  QVERIFY(QDir(dir.path()).mkpath("folder") &&
          WriteFile(dir.filePath("folder/inside.vlm"), "kept"));

  Game game;
  for (const QString& target : {pipe, toPipe}) {
    QCOMPARE(SaveAs(game, target), SaveError(target, "Not a regular file"));
  }
  // A folder, a folder that is missing, a file taken for a folder: each is
  // refused with the system's reason on the second line.
  for (const QString& target : {dir.filePath("folder"), dir.filePath("missing/stats.vlm"),
                                dir.filePath("plain.vlm/inner.vlm")}) {
    const QString report = SaveAs(game, target);
    QVERIFY2(report.startsWith(SaveError(target, "")) && report != SaveError(target, ""),
             qPrintable(report));
  }
  // Asked whether to replace a file: Cancel keeps it, No asks for another
  // name, and Yes (below) replaces it.
  const QString other = dir.filePath("other.vlm");
  for (const auto answer : {QMessageBox::Cancel, QMessageBox::No}) {
    game.platform.saveAnswers = {plain, other};
    game.platform.answers = {answer};
    game.box.SaveSpBtnClick();
    QCOMPARE(QFile::exists(other), answer == QMessageBox::No);
  }
  QCOMPARE(ReadFile(dir.filePath("folder/inside.vlm")), QByteArray("kept"));
  QCOMPARE(ReadFile(plain), QByteArray("old"));
  struct stat info = {};
  QVERIFY(::stat(QFile::encodeName(pipe).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
  QCOMPARE(QFileInfo(toPipe).symLinkTarget(), pipe);

  // A link to a plain file is followed: the file behind it is replaced, the link stays.
  QCOMPARE(SaveAs(game, toPlain), QString());
  QCOMPARE(ReadFile(plain), game.FileFor());
  QCOMPARE(QFileInfo(toPlain).symLinkTarget(), plain);
  QCOMPARE(Entries(dir.path()), (QStringList{"folder", "other.vlm", "pipe.vlm", "plain.vlm",
                                             "to-pipe.vlm", "to-plain.vlm"}));
}

// A save killed between its sync and its rename leaves its temporary out of
// sight beside the intact old file; the next save into the folder removes
// it, but not the temporary of a save still running, nor anything else.
void TestStatSaving::killedSavesLeaveNothingForLong() {
  struct KilledAfterSync final : ScriptedPlatform {
    int SyncToDisk(int fd) override {
      ScriptedPlatform::SyncToDisk(fd);
      return ::raise(SIGKILL);
    }
  };
  QTemporaryDir dir;
  const QString old = dir.filePath("old.vlm");
  QVERIFY(WriteFile(old, "old"));
  Game game;
  const pid_t save = ::fork();
  if (save == 0) {
    KilledAfterSync platform;
    WriteStatisticsFile(platform, old, game.state.Statistics, "Player", 1000, NewYearsEveStamp);
    ::_exit(0);
  }
  int status = 0;
  QVERIFY(::waitpid(save, &status, 0) == save && WIFSIGNALED(status));
  QCOMPARE(ReadFile(old), QByteArray("old"));
  QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
           QStringList{"old.vlm"});
  const QStringList left =
      Entries(dir.path()).filter(QRegularExpression(R"(^\.velmora-save-\w{6}$)"));
  QCOMPARE(left.size(), 1);
  QCOMPARE(ReadFile(dir.filePath(left[0])), game.FileFor());

  const QString running = dir.filePath(".velmora-save-Runnin");
  QFile runningSave(running);
  QVERIFY(runningSave.open(QIODevice::WriteOnly) && ::flock(runningSave.handle(), LOCK_EX) == 0);
  QVERIFY(WriteFile(dir.filePath(".velmora-save-short"), "not ours") &&
          QDir(dir.path()).mkdir(".velmora-save-fold01") &&
          QFile::link(old, dir.filePath(".velmora-save-link01")));
  QCOMPARE(SaveAs(game, old), QString());
  QCOMPARE(ReadFile(old), game.FileFor());
  QCOMPARE(Entries(dir.path()),
           (QStringList{".velmora-save-fold01", ".velmora-save-link01", ".velmora-save-Runnin",
                        ".velmora-save-short", "old.vlm"}));
}

int main(int argc, char** argv) {
  qputenv("TZ", "UTC");
  qputenv("LC_ALL", "en_US.UTF-8");
  tzset();
  // Before any thread exists: a mount namespace of the process's own, whose
  // mounts vanish with it and never reach the rest of the machine.
  privateMounts = ::unshare(CLONE_NEWNS) == 0 &&
                  ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
  QApplication app(argc, argv);
  TestStatSaving test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_stat_saving.moc"

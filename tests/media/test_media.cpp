// The table's sound player over the recording output, where it looks for
// the sound files, and the real file dialogs of the statistics window.
#include "media/DialogFolder.h"
#include "media/MediaPlayer.h"
#include "media/Platform.h"
#include "media/SoundFolder.h"
#include "tests/support/FakePlatform.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include <condition_variable>
#include <csignal>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

using velmora::SoundPath;

namespace {

// Runs `ask`, which shows a real file dialog, and answers the dialog from a
// timer as a player would: `act` on it until it returns true, then Cancel if
// the dialog is still open. Any message box that comes up meanwhile is noted
// in `boxes` and closed.
QString Answer(const std::function<QString()>& ask, const std::function<bool(QFileDialog&)>& act,
               QStringList& boxes) {
  QTimer timer;
  bool done = false;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      boxes << box->windowTitle() + '|' + box->text();
      box->reject();
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      done ? dialog->reject() : void(done = act(*dialog));
    }
  });
  timer.start(50);
  return ask();
}

// Types `name` in `folder` and presses Open or Save.
std::function<bool(QFileDialog&)> Typed(const QString& folder, const QString& name) {
  return [folder, name](QFileDialog& dialog) {
    dialog.setDirectory(folder);
    dialog.findChild<QLineEdit*>("fileNameEdit")->setText(name);
    // Later, so that a box the dialog shows is answered by the timer.
    QMetaObject::invokeMethod(&dialog, "accept", Qt::QueuedConnection);
    return true;
  };
}

// A file that everyone who opens it waits for, for up to `limit`, as for a
// file on a hung network mount: it is held under a write lease, which makes
// the opener wait for the holder to give it up.
class WaitedForFile {
 public:
  WaitedForFile(const QString& path, std::chrono::seconds limit)
      : descriptor_(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC)),
        held_(descriptor_ >= 0 && ::fcntl(descriptor_, F_SETLEASE, F_WRLCK) == 0),
        holder_([this, limit](std::stop_token stop) {
          std::mutex mutex;
          std::unique_lock lock(mutex);
          std::condition_variable_any().wait_for(lock, stop, limit, [] { return false; });
          ::close(descriptor_);
        }) {}
  bool Held() const { return held_; }

 private:
  int descriptor_;
  bool held_;
  std::jthread holder_;
};

}  // namespace

class TestMedia : public QObject {
  Q_OBJECT

 private slots:
  void playsOnlyTheFileItHasOpen() {
    QTemporaryDir dir;
    for (const char* name : {"shuffle.wav", "cardflip.wav", "plrwin.wav"}) {
      QVERIFY(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
    }
    velmora::testing::FakeSoundOutput output;
    velmora::TMediaPlayer player(output);
    QVERIFY(!player.Play() && !player.Open());  // no file named yet

    player.SetFileName(dir.filePath("shuffle.wav"));
    QVERIFY(player.Open());
    player.SetFileName(dir.filePath("cardflip.wav"));
    QVERIFY(player.Open());  // replaces the open file
    QVERIFY(player.Play());
    // A failed play is reported; the file stays open for the next one.
    output.failingPlay.insert("cardflip.wav");
    QVERIFY(!player.Play());
    output.failingPlay.clear();
    QVERIFY(player.Play());

    // A failed open must not leave the previous sound playable.
    player.SetFileName(dir.filePath("bust.wav"));
    QVERIFY(!player.Open());
    QVERIFY(!player.IsOpen() && !player.Play());

    player.SetFileName(dir.filePath("plrwin.wav"));
    QVERIFY(player.Open());
    player.Close();
    player.Close();
    QVERIFY(!player.Play());
    QCOMPARE(output.events,
             (std::vector<std::string>{"open shuffle.wav", "open cardflip.wav", "play cardflip.wav",
                                       "fail cardflip.wav", "play cardflip.wav",
                                       "fail-open bust.wav", "open plrwin.wav"}));
  }

  // A "sounds" folder under the working directory at the time of the call;
  // without one, the sounds installed beside the program, never a folder
  // found from the working directory.
  void soundPathFollowsTheWorkingDirectoryAtEachCall() {
    const QString before = QDir::currentPath();
    const QString installed = velmora::InstalledSoundFolder();
    QVERIFY(installed.startsWith(QDir::cleanPath(QCoreApplication::applicationDirPath() + "/..")));
    QVERIFY(installed.endsWith("/share/games/velmora/sounds"));
    QTemporaryDir withSounds;
    QVERIFY(QDir(withSounds.path()).mkdir("sounds"));
    QVERIFY(QDir::setCurrent(withSounds.path()));
    QCOMPARE(SoundPath("bust.wav"), QDir(withSounds.path()).filePath("sounds/bust.wav"));
    QTemporaryDir empty;
    QVERIFY(QDir::setCurrent(empty.path()));
    QCOMPARE(SoundPath("bust.wav"), installed + "/bust.wav");
    QVERIFY(QFile(QDir(empty.path()).filePath("sounds")).open(QIODevice::WriteOnly));  // a file
    QCOMPARE(SoundPath("shuffle.wav"), installed + "/shuffle.wav");
    QVERIFY(QDir::setCurrent(before));
  }

  // The statistics dialogs' folder, with a home of the test's own and the
  // settings in a scratch file, never the real user's.
  // A name typed for saving or for opening is the game's to judge, with the
  // default extension added: a file that does not exist is reported by the
  // game in its own words, never by Qt's. The dialogs leave the game's one
  // settings file behind, and nothing of Qt's own.
  void fileDialogsTakeAnyNameAndKeepOnlyTheGamesSettings() {
    QTemporaryDir folder;
    velmora::RealPlatform platform;
    const QString filter = "Velmora Game Stats (*.vlm)";
    QStringList boxes;
    const auto save = [&] { return platform.AskSaveFileName(nullptr, "Save", filter, "vlm"); };
    const auto open = [&] { return platform.AskOpenFileName(nullptr, "Open", filter, "vlm"); };
    QCOMPARE(Answer(save, Typed(folder.path(), "saved"), boxes), folder.filePath("saved.vlm"));
    const QString missing = Answer(open, Typed(folder.path(), "missing"), boxes);
    QCOMPARE(boxes.join('/'), QString());
    QCOMPARE(missing, folder.filePath("missing.vlm"));
    const auto acceptAsItIs = [](QFileDialog&) { return true; };
    QCOMPARE(Answer(open, acceptAsItIs, boxes), QString());

    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    QStringList kept;
    QDirIterator files(config, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
      kept << QDir(config).relativeFilePath(files.next());
    }
    QCOMPARE(kept.join(' '), QString("velmora/velmora.conf"));
    QSettings settings(velmora::GameSettingsFile(), QSettings::IniFormat);
    QCOMPARE(velmora::DialogStartFolder(settings), folder.path());
  }

  // The dialogs list a folder without opening its files: one that blocks
  // whoever opens it holds up neither the dialog nor the game.
  void fileDialogsNeverOpenTheFilesTheyList() {
    QTemporaryDir folder;
    const QString waitedFor = folder.filePath("k.vlm");
    QVERIFY(QFile(waitedFor).open(QIODevice::WriteOnly));
    const WaitedForFile lease(waitedFor, std::chrono::seconds(20));
    QVERIFY2(lease.Held(), "no lease on the test's file: its file system does not take them");
    velmora::RealPlatform platform;
    QElapsedTimer clock;
    clock.start();
    QString listedAs;
    QStringList boxes;
    Answer([&] { return platform.AskOpenFileName(nullptr, "Open", "(*.vlm)", "vlm"); },
           [&](QFileDialog& dialog) {
             if (dialog.directory() != QDir(folder.path())) {
               dialog.setDirectory(folder.path());
             }
             const auto* model = dialog.findChild<QFileSystemModel*>();
             listedAs = model->type(model->index(waitedFor));
             return !listedAs.isEmpty() || clock.elapsed() > 10'000;
           },
           boxes);
    QVERIFY2(clock.elapsed() < 10'000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(listedAs, QString("File"));
  }

  void dialogsStartInTheFolderUsedLastElseDocumentsElseHome() {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
    {
      QSettings settings(home.filePath("velmora.conf"), QSettings::IniFormat);
      QCOMPARE(velmora::DialogStartFolder(settings), home.path());
      QVERIFY(QDir(home.path()).mkdir("Documents"));
      QCOMPARE(velmora::DialogStartFolder(settings), home.filePath("Documents"));

      QVERIFY(QDir(home.path()).mkpath("games/poker"));
      velmora::RememberDialogFolder(settings, home.filePath("games/poker/Zoë.vlm"));
      // A cancelled dialog leaves the folder as it was.
      velmora::RememberDialogFolder(settings, QString());
      QCOMPARE(velmora::DialogStartFolder(settings), home.filePath("games/poker"));
    }
    {
      // Kept for the next run of the program.
      QSettings settings(home.filePath("velmora.conf"), QSettings::IniFormat);
      QCOMPARE(velmora::DialogStartFolder(settings), home.filePath("games/poker"));
      // A folder that has gone since is passed over.
      QVERIFY(QDir(home.filePath("games")).removeRecursively());
      QCOMPARE(velmora::DialogStartFolder(settings), home.filePath("Documents"));
    }
    qputenv("HOME", oldHome);
    oldConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
  }
};

int main(int argc, char** argv) {
  // A home and a configuration folder of the test's own: the real dialogs
  // keep what they keep there, never in the user's.
  const QTemporaryDir home;
  qputenv("HOME", QFile::encodeName(home.path()));
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
  // Opening a leased file signals its holder, this process, which carries on.
  std::signal(SIGIO, SIG_IGN);
  QApplication app(argc, argv);
  TestMedia test;
  return QTest::qExec(&test, argc, argv);
}
#include "test_media.moc"

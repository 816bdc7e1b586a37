// The table's sound player over a scripted output, and where it looks for
// the sound files.
#include "DialogFolder.h"
#include "MediaPlayer.h"
#include "SoundFolder.h"
#include "SoundOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

using velmora::SoundPath;
using velmora::TMediaPlayer;

namespace {

// Opens every path except those refused; counts the streams alive, so that a
// test can see whether the player ever holds two files at once.
struct ScriptedOutput final : velmora::SoundOutput {
  std::unique_ptr<velmora::SoundStream> Open(const std::string& path) override;

  std::set<std::string> refused;
  bool playsFail = false;
  std::vector<std::string> opened;
  std::vector<std::string> played;
  int alive = 0;
  int mostAlive = 0;
};

struct ScriptedStream final : velmora::SoundStream {
  ScriptedStream(ScriptedOutput& output, std::string file) : owner(output), path(std::move(file)) {
    owner.mostAlive = std::max(owner.mostAlive, ++owner.alive);
  }
  ~ScriptedStream() override { --owner.alive; }
  bool Play() override {
    owner.played.push_back(path);
    return !owner.playsFail;
  }

  ScriptedOutput& owner;
  std::string path;
};

std::unique_ptr<velmora::SoundStream> ScriptedOutput::Open(const std::string& path) {
  opened.push_back(path);
  return refused.count(path) != 0 ? nullptr : std::make_unique<ScriptedStream>(*this, path);
}

}  // namespace

class TestMedia : public QObject {
  Q_OBJECT

 private slots:
  void playsOnlyTheFileItHasOpen() {
    ScriptedOutput output;
    TMediaPlayer player(output);
    QVERIFY(!player.Play());
    QVERIFY(!player.Open());  // no file named yet
    QVERIFY(output.opened.empty());
    player.Close();

    player.SetFileName("/s/shuffle.wav");
    QVERIFY(player.Open());
    player.SetFileName("/s/cardflip.wav");
    QVERIFY(player.Open());  // replaces the open file
    QVERIFY(player.Play());
    QCOMPARE(output.mostAlive, 1);

    // A failed play is reported; the file stays open for the next one.
    output.playsFail = true;
    QVERIFY(!player.Play());
    output.playsFail = false;
    QVERIFY(player.Play());

    // A failed open must not leave the previous sound playable.
    output.refused.insert("/gone/bust.wav");
    player.SetFileName("/gone/bust.wav");
    QVERIFY(!player.Open());
    QVERIFY(!player.IsOpen());
    QCOMPARE(output.alive, 0);
    QVERIFY(!player.Play());

    player.SetFileName("/s/plrwin.wav");
    QVERIFY(player.Open());
    player.Close();
    player.Close();
    QCOMPARE(output.alive, 0);
    QVERIFY(!player.Play());
    QCOMPARE(output.played, std::vector<std::string>(3, "/s/cardflip.wav"));
  }

  // A "sounds" folder under the working directory at the time of the call;
  // without one, the sounds installed beside the program, never a folder
  // found from the working directory.
  void soundPathFollowsTheWorkingDirectoryAtEachCall() {
    const QString before = QDir::currentPath();
    const QString installed = velmora::InstalledSoundFolder();
    QVERIFY(installed.startsWith(QDir::cleanPath(QCoreApplication::applicationDirPath() + "/..")));
    QVERIFY(installed.endsWith("/share/games/velmora/sounds"));
    QTemporaryDir first;
    QTemporaryDir second;
    for (const QTemporaryDir* dir : {&first, &second}) {
      QVERIFY(QDir(dir->path()).mkdir("sounds"));
      QVERIFY(QDir::setCurrent(dir->path()));
      QCOMPARE(SoundPath("bust.wav"), QDir(dir->path()).filePath("sounds/bust.wav"));
    }
    QTemporaryDir empty;
    QVERIFY(QDir::setCurrent(empty.path()));
    QCOMPARE(SoundPath("bust.wav"), installed + "/bust.wav");
    QFile plain(QDir(empty.path()).filePath("sounds"));  // a file, not the folder
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QCOMPARE(SoundPath("shuffle.wav"), installed + "/shuffle.wav");
    QVERIFY(QDir::setCurrent("/"));
    QCOMPARE(SoundPath("bust.wav"), installed + "/bust.wav");
    QVERIFY(QDir::setCurrent(before));
  }

  // The statistics dialogs' folder, with a home of the test's own and the
  // settings in a scratch file, never the real user's.
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

QTEST_GUILESS_MAIN(TestMedia)
#include "test_media.moc"

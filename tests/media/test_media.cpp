// The table's sound player over the recording output, and where it looks for
// the sound files.
#include "DialogFolder.h"
#include "FakePlatform.h"
#include "MediaPlayer.h"
#include "SoundFolder.h"

#include <QtTest>

#include <string>
#include <vector>

using velmora::SoundPath;

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

// The table's sound player over a scripted output, and where it looks for
// the sound files.
#include "MediaPlayer.h"
#include "SoundOutput.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

using velmora::SoundOutput;
using velmora::SoundPath;
using velmora::SoundStream;
using velmora::TMediaPlayer;

namespace {

// Opens every path except those listed as refused; counts the streams alive
// so that a test can see whether the player ever holds two files at once.
class ScriptedOutput final : public SoundOutput {
 public:
  std::unique_ptr<SoundStream> Open(const std::string& path) override;

  std::set<std::string> refused;
  bool playsFail = false;
  std::vector<std::string> opened;
  std::vector<std::string> played;
  int alive = 0;
  int mostAlive = 0;
};

class ScriptedStream final : public SoundStream {
 public:
  ScriptedStream(ScriptedOutput& owner, std::string path) : owner_(owner), path_(std::move(path)) {
    owner_.mostAlive = std::max(owner_.mostAlive, ++owner_.alive);
  }
  ~ScriptedStream() override { --owner_.alive; }
  bool Play() override {
    owner_.played.push_back(path_);
    return !owner_.playsFail;
  }

 private:
  ScriptedOutput& owner_;
  std::string path_;
};

std::unique_ptr<SoundStream> ScriptedOutput::Open(const std::string& path) {
  opened.push_back(path);
  if (refused.count(path) != 0) {
    return nullptr;
  }
  return std::make_unique<ScriptedStream>(*this, path);
}

}  // namespace

class TestMedia : public QObject {
  Q_OBJECT

 private slots:
  void playingNeedsAnOpenFile() {
    ScriptedOutput output;
    TMediaPlayer player(output);
    QVERIFY(!player.Play());
    QVERIFY(!player.Open());  // no file named yet
    QVERIFY(output.opened.empty());
    player.Close();

    output.refused.insert("/gone/shuffle.wav");
    player.SetFileName("/gone/shuffle.wav");
    QVERIFY(!player.Open());
    QVERIFY(!player.Play());

    player.SetFileName("/s/cardflip.wav");
    QVERIFY(player.Open());
    QVERIFY(player.Play());
    player.Close();
    player.Close();
    QCOMPARE(output.alive, 0);
    QVERIFY(!player.Play());
    QCOMPARE(output.played, std::vector<std::string>{"/s/cardflip.wav"});
  }

  void openingAnotherFileReplacesTheOpenOne() {
    ScriptedOutput output;
    TMediaPlayer player(output);
    player.SetFileName("/s/shuffle.wav");
    QVERIFY(player.Open());
    player.SetFileName("/s/cardflip.wav");
    QVERIFY(player.Open());
    QVERIFY(player.Play());
    QCOMPARE(output.played, std::vector<std::string>{"/s/cardflip.wav"});
    QCOMPARE(output.mostAlive, 1);

    // A failed open must not leave the previous sound playable.
    output.refused.insert("/s/bust.wav");
    player.SetFileName("/s/bust.wav");
    QVERIFY(!player.Open());
    QVERIFY(!player.IsOpen());
    QCOMPARE(output.alive, 0);
    QVERIFY(!player.Play());
  }

  void aFailedPlayIsReportedAndTheFileStaysOpen() {
    ScriptedOutput output;
    TMediaPlayer player(output);
    player.SetFileName("/s/plrwin.wav");
    QVERIFY(player.Open());
    output.playsFail = true;
    QVERIFY(!player.Play());
    QVERIFY(player.IsOpen());
    output.playsFail = false;
    QVERIFY(player.Play());
  }

  void soundPathFollowsTheWorkingDirectoryAtEachCall() {
    const QString before = QDir::currentPath();
    QTemporaryDir first;
    QTemporaryDir second;
    QVERIFY(first.isValid() && second.isValid());

    QVERIFY(QDir::setCurrent(first.path()));
    QCOMPARE(SoundPath("shuffle.wav"), QDir(first.path()).filePath("sounds/shuffle.wav"));
    QVERIFY(QDir::setCurrent(second.path()));
    QCOMPARE(SoundPath("bust.wav"), QDir(second.path()).filePath("sounds/bust.wav"));
    // At the root there is no doubled separator.
    QVERIFY(QDir::setCurrent("/"));
    QCOMPARE(SoundPath("bust.wav"), QString("/sounds/bust.wav"));
    QVERIFY(QDir::setCurrent(before));
  }
};

QTEST_GUILESS_MAIN(TestMedia)
#include "test_media.moc"

// Plays through a real PulseAudio server (tools/audio-server.sh starts one
// with a silent sink) and listens to the sink's monitor to prove that the
// sound arrived, at its own loudness, and that playing blocked for its length.
#include "MediaPlayer.h"
#include "PulsePlayback.h"
#include "SoundOutput.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <signal.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <vector>

using velmora::CreateSystemSoundOutput;
using velmora::SoundPath;
using velmora::TMediaPlayer;

namespace {

struct Measured {
  double seconds = 0;
  double peak = 0;  // largest sample magnitude, full scale 1
};

Measured Measure(const QString& path) {
  SF_INFO info{};
  SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
  if (file == nullptr) {
    return {};
  }
  std::vector<float> frames(static_cast<std::size_t>(info.frames * info.channels));
  const sf_count_t read = sf_readf_float(file, frames.data(), info.frames);
  sf_close(file);
  Measured result{static_cast<double>(read) / info.samplerate, 0};
  for (const float sample : frames) {
    result.peak = std::max(result.peak, static_cast<double>(std::abs(sample)));
  }
  return result;
}

bool WriteSine(const QString& path, int format, int rate, int channels, double seconds) {
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = channels;
  info.format = SF_FORMAT_WAV | format;
  SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
  if (file == nullptr) {
    return false;
  }
  const auto count = static_cast<sf_count_t>(seconds * rate);
  std::vector<float> samples;
  for (sf_count_t i = 0; i < count; ++i) {
    const double value =
        0.5 * std::sin(2 * std::numbers::pi * 440.0 * static_cast<double>(i) / rate);
    samples.insert(samples.end(), static_cast<std::size_t>(channels), static_cast<float>(value));
  }
  const bool written = sf_writef_float(file, samples.data(), count) == count;
  sf_close(file);
  return written;
}

// Records the test sink's monitor into a wave file while it lives.
class Recorder {
 public:
  explicit Recorder(const QString& path) : path_(path) {
    process_.start(QStandardPaths::findExecutable("parec"),
                   {"-d", "test_sink.monitor", "--file-format=wav", "--latency-msec=20", path});
    started_ = process_.waitForStarted(3000);
    QThread::msleep(300);  // until the recording stream is connected
  }
  bool Started() const { return started_; }
  // Stops after the sound's tail has passed through the server; the peak heard.
  double StopAndMeasurePeak() {
    QThread::msleep(150);
    process_.terminate();
    process_.waitForFinished(3000);
    return Measure(path_).peak;
  }

 private:
  QString path_;
  QProcess process_;
  bool started_ = false;
};

struct Timed {
  bool played = false;
  qint64 milliseconds = 0;
  bool timerFiredDuringPlay = false;
  bool timerFiredAfterPlay = false;
};

// Plays with a 10 ms timer pending: playing runs no event loop, so the timer
// may fire only once events are processed afterwards.
template <typename PlayFunction>
Timed PlayTimed(PlayFunction play) {
  QObject timerOwner;
  bool fired = false;
  QTimer::singleShot(10, &timerOwner, [&fired] { fired = true; });
  QElapsedTimer clock;
  clock.start();
  Timed result;
  result.played = play();
  result.milliseconds = clock.elapsed();
  result.timerFiredDuringPlay = fired;
  result.timerFiredAfterPlay = QTest::qWaitFor([&fired] { return fired; }, 1000);
  return result;
}

std::unique_ptr<velmora::SoundStream> OpenFile(velmora::SoundOutput& output, const QString& path) {
  return output.Open(QFile::encodeName(path).toStdString());
}

// A play must never end early. A busy machine can only make it late, so a
// late play is measured once more before it counts as too slow.
void VerifyLength(qint64 milliseconds, double seconds, const std::function<bool()>& replay) {
  const double expected = seconds * 1000;
  if (milliseconds > expected + 400) {
    QElapsedTimer clock;
    clock.start();
    QVERIFY(replay());
    milliseconds = std::min(milliseconds, clock.elapsed());
  }
  QVERIFY2(milliseconds >= 0.9 * expected && milliseconds <= expected + 400,
           qPrintable(QString("played %1 ms for %2 ms of sound").arg(milliseconds).arg(expected)));
}

// Stops the test's audio server, as a hung or suspended one would be, and
// lets it go on again however the test ends.
class FrozenServer {
 public:
  FrozenServer() {
    QFile pidFile(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/pulse/pid");
    if (pidFile.open(QIODevice::ReadOnly)) {
      pid_ = pidFile.readAll().trimmed().toInt();
    }
    frozen_ = pid_ > 0 && ::kill(pid_, SIGSTOP) == 0;
  }
  ~FrozenServer() {
    if (frozen_) {
      ::kill(pid_, SIGCONT);
    }
  }
  FrozenServer(const FrozenServer&) = delete;
  FrozenServer& operator=(const FrozenServer&) = delete;
  bool Frozen() const { return frozen_; }

 private:
  pid_t pid_ = 0;
  bool frozen_ = false;
};

}  // namespace

class TestRealAudio : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (qEnvironmentVariable("VELMORA_AUDIO_SERVER") != "1") {
      QSKIP("No test audio server: run under tools/audio-server.sh (VELMORA_AUDIO_SERVER=1)");
    }
    QVERIFY(!QStandardPaths::findExecutable("parec").isEmpty());
    QVERIFY(work_.isValid());
  }

  void shippedSoundsPlayToTheirEnd_data() {
    QTest::addColumn<QString>("file");
    for (const char* file :
         {"shuffle.wav", "cardflip.wav", "plrwin.wav", "bethatch.wav", "bust.wav"}) {
      QTest::newRow(file) << QString(file);
    }
  }

  void shippedSoundsPlayToTheirEnd() {
    QFETCH(QString, file);
    // The game starts in the run folder and finds its sounds from there.
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(VELMORA_RUN_DIR));
    const QString path = SoundPath(file);
    QVERIFY(QDir::setCurrent(before));
    const Measured shipped = Measure(path);
    QVERIFY2(shipped.seconds > 0, qPrintable(path));

    const auto output = CreateSystemSoundOutput();
    TMediaPlayer player(*output);
    player.SetFileName(path);
    QVERIFY(player.Open());
    Recorder recorder(work_.filePath(file));
    QVERIFY(recorder.Started());
    const auto play = [&player] { return player.Play(); };
    const Timed timed = PlayTimed(play);
    const double heard = recorder.StopAndMeasurePeak();

    qInfo("%s: %lld ms played for %.0f ms of sound; peak heard %.3f, in the file %.3f",
          qPrintable(file), timed.milliseconds, shipped.seconds * 1000, heard, shipped.peak);
    QVERIFY(timed.played);
    QVERIFY(!timed.timerFiredDuringPlay);
    QVERIFY(timed.timerFiredAfterPlay);
    VerifyLength(timed.milliseconds, shipped.seconds, play);
    QVERIFY2(heard >= 0.5 * shipped.peak && heard <= shipped.peak + 0.05,
             qPrintable(QString("peak heard %1").arg(heard)));
    // Played again, the open sound starts over: it lasts as long once more.
    const Timed again = PlayTimed(play);
    QVERIFY(again.played);
    VerifyLength(again.milliseconds, shipped.seconds, play);
  }

  void everyCommonFormatPlaysAtItsLoudness_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::newRow("unsigned 8-bit mono 8 kHz") << int{SF_FORMAT_PCM_U8} << 8000 << 1;
    QTest::newRow("16-bit stereo 44.1 kHz") << int{SF_FORMAT_PCM_16} << 44100 << 2;
    QTest::newRow("24-bit mono 48 kHz") << int{SF_FORMAT_PCM_24} << 48000 << 1;
    QTest::newRow("32-bit stereo 22.05 kHz") << int{SF_FORMAT_PCM_32} << 22050 << 2;
    QTest::newRow("float mono 22.05 kHz") << int{SF_FORMAT_FLOAT} << 22050 << 1;
    QTest::newRow("double stereo 48 kHz") << int{SF_FORMAT_DOUBLE} << 48000 << 2;
  }

  void everyCommonFormatPlaysAtItsLoudness() {
    QFETCH(int, format);
    QFETCH(int, rate);
    QFETCH(int, channels);
    const QString path =
        work_.filePath(QString("sine-%1-%2-%3.wav").arg(format).arg(rate).arg(channels));
    QVERIFY(WriteSine(path, format, rate, channels, 0.3));

    const auto output = CreateSystemSoundOutput();
    const auto stream = OpenFile(*output, path);
    QVERIFY(stream != nullptr);
    Recorder recorder(path + ".heard.wav");
    const auto play = [&stream] { return stream->Play(); };
    const Timed timed = PlayTimed(play);
    const double heard = recorder.StopAndMeasurePeak();
    QVERIFY(timed.played);
    VerifyLength(timed.milliseconds, 0.3, play);
    // The sine peaks at 0.5: neither nearly silent nor stretched to full scale.
    QVERIFY2(heard > 0.4 && heard < 0.56, qPrintable(QString("peak heard %1").arg(heard)));
  }

  void brokenFilesAreRefused() {
    // A good file beside them opens, so the refusals are not just a missing server;
    // its folder name is not plain ASCII, which must not matter.
    const QString folder = work_.filePath("Sounds äöü");
    QVERIFY(QDir().mkpath(folder));
    const QString good = QDir(folder).filePath("good.wav");
    QVERIFY(WriteSine(good, SF_FORMAT_PCM_16, 44100, 1, 0.05));
    const auto output = CreateSystemSoundOutput();
    QVERIFY(OpenFile(*output, good) != nullptr);

    QFile source(good);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray wave = source.readAll();
    QByteArray noise;
    QRandomGenerator bytes(7);
    for (int i = 0; i < 1000; ++i) {
      const quint32 word = bytes.generate();
      noise.append(reinterpret_cast<const char*>(&word), sizeof word);
    }
    const std::vector<std::pair<QString, QByteArray>> broken = {
        {"empty.wav", {}},
        {"header-cut.wav", wave.left(30)},
        {"noise.wav", noise},
        {"text.wav", "This is not a sound.\n"},
        {"no-samples.wav", wave.left(44)},
    };
    for (const auto& [name, content] : broken) {
      QFile file(QDir(folder).filePath(name));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(content);
      file.close();
      QVERIFY2(OpenFile(*output, file.fileName()) == nullptr, qPrintable(name));
    }
    QVERIFY(OpenFile(*output, QDir(folder).filePath("missing.wav")) == nullptr);
    QVERIFY(OpenFile(*output, folder) == nullptr);
  }

  void withoutAServerOpeningFailsAtOnceAndRecoversLater() {
    const QString path = QDir(VELMORA_RUN_DIR).filePath("sounds/cardflip.wav");
    const auto output = CreateSystemSoundOutput();

    qputenv("PULSE_SERVER", "unix:/nonexistent/velmora-no-server");
    QElapsedTimer clock;
    clock.start();
    const bool opened = OpenFile(*output, path) != nullptr;
    const qint64 waited = clock.elapsed();
    qunsetenv("PULSE_SERVER");
    QVERIFY(!opened);
    QVERIFY2(waited < 1000, qPrintable(QString("refused after %1 ms").arg(waited)));

    // Each open connects anew, so a server that answers again is used again.
    QVERIFY(OpenFile(*output, path) != nullptr);
  }

  void frozenServerCostsNoMoreThanItsPatience() {
    const QString path = QDir(VELMORA_RUN_DIR).filePath("sounds/bust.wav");
    const auto output = CreateSystemSoundOutput();
    const auto opened = OpenFile(*output, path);
    QVERIFY(opened != nullptr);
    const qint64 patience = velmora::kServerPatience.count();
    {
      const FrozenServer frozen;
      QVERIFY(frozen.Frozen());
      // Mid-play: the sound lasts a second; the play fails once the patience is spent after it.
      QElapsedTimer clock;
      clock.start();
      QVERIFY(!opened->Play());
      const qint64 played = clock.elapsed();
      qInfo("frozen server: a 1000 ms play failed after %lld ms", played);
      QVERIFY2(played < 1000 + patience + 1000, qPrintable(QString("%1 ms").arg(played)));
      // Opening: refused once the server has not answered in time.
      clock.restart();
      QVERIFY(OpenFile(*output, path) == nullptr);
      const qint64 waited = clock.elapsed();
      qInfo("frozen server: opening was given up after %lld ms", waited);
      QVERIFY2(waited >= patience - 100 && waited < patience + 1000,
               qPrintable(QString("gave up after %1 ms").arg(waited)));
    }
    QVERIFY(OpenFile(*output, path) != nullptr);
  }

 private:
  QTemporaryDir work_;
};

QTEST_GUILESS_MAIN(TestRealAudio)
#include "test_real_audio.moc"

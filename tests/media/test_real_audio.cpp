// Plays through a real PulseAudio server (tools/audio-server.sh starts one
// with a silent sink) and listens to the sink's monitor to prove that the
// sound arrived, at its own loudness, and that playing blocked for its length;
// what a missing or frozen server costs, and that a slow one is waited for.
#include "media/MediaPlayer.h"
#include "media/PulsePlayback.h"
#include "media/SoundOutput.h"

#include <QtTest>

#include <signal.h>
#include <sndfile.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// The length in milliseconds and the peak (largest sample magnitude, full
// scale 1) of a wave file.
std::pair<double, double> Measure(const QString& path) {
  SF_INFO info{};
  SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
  std::vector<float> frames(file ? static_cast<std::size_t>(info.frames * info.channels) : 0);
  const sf_count_t read = file ? sf_readf_float(file, frames.data(), info.frames) : 0;
  sf_close(file);
  const auto magnitude = [](float sample) { return std::abs(sample); };
  const double peak = frames.empty() ? 0.0 : magnitude(std::ranges::max(frames, {}, magnitude));
  return {file ? 1000.0 * static_cast<double>(read) / info.samplerate : 0, peak};
}

// 0.3 s of a 440 Hz sine at half of full scale, in every channel. A
// WAVEFORMATEXTENSIBLE file (SF_FORMAT_WAVEX) names the channels' speakers.
bool WriteSine(const QString& path, int format, int rate, int channels,
               int container = SF_FORMAT_WAV) {
  SF_INFO info{0, rate, channels, container | format, 0, 0};
  SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
  const sf_count_t count = rate * 3 / 10;
  std::vector<float> samples;
  for (sf_count_t i = 0; i < count; ++i) {
    const double value = 0.5 * std::sin(2 * std::numbers::pi * 440.0 * i / rate);
    samples.insert(samples.end(), static_cast<std::size_t>(channels), static_cast<float>(value));
  }
  const bool written = file != nullptr && sf_writef_float(file, samples.data(), count) == count;
  sf_close(file);
  return written;
}

// Plays with a 10 ms timer pending; the milliseconds the play took, or -1 when
// it failed or let the timer fire: playing runs no event loop, so the timer
// may fire only once events are processed afterwards.
qint64 PlayTimed(velmora::TMediaPlayer& player) {
  QObject timerOwner;
  bool fired = false;
  QTimer::singleShot(10, &timerOwner, [&fired] { fired = true; });
  QElapsedTimer clock;
  clock.start();
  const bool played = player.Play();
  const qint64 milliseconds = clock.elapsed();
  const bool firedDuringPlay = fired;
  const bool firedAfterPlay = QTest::qWaitFor([&fired] { return fired; }, 1000);
  return played && !firedDuringPlay && firedAfterPlay ? milliseconds : -1;
}

// Runs pactl against the server PULSE_SERVER names; its output, or nothing
// when it failed.
std::optional<QString> Pactl(const QStringList& arguments) {
  QProcess pactl;
  pactl.start(QStandardPaths::findExecutable("pactl"), arguments);
  if (!pactl.waitForFinished(5000) || pactl.exitStatus() != QProcess::NormalExit ||
      pactl.exitCode() != 0) {
    return std::nullopt;
  }
  return QString::fromUtf8(pactl.readAllStandardOutput());
}

bool SinkBecomes(const char* state) {
  const auto listed = [state] {
    return Pactl({"list", "sinks", "short"}).value_or("").contains(state);
  };
  return QTest::qWaitFor(listed, 5000);
}

}  // namespace

class TestRealAudio : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (qEnvironmentVariable("VELMORA_AUDIO_SERVER") != "1") {
      QSKIP("No test audio server: run under tools/audio-server.sh (VELMORA_AUDIO_SERVER=1)");
    }
  }

  // The shipped sounds and a sine in each common format: each must be heard
  // near its own peak, neither nearly silent nor stretched to full scale.
  void soundsPlayToTheirEndAtTheirLoudness_data() {
    QTest::addColumn<QString>("path");
    for (const char* file :
         {"shuffle.wav", "cardflip.wav", "plrwin.wav", "bethatch.wav", "bust.wav"}) {
      QTest::newRow(file) << QDir(VELMORA_RUN_DIR).filePath(QString("sounds/") + file);
    }
    const std::tuple<const char*, int, int, int> formats[] = {
        {"unsigned 8-bit mono 8 kHz", SF_FORMAT_PCM_U8, 8000, 1},
        {"16-bit stereo 44.1 kHz", SF_FORMAT_PCM_16, 44100, 2},
        {"24-bit mono 48 kHz", SF_FORMAT_PCM_24, 48000, 1},
        {"float mono 22.05 kHz", SF_FORMAT_FLOAT, 22050, 1},
        {"32-bit stereo 48 kHz", SF_FORMAT_PCM_32, 48000, 2},
    };
    for (const auto& [name, format, rate, channels] : formats) {
      const QString path = work_.filePath(QString(name) + ".wav");
      QVERIFY(WriteSine(path, format, rate, channels));
      QTest::newRow(name) << path;
    }
    // More channels than the server has a layout of its own for, with their
    // speakers named and without.
    const std::tuple<const char*, int, int> surround[] = {{"7 channels", 7, SF_FORMAT_WAV},
                                                          {"8 channels named", 8, SF_FORMAT_WAVEX}};
    for (const auto& [name, channels, container] : surround) {
      const QString path = work_.filePath(QString(name) + ".wav");
      QVERIFY(WriteSine(path, SF_FORMAT_PCM_16, 48000, channels, container));
      QTest::newRow(name) << path;
    }
  }

  void soundsPlayToTheirEndAtTheirLoudness() {
    QFETCH(QString, path);
    const auto [expected, peak] = Measure(path);
    QVERIFY2(expected > 0, qPrintable(path));
    const auto output = velmora::CreateSystemSoundOutput();
    velmora::TMediaPlayer player(*output);
    player.SetFileName(path);
    QVERIFY(player.Open());
    // Recorded from the test sink's monitor: played again, the open sound
    // starts over and lasts as long once more.
    const QString recording = work_.filePath(QString(QTest::currentDataTag()) + ".heard.wav");
    QProcess parec;
    parec.start(QStandardPaths::findExecutable("parec"),
                {"-d", "test_sink.monitor", "--file-format=wav", "--latency-msec=20", recording});
    QVERIFY(parec.waitForStarted(3000));
    QThread::msleep(300);  // until the recording stream is connected
    std::array<qint64, 2> played{PlayTimed(player), PlayTimed(player)};
    QThread::msleep(150);  // until the sound's tail has passed through the server
    parec.terminate();
    parec.waitForFinished(3000);
    const double heard = Measure(recording).second;
    // A play must never end early. A busy machine can only make it late, so a
    // late play is measured once more before it counts as too slow.
    for (qint64 milliseconds : played) {
      if (milliseconds > expected + 400) {
        milliseconds = std::min(milliseconds, PlayTimed(player));
      }
      QVERIFY2(milliseconds >= 0.9 * expected && milliseconds <= expected + 400,
               qPrintable(QString("played %1 ms (-1: failed or ran the event loop) for %2 ms")
                              .arg(milliseconds)
                              .arg(expected)));
    }
    QVERIFY2(heard >= 0.8 * peak && heard <= peak + 0.06,
             qPrintable(QString("peak heard %1, in the file %2").arg(heard).arg(peak)));
  }

  // Without a server opening fails at once. A server that accepts the
  // connection but never answers, as a hung or suspended one does, costs no
  // more than its patience. Each open connects anew, so a server that answers
  // again is used again.
  void serversThatDoNotAnswerCostNoMoreThanTheirPatience() {
    const std::string bust = QDir(VELMORA_RUN_DIR).filePath("sounds/bust.wav").toStdString();
    const auto output = velmora::CreateSystemSoundOutput();
    qputenv("PULSE_SERVER", "unix:/nonexistent/velmora-no-server");
    QElapsedTimer clock;
    clock.start();
    QVERIFY(output->Open(bust) == nullptr);
    qunsetenv("PULSE_SERVER");
    QVERIFY2(clock.elapsed() < 1000,
             qPrintable(QString("refused after %1 ms").arg(clock.elapsed())));

    const auto opened = output->Open(bust);
    QVERIFY(opened != nullptr);
    const qint64 patience = velmora::kServerPatience.count();
    QFile pidFile(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/pulse/pid");
    QVERIFY(pidFile.open(QIODevice::ReadOnly));
    const pid_t server = pidFile.readAll().trimmed().toInt();
    QVERIFY(server > 0 && ::kill(server, SIGSTOP) == 0);
    {
      const auto resume = qScopeGuard([server] { ::kill(server, SIGCONT); });
      // Mid-play: the play fails once the server has been silent for its patience.
      clock.restart();
      QVERIFY(!opened->Play());
      QVERIFY2(clock.elapsed() < 1000 + patience + 1000,
               qPrintable(QString("a 1000 ms play failed after %1 ms").arg(clock.elapsed())));
      // Opening: refused once the server has not answered in time.
      clock.restart();
      QVERIFY(output->Open(bust) == nullptr);
      const qint64 waited = clock.elapsed();
      QVERIFY2(waited >= patience - 100 && waited < patience + 1000,
               qPrintable(QString("opening given up after %1 ms").arg(waited)));
    }
    QVERIFY(output->Open(bust) != nullptr);
  }

  // A server of its own, with nothing to keep its sink awake: the sink
  // suspends after a second of quiet, and each new stream wakes it and
  // starts about two seconds late (the null sink's block), as a hand's first
  // sounds meet it. A server that answers is waited for, however late its
  // sink wakes; one whose sink never plays costs the longest delay.
  void aSinkThatSleepsIsWaitedFor() {
    QTemporaryDir folder;
    QProcess server;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", folder.path());
    server.setProcessEnvironment(environment);
    const QString socket = folder.filePath("native");
    server.start(QStandardPaths::findExecutable("pulseaudio"),
                 {"-n", "--daemonize=no", "--exit-idle-time=-1",
                  "--load=module-native-protocol-unix socket=" + socket,
                  "--load=module-null-sink sink_name=sleepy rate=44100 channels=2",
                  "--load=module-suspend-on-idle timeout=1"});
    qputenv("PULSE_SERVER", ("unix:" + socket).toUtf8());
    const auto stop = qScopeGuard([&server] {
      qunsetenv("PULSE_SERVER");
      server.terminate();
      server.waitForFinished(5000);
    });
    QVERIFY(QTest::qWaitFor([] { return Pactl({"info"}).has_value(); }, 5000));

    const QDir sounds(QDir(VELMORA_RUN_DIR).filePath("sounds"));
    const auto output = velmora::CreateSystemSoundOutput();
    velmora::TMediaPlayer player(*output);
    // A hand's first sounds, each meeting the sink asleep.
    QVERIFY(SinkBecomes("SUSPENDED"));
    player.SetFileName(sounds.filePath("shuffle.wav"));
    QVERIFY(player.Open() && player.Play());
    player.Close();
    QVERIFY(SinkBecomes("SUSPENDED"));
    player.SetFileName(sounds.filePath("cardflip.wav"));
    QVERIFY(player.Open());
    for (int card = 0; card < 3; ++card) {
      QVERIFY2(player.Play(), qPrintable(QString("card %1").arg(card)));
    }
    // Held asleep while a stream is open, the sink wakes three seconds later.
    QVERIFY(player.Open());
    QVERIFY(Pactl({"suspend-sink", "sleepy", "1"}) && SinkBecomes("SUSPENDED"));
    QElapsedTimer clock;
    clock.start();
    {
      const std::jthread wake([] {
        std::this_thread::sleep_for(std::chrono::seconds(3));
        Pactl({"suspend-sink", "sleepy", "0"});
      });
      QVERIFY(player.Play());
    }
    QVERIFY2(clock.elapsed() >= 3000, qPrintable(QString("%1 ms").arg(clock.elapsed())));
    // Never woken: the play fails once the longest delay has passed.
    QVERIFY(Pactl({"suspend-sink", "sleepy", "1"}) && SinkBecomes("SUSPENDED"));
    clock.restart();
    QVERIFY(!player.Play());
    const qint64 longest = velmora::kLongestDelay.count();
    QVERIFY2(clock.elapsed() >= longest && clock.elapsed() < longest + 2000,
             qPrintable(QString("failed after %1 ms").arg(clock.elapsed())));
  }

 private:
  QTemporaryDir work_;
};

QTEST_GUILESS_MAIN(TestRealAudio)
#include "test_real_audio.moc"

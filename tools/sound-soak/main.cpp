// Plays hands at the real table in real time, its sounds going to the audio
// server, while recording what the server's sink played (MonitorRecorder.h):
// the welcome dialog is accepted with sound on, and each hand bets $1, waits
// as a player would, marks the first two cards and draws. Every play is
// printed with the second of the recording it started at, so that the
// recording can be measured sound by sound; the last line says whether sound
// was still on. Run it with tools/sound-soak.sh.
//
// Usage: velmora-sound-soak HANDS MONITOR_SOURCE RECORDING.wav

#include "app/ProgramWindows.h"
#include "hand/GameState.h"
#include "media/ScriptedPlatform.h"
#include "table/MainForm.h"
#include "tools/sound-soak/MonitorRecorder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextStream>
#include <QThread>

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace velmora {
namespace {

// How long the player looks before betting and before drawing: long enough
// for an idle sink to fall asleep.
constexpr int kThinkMilliseconds = 2000;
// The longest a step of a hand may take, slow sounds included.
constexpr int kStepMilliseconds = 60'000;

// Prints every play with the second of the recording it started at.
class LoggedSound final : public SoundOutput {
 public:
  explicit LoggedSound(const MonitorRecorder& recorder) : recorder_(recorder) {}

  std::unique_ptr<SoundStream> Open(const std::string& path) override {
    const std::string name = std::filesystem::path(path).filename().string();
    auto stream = system_->Open(path);
    if (!stream) {
      std::printf("open-failed %s\n", name.c_str());
      std::fflush(stdout);
      return nullptr;
    }
    return std::make_unique<Logged>(*this, std::move(stream), name);
  }

 private:
  class Logged final : public SoundStream {
   public:
    Logged(LoggedSound& owner, std::unique_ptr<SoundStream> stream, std::string name)
        : owner_(owner), stream_(std::move(stream)), name_(std::move(name)) {}
    bool Play() override {
      using Seconds = std::chrono::duration<double>;
      const auto started = MonitorRecorder::Clock::now();
      const bool played = stream_->Play();
      const auto ended = MonitorRecorder::Clock::now();
      std::printf("play %d %s %.3f %.3f %s\n", ++owner_.plays_, name_.c_str(),
                  Seconds(started - owner_.recorder_.Started()).count(),
                  Seconds(ended - started).count(), played ? "ok" : "FAILED");
      std::fflush(stdout);
      return played;
    }

   private:
    LoggedSound& owner_;
    std::unique_ptr<SoundStream> stream_;
    std::string name_;
  };

  const MonitorRecorder& recorder_;
  std::unique_ptr<SoundOutput> system_ = CreateSystemSoundOutput();
  int plays_ = 0;
};

class SoakPlatform final : public ScriptedPlatform {
 public:
  explicit SoakPlatform(SoundOutput& sound) : sound_(sound) {}
  std::int64_t CalendarSeconds() override { return QDateTime::currentSecsSinceEpoch(); }
  SoundOutput& Sound() override { return sound_; }

 private:
  SoundOutput& sound_;
};

bool BettingOpen(const TMainForm& form) {
  return !form.Bet->isHidden() && form.Bet->isEnabled() && form.BetEdit->isEnabled();
}

bool ChoosingDiscards(const TMainForm& form) {
  return !form.Draw->isHidden() && form.Draw->isEnabled();
}

int Soak(int hands, SoakPlatform& platform, GameState& state, TMainForm& form) {
  platform.onModal = [](QDialog& dialog) {
    dialog.findChild<QCheckBox*>("SoundCheck")->setChecked(true);
    dialog.findChild<QAbstractButton*>("OK")->click();
  };
  form.SplashTimeTimer();
  platform.onModal = nullptr;
  int played = 0;
  for (; played < hands; ++played) {
    if (!QTest::qWaitFor([&form] { return BettingOpen(form); }, kStepMilliseconds)) {
      break;
    }
    QTest::qWait(kThinkMilliseconds);
    form.BetEdit->setText("1");
    form.BetClick();
    if (!QTest::qWaitFor([&form] { return ChoosingDiscards(form); }, kStepMilliseconds)) {
      break;
    }
    QTest::qWait(kThinkMilliseconds);
    form.PlrCardClick(0);
    form.PlrCardClick(1);
    form.DrawClick();
  }
  const bool settled = QTest::qWaitFor([&form] { return BettingOpen(form); }, kStepMilliseconds);
  const bool soundOn = state.SoundOn && form.Sound->isChecked();
  std::printf("hands %d sound %s\n", played, soundOn ? "on" : "off");
  return played == hands && settled && soundOn ? 0 : 1;
}

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 4) {
    QTextStream(stderr) << "usage: velmora-sound-soak HANDS MONITOR_SOURCE RECORDING.wav\n";
    return 2;
  }
  const auto recorder = velmora::MonitorRecorder::Start(argv[2]);
  if (!recorder) {
    QTextStream(stderr) << "velmora-sound-soak: cannot record " << argv[2] << "\n";
    return 2;
  }
  velmora::LoggedSound sound(*recorder);
  velmora::SoakPlatform platform(sound);
  velmora::GameState state;
  velmora::ProgramWindows windows(platform, state);
  const int status = velmora::Soak(QString(argv[1]).toInt(), platform, state, windows.MainForm());
  QThread::msleep(500);  // until the last sound has come back from the monitor
  if (!recorder->Save(argv[3])) {
    QTextStream(stderr) << "velmora-sound-soak: cannot write " << argv[3] << "\n";
    return 2;
  }
  return status;
}

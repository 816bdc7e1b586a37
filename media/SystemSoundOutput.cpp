// Plays wave files through PulseAudio. Opening reads the file's header and
// connects the playback stream, so that a missing, broken or over-long file
// and a missing or silent audio server are all refused there; the samples
// are read and handed to the server a block at a time while the sound plays.
// Playing blocks the calling thread until the last sample has left the
// server's buffer and runs no event loop, so none of the table's timers can
// fire while a sound plays. A slow server is waited for (PulsePlayback.h):
// only one that falls silent, or is later than kLongestDelay, fails the play.
#include "media/PulsePlayback.h"
#include "media/SoundFile.h"
#include "media/SoundOutput.h"
#include "media/SpeakerLayout.h"

#include <chrono>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

namespace {

class PulseSoundStream final : public SoundStream {
 public:
  PulseSoundStream(std::unique_ptr<SoundFile> file, std::unique_ptr<PulsePlayback> playback)
      : file_(std::move(file)), playback_(std::move(playback)) {}

  bool Play() override {
    const auto limit = std::chrono::steady_clock::now() + file_->Length() + kLongestDelay;
    if (!file_->Rewind()) {
      return false;
    }
    for (;;) {
      if (!file_->ReadBlock(block_)) {
        return false;
      }
      if (block_.empty()) {
        break;
      }
      if (!playback_->Write(block_.data(), block_.size(), limit)) {
        return false;
      }
    }
    return playback_->Drain(limit);
  }

 private:
  std::unique_ptr<SoundFile> file_;
  std::unique_ptr<PulsePlayback> playback_;
  std::vector<std::int16_t> block_;
};

class SystemSoundOutput final : public SoundOutput {
 public:
  std::unique_ptr<SoundStream> Open(const std::string& path) override {
    auto file = SoundFile::Open(path);
    if (!file) {
      return nullptr;
    }
    auto playback = PulsePlayback::Connect(
        file->SampleRate(), SpeakerLayout(file->Channels(), file->ChannelPositions()),
        std::chrono::steady_clock::now() + kLongestDelay);
    if (!playback) {
      return nullptr;
    }
    return std::make_unique<PulseSoundStream>(std::move(file), std::move(playback));
  }
};

}  // namespace

std::unique_ptr<SoundOutput> CreateSystemSoundOutput() {
  return std::make_unique<SystemSoundOutput>();
}

}  // namespace velmora

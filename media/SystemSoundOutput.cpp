// Plays wave files through PulseAudio. The whole file is decoded up front so
// that a broken file is refused when it is opened rather than half-way through
// a sound, and the playback stream is connected at the same moment so that a
// missing audio server is refused there too. Playing blocks the calling thread
// until the last sample has left the server's buffer and runs no event loop,
// so none of the table's timers can fire while a sound plays.
#include "SoundOutput.h"

#include <pulse/sample.h>
#include <pulse/simple.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

namespace {

// A small target buffer: with the server's default of about two seconds the
// drain at the end of a sound would return long after the sound has ended.
constexpr pa_usec_t kTargetLatencyUsec = 50'000;

struct DecodedSound {
  int sampleRate = 0;
  int channels = 0;
  std::vector<std::int16_t> samples;  // interleaved
};

struct SndfileCloser {
  void operator()(SNDFILE* file) const { sf_close(file); }
};

struct PulseCloser {
  void operator()(pa_simple* stream) const { pa_simple_free(stream); }
};

using PulseStream = std::unique_ptr<pa_simple, PulseCloser>;

std::int16_t ToSample(float value) {
  if (std::isnan(value)) {
    return 0;  // a damaged float file must not turn into noise
  }
  const float scaled = std::clamp(value, -1.0F, 1.0F) * 32767.0F;
  return static_cast<std::int16_t>(std::lround(scaled));
}

std::optional<DecodedSound> Decode(const std::string& path) {
  SF_INFO info{};
  const std::unique_ptr<SNDFILE, SndfileCloser> file(sf_open(path.c_str(), SFM_READ, &info));
  // More channels than the server can take is refused before anything is read.
  if (!file || info.channels <= 0 || info.channels > static_cast<int>(PA_CHANNELS_MAX) ||
      info.samplerate <= 0) {
    return std::nullopt;
  }
  DecodedSound sound;
  sound.sampleRate = info.samplerate;
  sound.channels = info.channels;
  // Every format is read as floats in -1..1 and converted here: libsndfile's
  // own float-to-short reading either leaves float files nearly silent or
  // stretches them to full scale, and neither keeps the file's loudness.
  // Blocks are read rather than trusting the header's frame count, so that a
  // damaged header does not decide how much memory is taken.
  constexpr sf_count_t kBlockFrames = 4096;
  std::vector<float> block(static_cast<std::size_t>(kBlockFrames * info.channels));
  for (;;) {
    const sf_count_t frames = sf_readf_float(file.get(), block.data(), kBlockFrames);
    if (frames <= 0) {
      break;
    }
    const auto count = static_cast<std::size_t>(frames * info.channels);
    for (std::size_t i = 0; i < count; ++i) {
      sound.samples.push_back(ToSample(block[i]));
    }
  }
  if (sf_error(file.get()) != SF_ERR_NO_ERROR || sound.samples.empty()) {
    return std::nullopt;
  }
  return sound;
}

PulseStream Connect(const DecodedSound& sound) {
  pa_sample_spec sampleSpec{};
  sampleSpec.format = PA_SAMPLE_S16NE;
  sampleSpec.rate = static_cast<std::uint32_t>(sound.sampleRate);
  sampleSpec.channels = static_cast<std::uint8_t>(sound.channels);
  if (pa_sample_spec_valid(&sampleSpec) == 0) {
    return nullptr;
  }
  pa_buffer_attr attr{};
  attr.maxlength = static_cast<std::uint32_t>(-1);
  attr.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(kTargetLatencyUsec, &sampleSpec));
  attr.prebuf = static_cast<std::uint32_t>(-1);
  attr.minreq = static_cast<std::uint32_t>(-1);
  attr.fragsize = static_cast<std::uint32_t>(-1);
  int error = 0;
  return PulseStream(pa_simple_new(nullptr, "Velmora", PA_STREAM_PLAYBACK, nullptr, "sound effect",
                                   &sampleSpec, nullptr, &attr, &error));
}

class PulseSoundStream final : public SoundStream {
 public:
  PulseSoundStream(DecodedSound sound, PulseStream stream)
      : sound_(std::move(sound)), stream_(std::move(stream)) {}

  bool Play() override {
    int error = 0;
    const std::size_t bytes = sound_.samples.size() * sizeof(std::int16_t);
    if (pa_simple_write(stream_.get(), sound_.samples.data(), bytes, &error) < 0) {
      return false;
    }
    return pa_simple_drain(stream_.get(), &error) >= 0;
  }

 private:
  DecodedSound sound_;
  PulseStream stream_;
};

class SystemSoundOutput final : public SoundOutput {
 public:
  std::unique_ptr<SoundStream> Open(const std::string& path) override {
    auto sound = Decode(path);
    if (!sound) {
      return nullptr;
    }
    auto stream = Connect(*sound);
    if (!stream) {
      return nullptr;
    }
    return std::make_unique<PulseSoundStream>(std::move(*sound), std::move(stream));
  }
};

}  // namespace

std::unique_ptr<SoundOutput> CreateSystemSoundOutput() {
  return std::make_unique<SystemSoundOutput>();
}

}  // namespace velmora

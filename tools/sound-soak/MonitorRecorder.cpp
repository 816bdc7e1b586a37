#include "tools/sound-soak/MonitorRecorder.h"

#include <pulse/pulseaudio.h>
#include <sndfile.h>

#include <algorithm>
#include <cstdlib>

namespace velmora {

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kFrameBytes = kChannels * 2;
// Small fragments, so that a block arrives about when the sink played it.
// Without PA_STREAM_ADJUST_LATENCY this sets no latency on the sink.
constexpr pa_usec_t kFragmentUsec = 10'000;

}  // namespace

std::unique_ptr<MonitorRecorder> MonitorRecorder::Start(const std::string& source) {
  std::unique_ptr<MonitorRecorder> recorder(new MonitorRecorder());
  recorder->loop_ = pa_threaded_mainloop_new();
  if (recorder->loop_ == nullptr) {
    return nullptr;
  }
  pa_threaded_mainloop* loop = recorder->loop_;
  recorder->context_ = pa_context_new(pa_threaded_mainloop_get_api(loop), "velmora-sound-soak");
  pa_context* context = recorder->context_;
  const auto signal = [](auto*, void* mainloop) {
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(mainloop), 0);
  };
  pa_context_set_state_callback(context, signal, loop);
  if (pa_context_connect(context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0 ||
      pa_threaded_mainloop_start(loop) < 0) {
    return nullptr;
  }
  pa_threaded_mainloop_lock(loop);
  while (PA_CONTEXT_IS_GOOD(pa_context_get_state(context)) &&
         pa_context_get_state(context) != PA_CONTEXT_READY) {
    pa_threaded_mainloop_wait(loop);
  }
  bool ready = pa_context_get_state(context) == PA_CONTEXT_READY;
  if (ready) {
    const pa_sample_spec format{PA_SAMPLE_S16LE, kRate, kChannels};
    recorder->stream_ = pa_stream_new(context, "monitor recording", &format, nullptr);
    pa_stream* stream = recorder->stream_;
    pa_stream_set_state_callback(stream, signal, loop);
    pa_stream_set_read_callback(
        stream,
        [](pa_stream* from, std::size_t, void* self) {
          const void* data = nullptr;
          std::size_t bytes = 0;
          while (pa_stream_peek(from, &data, &bytes) == 0 && bytes > 0) {
            static_cast<MonitorRecorder*>(self)->Take(data, bytes);
            pa_stream_drop(from);
          }
        },
        recorder.get());
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.fragsize = static_cast<std::uint32_t>(pa_usec_to_bytes(kFragmentUsec, &format));
    recorder->started_ = Clock::now();
    pa_stream_connect_record(stream, source.c_str(), &attr, PA_STREAM_DONT_INHIBIT_AUTO_SUSPEND);
    while (PA_STREAM_IS_GOOD(pa_stream_get_state(stream)) &&
           pa_stream_get_state(stream) != PA_STREAM_READY) {
      pa_threaded_mainloop_wait(loop);
    }
    ready = pa_stream_get_state(stream) == PA_STREAM_READY;
  }
  pa_threaded_mainloop_unlock(loop);
  return ready ? std::move(recorder) : nullptr;
}

// Runs on the main loop's thread. A block ends about now; where blocks
// overlap, the louder sample stays.
void MonitorRecorder::Take(const void* data, std::size_t bytes) {
  if (data == nullptr) {
    return;  // a hole: nothing was played
  }
  const auto frames = bytes / kFrameBytes;
  const auto elapsed = std::chrono::duration<double>(Clock::now() - started_).count();
  const auto end = static_cast<std::size_t>(elapsed * kRate);
  const std::size_t first = (end > frames ? end - frames : 0) * kChannels;
  const auto* block = static_cast<const short*>(data);
  const std::lock_guard lock(mutex_);
  samples_.resize(std::max(samples_.size(), first + frames * kChannels));
  for (std::size_t k = 0; k < frames * kChannels; ++k) {
    short& sample = samples_[first + k];
    if (std::abs(block[k]) > std::abs(sample)) {
      sample = block[k];
    }
  }
}

bool MonitorRecorder::Save(const std::string& path) {
  const std::lock_guard lock(mutex_);
  SF_INFO info{0, kRate, kChannels, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  const auto frames = static_cast<sf_count_t>(samples_.size() / kChannels);
  const bool written = file != nullptr && sf_writef_short(file, samples_.data(), frames) == frames;
  sf_close(file);
  return written;
}

MonitorRecorder::~MonitorRecorder() {
  if (loop_ != nullptr) {
    pa_threaded_mainloop_stop(loop_);
  }
  if (stream_ != nullptr) {
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
  }
  if (context_ != nullptr) {
    pa_context_disconnect(context_);
    pa_context_unref(context_);
  }
  if (loop_ != nullptr) {
    pa_threaded_mainloop_free(loop_);
  }
}

}  // namespace velmora

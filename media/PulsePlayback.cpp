#include "PulsePlayback.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <climits>

namespace velmora {

namespace {

// A small target buffer: with the server's default of about two seconds the
// drain at the end of a sound would return long after the sound has ended.
constexpr pa_usec_t kTargetLatencyUsec = 50'000;

void DrainFinished(pa_stream*, int success, void* result) {
  *static_cast<int*>(result) = success != 0 ? 1 : 0;
}

}  // namespace

PulsePlayback::PulsePlayback() = default;

PulsePlayback::~PulsePlayback() {
  if (stream_ != nullptr) {
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
  }
  if (context_ != nullptr) {
    pa_context_disconnect(context_);
    pa_context_unref(context_);
  }
  if (loop_ != nullptr) {
    pa_mainloop_free(loop_);
  }
}

bool PulsePlayback::Broken() const {
  if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context_))) {
    return true;
  }
  return stream_ != nullptr && !PA_STREAM_IS_GOOD(pa_stream_get_state(stream_));
}

// Runs the main loop until `done` holds; false when the connection breaks or
// the deadline passes first.
template <typename Done>
bool PulsePlayback::RunUntil(Done done, Deadline deadline) {
  while (!done()) {
    if (Broken()) {
      return false;
    }
    const auto left = std::chrono::duration_cast<std::chrono::microseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      return false;
    }
    const auto timeout = static_cast<int>(std::min<std::int64_t>(left.count(), INT_MAX));
    if (pa_mainloop_prepare(loop_, timeout) < 0 || pa_mainloop_poll(loop_) < 0 ||
        pa_mainloop_dispatch(loop_) < 0) {
      return false;
    }
  }
  return true;
}

std::unique_ptr<PulsePlayback> PulsePlayback::Connect(int sampleRate, int channels,
                                                      Deadline deadline) {
  pa_sample_spec sampleFormat{};
  sampleFormat.format = PA_SAMPLE_S16NE;
  sampleFormat.rate = static_cast<std::uint32_t>(sampleRate);
  sampleFormat.channels = static_cast<std::uint8_t>(channels);
  if (channels <= 0 || channels > static_cast<int>(PA_CHANNELS_MAX) ||
      pa_sample_spec_valid(&sampleFormat) == 0) {
    return nullptr;
  }
  std::unique_ptr<PulsePlayback> playback(new PulsePlayback());
  playback->loop_ = pa_mainloop_new();
  if (playback->loop_ == nullptr) {
    return nullptr;
  }
  playback->context_ = pa_context_new(pa_mainloop_get_api(playback->loop_), "Velmora");
  if (playback->context_ == nullptr ||
      pa_context_connect(playback->context_, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0) {
    return nullptr;
  }
  pa_context* context = playback->context_;
  if (!playback->RunUntil([context] { return pa_context_get_state(context) == PA_CONTEXT_READY; },
                          deadline)) {
    return nullptr;
  }

  playback->stream_ = pa_stream_new(context, "sound effect", &sampleFormat, nullptr);
  if (playback->stream_ == nullptr) {
    return nullptr;
  }
  pa_buffer_attr attr{};
  attr.maxlength = static_cast<std::uint32_t>(-1);
  attr.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(kTargetLatencyUsec, &sampleFormat));
  attr.prebuf = static_cast<std::uint32_t>(-1);
  attr.minreq = static_cast<std::uint32_t>(-1);
  attr.fragsize = static_cast<std::uint32_t>(-1);
  const auto flags = static_cast<pa_stream_flags_t>(
      PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_ADJUST_LATENCY | PA_STREAM_AUTO_TIMING_UPDATE);
  if (pa_stream_connect_playback(playback->stream_, nullptr, &attr, flags, nullptr, nullptr) < 0) {
    return nullptr;
  }
  pa_stream* stream = playback->stream_;
  if (!playback->RunUntil([stream] { return pa_stream_get_state(stream) == PA_STREAM_READY; },
                          deadline)) {
    return nullptr;
  }
  return playback;
}

bool PulsePlayback::Write(const std::int16_t* samples, std::size_t count, Deadline deadline) {
  const auto* bytes = reinterpret_cast<const char*>(samples);
  std::size_t left = count * sizeof(std::int16_t);
  while (left > 0) {
    pa_stream* stream = stream_;
    if (!RunUntil([stream] { return pa_stream_writable_size(stream) > 0; }, deadline)) {
      return false;
    }
    const std::size_t room = pa_stream_writable_size(stream_);
    if (room == static_cast<std::size_t>(-1)) {
      return false;
    }
    // Whole frames only; libpulse copies what it is given.
    const std::size_t frameBytes = pa_frame_size(pa_stream_get_sample_spec(stream_));
    std::size_t chunk = std::min(room, left);
    if (chunk < left) {
      chunk -= chunk % frameBytes;
      if (chunk == 0) {
        chunk = std::min(frameBytes, left);
      }
    }
    if (pa_stream_write(stream_, bytes, chunk, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
      return false;
    }
    bytes += chunk;
    left -= chunk;
  }
  return true;
}

bool PulsePlayback::Drain(Deadline deadline) {
  int result = -1;  // -1 while the server has not answered
  pa_operation* drain = pa_stream_drain(stream_, DrainFinished, &result);
  if (drain == nullptr) {
    return false;
  }
  const bool answered = RunUntil([&result] { return result != -1; }, deadline);
  if (!answered) {
    pa_operation_cancel(drain);  // the callback must not run after `result` is gone
  }
  pa_operation_unref(drain);
  return answered && result == 1;
}

}  // namespace velmora

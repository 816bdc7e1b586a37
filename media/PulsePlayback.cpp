#include "media/PulsePlayback.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <climits>

namespace velmora {

namespace {

// A small target buffer: with the server's default of about two seconds the
// drain at the end of a sound would return long after the sound has ended.
constexpr pa_usec_t kTargetLatencyUsec = 50'000;

// How often a server that has gone quiet is asked how far it has played.
constexpr std::chrono::milliseconds kQuestionInterval{250};

PulsePlayback* Self(void* self) {
  return static_cast<PulsePlayback*>(self);
}

}  // namespace

PulsePlayback::PulsePlayback() = default;

PulsePlayback::~PulsePlayback() {
  if (question_ != nullptr) {
    pa_operation_cancel(question_);
    pa_operation_unref(question_);
  }
  if (stream_ != nullptr) {
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    pa_stream_set_latency_update_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
  }
  if (context_ != nullptr) {
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
  }
  if (loop_ != nullptr) {
    pa_mainloop_free(loop_);
  }
}

void PulsePlayback::Answered(void* self) {
  Self(self)->lastAnswer_ = Clock::now();
}

bool PulsePlayback::Broken() const {
  if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context_))) {
    return true;
  }
  return stream_ != nullptr && !PA_STREAM_IS_GOOD(pa_stream_get_state(stream_));
}

// One pass of the main loop, waiting for the server at most until `wake`.
bool PulsePlayback::Iterate(Deadline wake) {
  const auto left =
      std::chrono::duration_cast<std::chrono::microseconds>(wake - Clock::now()).count();
  const auto timeout = static_cast<int>(std::clamp<std::int64_t>(left, 0, INT_MAX));
  return pa_mainloop_prepare(loop_, timeout) >= 0 && pa_mainloop_poll(loop_) >= 0 &&
         pa_mainloop_dispatch(loop_) >= 0;
}

PulsePlayback::Deadline PulsePlayback::AskHowFarPlayed(Clock::time_point now) {
  if (question_ != nullptr && pa_operation_get_state(question_) != PA_OPERATION_RUNNING) {
    pa_operation_unref(question_);
    question_ = nullptr;
  }
  if (question_ != nullptr || stream_ == nullptr ||
      pa_stream_get_state(stream_) != PA_STREAM_READY) {
    return Deadline::max();  // nothing to ask yet, or the answer is awaited
  }
  if (now < lastQuestion_ + kQuestionInterval) {
    return lastQuestion_ + kQuestionInterval;
  }
  lastQuestion_ = now;
  question_ = pa_stream_update_timing_info(
      stream_, [](pa_stream*, int, void* self) { Answered(self); }, this);
  return Deadline::max();
}

// Runs the main loop until `done` holds; false when the connection breaks,
// the server stays silent for kServerPatience or `limit` passes first.
template <typename Done>
bool PulsePlayback::RunUntil(Done done, Deadline limit) {
  // The patience counts from now: nothing was owed while the game was not asking.
  lastAnswer_ = std::max(lastAnswer_, Clock::now());
  bool lastLook = false;
  for (;;) {
    if (done()) {
      return true;
    }
    if (Broken()) {
      return false;
    }
    const auto now = Clock::now();
    const Deadline giveUp = std::min(limit, lastAnswer_ + kServerPatience);
    if (now >= giveUp) {
      // On a busy machine this thread may not have run for a while: what the
      // server sent meanwhile is read once more before it counts as silent.
      if (lastLook) {
        return false;
      }
      lastLook = true;
      if (!Iterate(now)) {
        return false;
      }
      continue;
    }
    lastLook = false;
    if (!Iterate(std::min(giveUp, AskHowFarPlayed(now)))) {
      return false;
    }
  }
}

std::unique_ptr<PulsePlayback> PulsePlayback::Connect(int sampleRate,
                                                      const pa_channel_map& channelMap,
                                                      Deadline limit) {
  pa_sample_spec sampleFormat{};
  sampleFormat.format = PA_SAMPLE_S16NE;
  sampleFormat.rate = static_cast<std::uint32_t>(sampleRate);
  sampleFormat.channels = channelMap.channels;
  if (pa_sample_spec_valid(&sampleFormat) == 0 || pa_channel_map_valid(&channelMap) == 0) {
    return nullptr;
  }
  std::unique_ptr<PulsePlayback> playback(new PulsePlayback());
  playback->loop_ = pa_mainloop_new();
  if (playback->loop_ == nullptr) {
    return nullptr;
  }
  void* const self = playback.get();
  playback->context_ = pa_context_new(pa_mainloop_get_api(playback->loop_), "Velmora");
  if (playback->context_ == nullptr) {
    return nullptr;
  }
  // Every step of the handshake is an answer.
  pa_context_set_state_callback(
      playback->context_, [](pa_context*, void* me) { Answered(me); }, self);
  if (pa_context_connect(playback->context_, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0) {
    return nullptr;
  }
  pa_context* context = playback->context_;
  if (!playback->RunUntil([context] { return pa_context_get_state(context) == PA_CONTEXT_READY; },
                          limit)) {
    return nullptr;
  }

  playback->stream_ = pa_stream_new(context, "sound effect", &sampleFormat, &channelMap);
  if (playback->stream_ == nullptr) {
    return nullptr;
  }
  pa_stream* stream = playback->stream_;
  // Any word from the server about the stream shows that it is alive.
  const auto answered = [](pa_stream*, void* me) { Answered(me); };
  const auto wantsData = [](pa_stream*, std::size_t, void* me) { Answered(me); };
  pa_stream_set_state_callback(stream, answered, self);
  pa_stream_set_write_callback(stream, wantsData, self);
  pa_stream_set_latency_update_callback(stream, answered, self);
  pa_buffer_attr attr{};
  attr.maxlength = static_cast<std::uint32_t>(-1);
  attr.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(kTargetLatencyUsec, &sampleFormat));
  attr.prebuf = static_cast<std::uint32_t>(-1);
  attr.minreq = static_cast<std::uint32_t>(-1);
  attr.fragsize = static_cast<std::uint32_t>(-1);
  const auto flags = static_cast<pa_stream_flags_t>(
      PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_ADJUST_LATENCY | PA_STREAM_AUTO_TIMING_UPDATE);
  if (pa_stream_connect_playback(stream, nullptr, &attr, flags, nullptr, nullptr) < 0) {
    return nullptr;
  }
  if (!playback->RunUntil([stream] { return pa_stream_get_state(stream) == PA_STREAM_READY; },
                          limit)) {
    return nullptr;
  }
  return playback;
}

bool PulsePlayback::Write(const std::int16_t* samples, std::size_t count, Deadline limit) {
  const auto* bytes = reinterpret_cast<const char*>(samples);
  std::size_t left = count * sizeof(std::int16_t);
  while (left > 0) {
    pa_stream* stream = stream_;
    if (!RunUntil([stream] { return pa_stream_writable_size(stream) > 0; }, limit)) {
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

bool PulsePlayback::Drain(Deadline limit) {
  struct Drained {
    PulsePlayback* playback;
    int result = -1;  // -1 while the server has not answered
  } drained{this};
  pa_operation* drain = pa_stream_drain(
      stream_,
      [](pa_stream*, int success, void* data) {
        auto* answer = static_cast<Drained*>(data);
        answer->result = success != 0 ? 1 : 0;
        Answered(answer->playback);
      },
      &drained);
  if (drain == nullptr) {
    return false;
  }
  const bool answered = RunUntil([&drained] { return drained.result != -1; }, limit);
  if (!answered) {
    pa_operation_cancel(drain);  // the callback must not run after `drained` is gone
  }
  pa_operation_unref(drain);
  return answered && drained.result == 1;
}

}  // namespace velmora

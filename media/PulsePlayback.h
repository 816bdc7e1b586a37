// One playback stream on the PulseAudio server, driven by a main loop of its
// own on the calling thread.
//
// A working server may be slow: a sink waking from suspension, or a sink that
// plays in long blocks while no stream asks it for less, starts a new stream
// late, and a busy machine answers late. So what gives a server up is silence,
// not lateness: while it is waited for, it is asked every so often how far it
// has played, and one that leaves the game without any answer for
// kServerPatience (a frozen process, a hung machine at the other end of a
// socket) counts as gone. One that answers but will not play is waited for no
// longer than the caller's limit.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>

struct pa_channel_map;
struct pa_context;
struct pa_mainloop;
struct pa_operation;
struct pa_stream;

namespace velmora {

// How long the server may leave the game without any answer.
inline constexpr std::chrono::milliseconds kServerPatience{2000};

// How much longer than the sound itself a play may take: time for a sink to
// wake up and for a stream to start on a busy machine. Opening a sound may
// take as long.
inline constexpr std::chrono::milliseconds kLongestDelay{10000};

class PulsePlayback {
 public:
  using Clock = std::chrono::steady_clock;
  using Deadline = Clock::time_point;

  // Connects a stream of 16-bit samples whose channels lie as `channelMap`
  // says; null when the server refuses it, falls silent, or has not accepted
  // it by `limit`.
  static std::unique_ptr<PulsePlayback> Connect(int sampleRate, const pa_channel_map& channelMap,
                                                Deadline limit);
  ~PulsePlayback();
  PulsePlayback(const PulsePlayback&) = delete;
  PulsePlayback& operator=(const PulsePlayback&) = delete;

  // Hands the samples to the server as it makes room for them.
  bool Write(const std::int16_t* samples, std::size_t count, Deadline limit);
  // Returns once the server has played everything written.
  bool Drain(Deadline limit);

 private:
  PulsePlayback();
  template <typename Done>
  bool RunUntil(Done done, Deadline limit);
  bool Iterate(Deadline wake);
  // Asks unless a question is awaited; when to ask next.
  Deadline AskHowFarPlayed(Clock::time_point now);
  bool Broken() const;

  static void Answered(void* self);

  pa_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;
  pa_operation* question_ = nullptr;  // the last "how far have you played?" while unanswered
  Clock::time_point lastAnswer_;
  Clock::time_point lastQuestion_;
};

}  // namespace velmora

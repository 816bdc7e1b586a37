// One playback stream on the PulseAudio server, driven by a main loop of its
// own on the calling thread. Every wait has a deadline: a server that has
// stopped answering (a frozen process, a hung machine at the other end of a
// socket) costs at most kServerPatience, never the table.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>

struct pa_context;
struct pa_mainloop;
struct pa_stream;

namespace velmora {

// How long the server may take to answer: to accept the connection, and to
// take more of a sound beyond the time that sound lasts.
inline constexpr std::chrono::milliseconds kServerPatience{2000};

class PulsePlayback {
 public:
  using Deadline = std::chrono::steady_clock::time_point;

  // Connects a stream of 16-bit samples; null when no server accepts it
  // before the deadline.
  static std::unique_ptr<PulsePlayback> Connect(int sampleRate, int channels, Deadline deadline);
  ~PulsePlayback();
  PulsePlayback(const PulsePlayback&) = delete;
  PulsePlayback& operator=(const PulsePlayback&) = delete;

  // Hands the samples to the server as it makes room for them.
  bool Write(const std::int16_t* samples, std::size_t count, Deadline deadline);
  // Returns once the server has played everything written.
  bool Drain(Deadline deadline);

 private:
  PulsePlayback();
  template <typename Done>
  bool RunUntil(Done done, Deadline deadline);
  bool Broken() const;

  pa_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;
};

}  // namespace velmora

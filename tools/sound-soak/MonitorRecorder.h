// Records what a PulseAudio sink plays, from its monitor, on the wall clock:
// each block is laid down at the moment it arrived, so stretches in which the
// sink slept are silence of their true length, and what the sink renders
// ahead and then takes back (a rewind, when a new stream starts) does not
// push the rest later. A sound can so be looked up at the moment it was
// played. Unlike parec, the recording neither keeps the sink awake nor asks
// it for a shorter latency, so the sink behaves as it does when nobody
// listens.
#pragma once

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace velmora {

class MonitorRecorder {
 public:
  using Clock = std::chrono::steady_clock;

  // Null when the server refuses the recording.
  static std::unique_ptr<MonitorRecorder> Start(const std::string& source);
  ~MonitorRecorder();
  MonitorRecorder(const MonitorRecorder&) = delete;
  MonitorRecorder& operator=(const MonitorRecorder&) = delete;

  // Second 0 of the recording.
  Clock::time_point Started() const { return started_; }
  // Writes what was recorded so far as a 16-bit stereo wave file.
  bool Save(const std::string& path);

 private:
  MonitorRecorder() = default;
  void Take(const void* data, std::size_t bytes);

  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;
  Clock::time_point started_;
  std::mutex mutex_;  // the main loop's thread lays blocks down
  std::vector<short> samples_;
};

}  // namespace velmora

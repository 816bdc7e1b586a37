// Where wave files are played. The system output reads them with libsndfile
// and plays them through PulseAudio; tests put a recording fake behind the
// same seam.
#pragma once

#include <memory>
#include <string>

namespace velmora {

// One opened sound, ready to be played from its start any number of times.
class SoundStream {
 public:
  virtual ~SoundStream() = default;
  // Plays from the beginning and returns when the sound has ended; false when playback failed.
  virtual bool Play() = 0;
};

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Null when the file is missing, empty, corrupt, unplayable or longer than
  // the longest sound played (SoundFile.h), or when no audio server answers
  // in time (PulsePlayback.h).
  virtual std::unique_ptr<SoundStream> Open(const std::string& path) = 0;
};

std::unique_ptr<SoundOutput> CreateSystemSoundOutput();

}  // namespace velmora

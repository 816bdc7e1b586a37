// A wave file read a block at a time while it plays, so that what a sound
// costs in memory does not grow with its length. Opening reads only the
// header; how long a sound may be is decided from it.
#pragma once

#include <sndfile.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace velmora {

// The longest sound that is played. The game's own sounds last about a
// second each and the table stands still while one plays, so a longer file
// (a song, or a recording left running) is refused as unplayable, and the
// usual rule for an unplayable sound switches sound off.
inline constexpr std::chrono::seconds kLongestSound{10};

class SoundFile {
 public:
  // Null when the file is missing or not a plain file, is not a sound
  // libsndfile can read, holds no samples, has more channels than the audio
  // server takes, or would play longer than kLongestSound.
  static std::unique_ptr<SoundFile> Open(const std::string& path);

  int SampleRate() const { return info_.samplerate; }
  int Channels() const { return info_.channels; }
  // libsndfile's SF_CHANNEL_MAP_ value of each channel, or nothing when the
  // file does not say which speaker a channel is for.
  const std::vector<int>& ChannelPositions() const { return positions_; }
  std::chrono::milliseconds Length() const;

  // Goes back to the first sample; false when the file cannot.
  bool Rewind();
  // The next block of interleaved 16-bit samples, at the file's own
  // loudness; empty at the end of the sound. False on a read error.
  bool ReadBlock(std::vector<std::int16_t>& samples);

 private:
  struct Closer {
    void operator()(SNDFILE* file) const { sf_close(file); }
  };

  SoundFile(std::unique_ptr<SNDFILE, Closer> file, const SF_INFO& info);

  std::unique_ptr<SNDFILE, Closer> file_;
  SF_INFO info_;
  std::vector<int> positions_;
  sf_count_t framesLeft_ = 0;
  std::vector<float> block_;
};

}  // namespace velmora

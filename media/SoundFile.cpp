#include "media/SoundFile.h"

#include <pulse/sample.h>

#include <algorithm>
#include <cmath>

#include <sys/stat.h>

namespace velmora {

namespace {

constexpr sf_count_t kBlockFrames = 4096;

std::int16_t ToSample(float value) {
  if (std::isnan(value)) {
    return 0;  // a damaged float file must not turn into noise
  }
  const float scaled = std::clamp(value, -1.0F, 1.0F) * 32767.0F;
  return static_cast<std::int16_t>(std::lround(scaled));
}

// A named pipe would block the opening until something writes to it.
bool IsPlainFile(const std::string& path) {
  struct stat info = {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

std::unique_ptr<SoundFile> SoundFile::Open(const std::string& path) {
  if (!IsPlainFile(path)) {
    return nullptr;
  }
  SF_INFO info{};
  std::unique_ptr<SNDFILE, Closer> file(sf_open(path.c_str(), SFM_READ, &info));
  // libsndfile takes the frame count from the header but never counts past
  // the end of the file, so a damaged header cannot claim more than is there.
  if (!file || info.channels <= 0 || info.channels > static_cast<int>(PA_CHANNELS_MAX) ||
      info.samplerate <= 0 || info.frames <= 0 || info.seekable == 0 ||
      info.frames > kLongestSound.count() * static_cast<sf_count_t>(info.samplerate)) {
    return nullptr;
  }
  return std::unique_ptr<SoundFile>(new SoundFile(std::move(file), info));
}

SoundFile::SoundFile(std::unique_ptr<SNDFILE, Closer> file, const SF_INFO& info)
    : file_(std::move(file)),
      info_(info),
      positions_(static_cast<std::size_t>(info.channels)),
      framesLeft_(info.frames),
      block_(static_cast<std::size_t>(kBlockFrames * info.channels)) {
  if (sf_command(file_.get(), SFC_GET_CHANNEL_MAP_INFO, positions_.data(),
                 static_cast<int>(positions_.size() * sizeof(int))) != SF_TRUE) {
    positions_.clear();
  }
}

std::chrono::milliseconds SoundFile::Length() const {
  return std::chrono::milliseconds(info_.frames * 1000 / info_.samplerate);
}

bool SoundFile::Rewind() {
  framesLeft_ = info_.frames;
  return sf_seek(file_.get(), 0, SEEK_SET) == 0;
}

bool SoundFile::ReadBlock(std::vector<std::int16_t>& samples) {
  samples.clear();
  if (framesLeft_ <= 0) {
    return true;
  }
  // Every format is read as floats in -1..1 and converted here: libsndfile's
  // own float-to-short reading either leaves float files nearly silent or
  // stretches them to full scale, and neither keeps the file's loudness.
  const sf_count_t frames =
      sf_readf_float(file_.get(), block_.data(), std::min(kBlockFrames, framesLeft_));
  if (frames <= 0) {
    framesLeft_ = 0;
    return sf_error(file_.get()) == SF_ERR_NO_ERROR;
  }
  framesLeft_ -= frames;
  const auto count = static_cast<std::size_t>(frames * info_.channels);
  samples.resize(count);
  std::transform(block_.begin(), block_.begin() + static_cast<std::ptrdiff_t>(count),
                 samples.begin(), ToSample);
  return sf_error(file_.get()) == SF_ERR_NO_ERROR;
}

}  // namespace velmora

#include "media/MediaPlayer.h"

#include "media/SoundFolder.h"
#include "media/SoundOutput.h"

#include <QDir>
#include <QFile>

namespace velmora {

TMediaPlayer::TMediaPlayer(SoundOutput& output) : output_(output) {}

TMediaPlayer::~TMediaPlayer() = default;

void TMediaPlayer::SetFileName(const QString& path) {
  fileName_ = path;
}

bool TMediaPlayer::Open() {
  // The player holds one file at a time: whatever was open is let go first,
  // so a failed open leaves nothing open rather than the previous sound.
  stream_.reset();
  if (fileName_.isEmpty()) {
    return false;
  }
  stream_ = output_.Open(QFile::encodeName(fileName_).toStdString());
  return stream_ != nullptr;
}

bool TMediaPlayer::Play() {
  return stream_ != nullptr && stream_->Play();
}

void TMediaPlayer::Close() {
  stream_.reset();
}

bool TMediaPlayer::IsOpen() const {
  return stream_ != nullptr;
}

QString SoundPath(const QString& fileName) {
  return SoundFolder() + QLatin1Char('/') + fileName;
}

}  // namespace velmora

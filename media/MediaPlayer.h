// MediaPlayer1: the table's one player object for wave files.
#pragma once

#include <QString>

#include <memory>

namespace velmora {

class SoundOutput;
class SoundStream;

class TMediaPlayer {
 public:
  explicit TMediaPlayer(SoundOutput& output);
  ~TMediaPlayer();

  void SetFileName(const QString& path);
  // False when the named file cannot be opened for playback.
  bool Open();
  // Plays the open file from its beginning to its end; false when nothing is open or playback
  // failed.
  bool Play();
  // Closes the open file; does nothing when none is open.
  void Close();

  bool IsOpen() const;

 private:
  SoundOutput& output_;
  QString fileName_;
  std::unique_ptr<SoundStream> stream_;
};

// The path of a sound file: the sound folder at this moment (SoundFolder.h)
// and the file name (for example "shuffle.wav").
QString SoundPath(const QString& fileName);

}  // namespace velmora

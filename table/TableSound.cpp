// The table's sound requests. Each group of steps that names a file is one
// protected unit: if opening or playing fails, the file is let go and sound is
// switched off, and the game goes on silently until the player switches it on.
#include "hand/GameState.h"
#include "table/MainForm.h"

#include <QAction>

namespace velmora {

void TMainForm::PlaySoundEffect(const QString& fileName) {
  if (!state_.SoundOn) {
    return;
  }
  MediaPlayer1.SetFileName(SoundPath(fileName));
  const bool played = MediaPlayer1.Open() && MediaPlayer1.Play();
  MediaPlayer1.Close();
  if (!played) {
    SwitchSoundOff();
  }
}

void TMainForm::PrepareCardFlip() {
  if (!state_.SoundOn) {
    return;
  }
  // Stays open for every card of one animation.
  MediaPlayer1.SetFileName(SoundPath("cardflip.wav"));
  if (!MediaPlayer1.Open()) {
    SwitchSoundOff();
  }
}

void TMainForm::PlayCardFlip() {
  if (!state_.SoundOn) {
    return;
  }
  if (!MediaPlayer1.Play()) {
    MediaPlayer1.Close();
    SwitchSoundOff();
  }
}

void TMainForm::CloseSound() {
  MediaPlayer1.Close();
}

bool TMainForm::TestSound() {
  MediaPlayer1.SetFileName(SoundPath("shuffle.wav"));
  const bool opened = MediaPlayer1.Open();
  MediaPlayer1.Close();
  return opened;
}

void TMainForm::SwitchSoundOff() {
  state_.SoundOn = false;
  Sound->setChecked(false);
}

}  // namespace velmora

// Where the game's five sound effects are found.
#pragma once

#include <QString>

namespace velmora {

// The folder "sounds" under the working directory when there is one, which
// is where the game has always looked; otherwise the installed sounds.
QString SoundFolder();

// The sounds installed with the program, found from the folder the running
// program lies in, so that an install under any prefix or DESTDIR finds them.
QString InstalledSoundFolder();

}  // namespace velmora

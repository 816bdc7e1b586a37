// The folder the statistics window's file dialogs start in: the one the player
// saved to or opened from last, remembered across runs, and otherwise the
// player's documents folder, or home when there is none.
#pragma once

#include <QString>

class QSettings;

namespace velmora {

// The game's one settings file, which keeps the remembered folder:
// velmora/velmora.conf in the user's configuration folder (~/.config).
QString GameSettingsFile();

QString DialogStartFolder(const QSettings& settings);

// Remembers the folder of a file the player chose in a file dialog.
void RememberDialogFolder(QSettings& settings, const QString& chosenFile);

}  // namespace velmora

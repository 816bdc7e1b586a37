// The statistics window's save and open dialogs as the game shows them: Qt's
// own dialog, started in the folder the player used last (DialogFolder.h).
// Whatever name the player types is handed to the game, which answers it in
// its own words; the dialog never reads a file to tell its type; and it
// leaves no settings file of Qt's own behind.
#pragma once

#include <QFileDialog>
#include <QString>

class QWidget;

namespace velmora {

// Shows the dialog modally and returns the chosen path, or "" when the
// player cancelled.
QString AskFileName(QWidget* parent, QFileDialog::AcceptMode mode, const QString& title,
                    const QString& filter, const QString& defaultSuffix);

}  // namespace velmora

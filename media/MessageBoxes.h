// The game's message boxes as the player meets them: the caption as window
// title, the icon, the text exactly as written and the buttons asked for.
#pragma once

#include <QMessageBox>
#include <QString>

#include <memory>

class QWidget;

namespace velmora {

// Builds a box without showing it. The text is plain text, so a path or a
// name holding markup shows literally instead of being rendered. A question
// with more than one button and no Cancel (Yes/No) has no answer that is
// safe to take for the player: Escape and the window system's close request
// do nothing there, and only its buttons answer it. With a Cancel button,
// Escape and closing mean Cancel; a box with one button takes them as that
// button.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                            const QString& caption, const QString& text,
                                            QMessageBox::StandardButtons buttons);

// Shows the box modally and returns the button pressed.
QMessageBox::StandardButton RunMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                          const QString& caption, const QString& text,
                                          QMessageBox::StandardButtons buttons);

}  // namespace velmora

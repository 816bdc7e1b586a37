// The catalogue of the game's pictures: every picture is compiled into the
// program and looked up by its integer image id (or, for the fixed pictures of
// the windows, by name). Each exists at its catalogued size and at twice that
// size for dense screens.
#pragma once

#include "resources/ImageIds.h"

#include <QPixmap>

#include <vector>

class QLabel;

namespace velmora {

// Every id of the catalogue, for tests and the contact sheet.
const std::vector<int>& AllImageIds();
const std::vector<FixedPicture>& AllFixedPictures();

// The picture with this id; asserts that it exists (a missing id is a programming error).
QPixmap ImageById(int id);
QPixmap FixedPictureImage(FixedPicture picture);

// Gives an image control its fixed picture when it is first shown, at once if
// it is visible: a control that starts hidden decodes nothing until then. A
// control that stretches its picture gets it stretched to its size then, so
// it must keep that size.
void ShowFixedPictureWhenShown(QLabel& control, FixedPicture picture);

// Shows picture `id` in an image control, replacing what it showed.
void ShowImage(QLabel& control, int id);
// Empties an image control: it shows nothing.
void ClearImage(QLabel& control);

// The left edge of a picture, one pixel wide on the screen, for a control
// that shows no more of its picture; the rest of the picture is let go.
QPixmap LeftEdgeOf(const QPixmap& picture);

}  // namespace velmora

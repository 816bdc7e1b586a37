// Texts that hold a player's name: a name of ten wide letters does not fit
// some labels at the window's text face, so such a text is set narrower
// rather than cut off.
#pragma once

#include <QString>

class QLabel;

namespace velmora::statwidgets {

// Shows `text` in the label, condensing the label's face just enough for the
// text to fit its width, and at full width whenever it fits.
void ShowFitted(QLabel& label, const QString& text);

}  // namespace velmora::statwidgets

#include "statswindow/FittedText.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLabel>

namespace velmora::statwidgets {

void ShowFitted(QLabel& label, const QString& text) {
  // Ten capital W at 12 pixels need no less than about 84 per cent.
  constexpr int NarrowestStretch = 70;
  QFont font = label.font();
  const int room = label.contentsRect().width();
  int stretch = QFont::Unstretched;
  for (; stretch > NarrowestStretch; --stretch) {
    font.setStretch(stretch);
    if (QFontMetricsF(font, &label).horizontalAdvance(text) <= room) {
      break;
    }
  }
  font.setStretch(stretch);
  label.setFont(font);
  label.setText(text);
}

}  // namespace velmora::statwidgets

// LogoBox: the borderless splash with the logo, centred on the screen and
// visible from its creation until the table hides it.
#pragma once

#include <QWidget>

namespace velmora {

class TLogoBox : public QWidget {
  Q_OBJECT
 public:
  explicit TLogoBox(QWidget* parent = nullptr);
};

}  // namespace velmora

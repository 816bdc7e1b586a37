// About: the about box with the "Version" and "License" pages.
#pragma once

#include <QDialog>

namespace velmora {

class TAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TAbout(QWidget* parent = nullptr);
};

}  // namespace velmora

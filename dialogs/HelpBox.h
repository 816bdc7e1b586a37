// HelpBox: the built-in help with its topics and the ten hand-rank examples.
#pragma once

#include <QDialog>

namespace velmora {

class THelpBox : public QDialog {
  Q_OBJECT
 public:
  explicit THelpBox(QWidget* parent = nullptr);
};

}  // namespace velmora

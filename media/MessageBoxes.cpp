#include "media/MessageBoxes.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QKeySequence>

#include <bit>

namespace velmora {

namespace {

// Qt takes No for the answer to Escape and to the close box when a box has
// no Cancel; for "Save current statistics?" that answer wipes the game's
// statistics. Such a box waits for one of its buttons instead.
class ButtonsOnlyBox final : public QMessageBox {
 public:
  ButtonsOnlyBox(QMessageBox::Icon icon, const QString& caption, const QString& text,
                 QMessageBox::StandardButtons buttons, QWidget* parent)
      : QMessageBox(icon, caption, text, buttons, parent) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Cancel)) {
      event->accept();
      return;
    }
    QMessageBox::keyPressEvent(event);
  }

  void closeEvent(QCloseEvent* event) override {
    // Requests from the window system (the close box, Alt+F4) are
    // spontaneous; the program's own closing of every window at its end is not.
    if (event->spontaneous()) {
      event->ignore();
      return;
    }
    QMessageBox::closeEvent(event);
  }
};

bool AnsweredOnlyByButtons(QMessageBox::StandardButtons buttons) {
  const int count = std::popcount(static_cast<unsigned>(buttons.toInt()));
  return count > 1 && !buttons.testFlag(QMessageBox::Cancel);
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                            const QString& caption, const QString& text,
                                            QMessageBox::StandardButtons buttons) {
  std::unique_ptr<QMessageBox> box =
      AnsweredOnlyByButtons(buttons)
          ? std::make_unique<ButtonsOnlyBox>(icon, caption, text, buttons, parent)
          : std::make_unique<QMessageBox>(icon, caption, text, buttons, parent);
  box->setTextFormat(Qt::PlainText);
  return box;
}

QMessageBox::StandardButton RunMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                          const QString& caption, const QString& text,
                                          QMessageBox::StandardButtons buttons) {
  const std::unique_ptr<QMessageBox> box = MakeMessageBox(parent, icon, caption, text, buttons);
  return static_cast<QMessageBox::StandardButton>(box->exec());
}

}  // namespace velmora

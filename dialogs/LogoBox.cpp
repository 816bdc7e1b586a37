#include "dialogs/LogoBox.h"

#include "media/Images.h"
#include "media/Look.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QWindow>

namespace velmora {

namespace {

// Wayland compositors place every window themselves, at random or wherever
// they like, except popups, which stand where their program puts them
// relative to their parent. So on Wayland the splash is a popup over the
// table's centre (Qt makes a tool tip with a parent one); elsewhere it is a
// splash window centred on the screen, where the table stands too.
bool ShownAsPopup(const QWidget* parent) {
  return parent != nullptr && parent->windowHandle() != nullptr &&
         QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

Qt::WindowFlags LogoWindowFlags(const QWidget* parent) {
  if (ShownAsPopup(parent)) {
    return Qt::ToolTip | Qt::FramelessWindowHint;
  }
  return Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
}

}  // namespace

TLogoBox::TLogoBox(QWidget* parent) : QWidget(parent, LogoWindowFlags(parent)) {
  setObjectName("LogoBox");
  setWindowTitle("Logo Box");
  setFixedSize(432, 291);

  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setLineWidth(5);
  Panel1->setGeometry(0, 0, 432, 291);
  look::SetBackground(*Panel1, look::Green);

  Image1 = new QLabel(Panel1);
  Image1->setObjectName("Image1");
  Image1->setGeometry(5, 5, 422, 281);
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setPixmap(FixedPictureImage(FixedPicture::Logo));

  if (ShownAsPopup(parent)) {
    // Over the table's centre in the coordinates its window has on Wayland,
    // where a window knows nothing of its place on the screen.
    const QRect table = parent->windowHandle()->geometry();
    move(table.x() + (table.width() - width()) / 2, table.y() + (table.height() - height()) / 2);
  } else {
    look::CentreOnScreen(*this);
  }
  show();
}

void TLogoBox::closeEvent(QCloseEvent* event) {
  // Requests from the window system (Alt+F4, the task bar) are spontaneous;
  // the program's own close() is not.
  if (event->spontaneous()) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

}  // namespace velmora

#include "LogoBox.h"

#include "Images.h"
#include "Look.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>

namespace velmora {

TLogoBox::TLogoBox(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
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

  look::CentreOnScreen(*this);
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

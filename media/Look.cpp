#include "media/Look.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QShowEvent>
#include <QWidget>

namespace velmora::look {

namespace {

QFont MakeFont(const QString& family, int pixelSize, bool bold, bool italic) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setItalic(italic);
  // Never fall back to a bitmap face: the windows are laid out for scalable text.
  font.setStyleStrategy(QFont::PreferOutline);
  return font;
}

}  // namespace

// DejaVu Sans is close in width and weight to the classic dialog face.
QFont MsSansSerif(int pixelSize, bool bold) {
  return MakeFont("DejaVu Sans", pixelSize, bold, false);
}

QFont TimesNewRoman(int pixelSize, bool bold, bool italic) {
  return MakeFont("Times New Roman", pixelSize, bold, italic);
}

QFont ArialNarrow(int pixelSize) {
  return MakeFont("Arial Narrow", pixelSize, false, false);
}

QFont Verdana(int pixelSize, bool bold) {
  return MakeFont("DejaVu Sans", pixelSize, bold, false);
}

// Linux Biolinum is a flared humanist face in the same spirit as the original display face.
QFont Optimum(int pixelSize) {
  return MakeFont("Linux Biolinum O", pixelSize, true, true);
}

void SetBackground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, colour);
  palette.setColor(QPalette::Base, colour);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

void SetTextColour(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  palette.setColor(QPalette::ButtonText, colour);
  widget.setPalette(palette);
}

void CentreOnScreen(QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) {
    return;
  }
  QRect frame = window.frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window.move(frame.topLeft());
}

bool CentreWhenOpened(QWidget& dialog, const QShowEvent& event) {
  if (event.spontaneous()) {
    return false;
  }
  CentreOnScreen(dialog);
  return true;
}

}  // namespace velmora::look

// Fonts, colours and placement shared by every window, so that the stand-ins
// for faces the system lacks are chosen once.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QShowEvent;
class QWidget;

namespace velmora::look {

// The windows ask for these faces by their classic names; Debian resolves
// "Times New Roman" and "Arial Narrow" through fontconfig's Liberation aliases.
// "MS Sans Serif", "Verdana" and the display face "Optimum" get stand-ins here.
QFont MsSansSerif(int pixelSize, bool bold = false);
QFont TimesNewRoman(int pixelSize, bool bold = false, bool italic = false);
QFont ArialNarrow(int pixelSize);
QFont Verdana(int pixelSize, bool bold = false);
QFont Optimum(int pixelSize);  // always bold italic

// The named colours of the window definitions.
inline const QColor Green{0, 128, 0};
inline const QColor Olive{128, 128, 0};
inline const QColor Silver{192, 192, 192};
inline const QColor Aqua{0, 255, 255};
inline const QColor Yellow{255, 255, 0};
inline const QColor Navy{0, 0, 128};
inline const QColor Black{0, 0, 0};
inline const QColor White{255, 255, 255};
inline const QColor Blue{0, 0, 255};
inline const QColor Purple{128, 0, 128};
inline const QColor Red{255, 0, 0};
inline const QColor Maroon{128, 0, 0};
inline const QColor Grey{128, 128, 128};

// Fills a widget's background with a flat colour.
void SetBackground(QWidget& widget, const QColor& colour);
// Sets the text colour of a label, button or field.
void SetTextColour(QWidget& widget, const QColor& colour);

// Places a window in the centre of the screen it is on (or the primary screen).
void CentreOnScreen(QWidget& window);

// How every dialog is placed, from its show event: centred each time the
// program opens it, so that its openers need not. A window coming back from
// the task bar is not a new opening and stays where it was. Returns whether
// this was an opening.
bool CentreWhenOpened(QWidget& dialog, const QShowEvent& event);

}  // namespace velmora::look

// Whether every text of a window can be read whole: not cut off or elided by
// its control, not running out of the control or out of what holds it, and
// not lying under a neighbour. Each fault is one line naming the widget.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace velmora {

// Checks `window` and every visible widget in it; `scene` leads each fault.
QStringList CheckTextsFit(const QWidget& window, const QString& scene);

}  // namespace velmora

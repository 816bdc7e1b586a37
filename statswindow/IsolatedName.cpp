#include "statswindow/IsolatedName.h"

#include <QChar>
#include <QList>

#include <algorithm>

namespace velmora::statwidgets {

namespace {

constexpr char16_t FirstStrongIsolate = u'\u2068';
constexpr char16_t PopDirectionalIsolate = u'\u2069';

bool SetsDirection(char32_t codePoint) {
  switch (QChar::direction(codePoint)) {
    case QChar::DirR:
    case QChar::DirAL:
    case QChar::DirAN:
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirPDF:
    case QChar::DirLRI:
    case QChar::DirRLI:
    case QChar::DirFSI:
    case QChar::DirPDI:
      return true;
    default:
      return false;
  }
}

}  // namespace

QString IsolatedName(const QString& name) {
  const QList<uint> codePoints = name.toUcs4();
  if (std::none_of(codePoints.begin(), codePoints.end(), SetsDirection)) {
    return name;
  }
  // The isolate must end where the name ends: a closing mark of the name's
  // own with nothing to close would end it early and is left out, and
  // isolates the name opens are closed before it ends. Embeddings and
  // overrides left open end with the isolate.
  QString shown(FirstStrongIsolate);
  int openIsolates = 0;
  for (const uint codePoint : codePoints) {
    const QChar::Direction direction = QChar::direction(codePoint);
    if (direction == QChar::DirLRI || direction == QChar::DirRLI || direction == QChar::DirFSI) {
      ++openIsolates;
    } else if (direction == QChar::DirPDI) {
      if (openIsolates == 0) {
        continue;
      }
      --openIsolates;
    }
    const char32_t character = codePoint;
    shown += QString::fromUcs4(&character, 1);
  }
  shown += QString(openIsolates, QChar(PopDirectionalIsolate));
  shown += PopDirectionalIsolate;
  return shown;
}

}  // namespace velmora::statwidgets

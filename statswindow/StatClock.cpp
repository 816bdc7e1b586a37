#include "statswindow/StatClock.h"

#include <ctime>

namespace velmora {

namespace {

// Removes the time-zone fields ("t", "tt", ...) with the blanks in front of
// them, or the brackets around them, from a QLocale time format, leaving
// quoted literal text alone.
QString WithoutTimeZone(const QString& format) {
  QString result;
  bool quoted = false;
  for (const QChar c : format) {
    if (c == u'\'') {
      quoted = !quoted;
    } else if (!quoted && c == u't') {
      while (result.endsWith(u' ')) {
        result.chop(1);
      }
      continue;
    }
    result += c;
  }
  // A zone in brackets (Spanish "H:mm:ss (t)") leaves them empty behind it.
  result.remove(QStringLiteral("()"));
  return result.trimmed();
}

}  // namespace

QDateTime LocalDateTimeAt(std::int64_t calendarSeconds) {
  return QDateTime::fromSecsSinceEpoch(calendarSeconds);
}

SaveStamp SaveStampAt(std::int64_t calendarSeconds) {
  const auto seconds = static_cast<std::time_t>(calendarSeconds);
  std::tm local{};
  localtime_r(&seconds, &local);
  return StampFromLocalTime(local);
}

QString ClockDateText(const QDate& date, const QLocale& locale) {
  return locale.toString(date, QLocale::ShortFormat);
}

QString ClockTimeText(const QTime& time, const QLocale& locale) {
  return locale.toString(time, WithoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}

}  // namespace velmora

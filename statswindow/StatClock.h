// The clock as the statistics window shows it and as a saved file stamps it.
#pragma once

#include "stats/StatisticsFile.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <cstdint>

namespace velmora {

// The local date and time at a calendar second.
QDateTime LocalDateTimeAt(std::int64_t calendarSeconds);

// The moment of saving in the file's US fields, from the local clock.
SaveStamp SaveStampAt(std::int64_t calendarSeconds);

// The date in the locale's short format ("12/31/99" in the US).
QString ClockDateText(const QDate& date, const QLocale& locale);

// The time in the locale's long format without its time zone ("3:05:07 PM" in
// the US): the zone name would not fit the clock strip, and the classic long
// time format never carried one.
QString ClockTimeText(const QTime& time, const QLocale& locale);

}  // namespace velmora

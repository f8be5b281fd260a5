#pragma once

#include <QDateTime>

// Every date column holds the day number of the old desktop platform: days since 30 December 1899, the
// fraction being the time of day. 1.0 is the empty date; anything below 10 counts as "no date".
namespace DayNumber {

constexpr double Empty = 1.0;
constexpr double NoDateLimit = 10.0;

inline bool isEmpty(double day)
{
    return day < NoDateLimit;
}

double fromDateTime(const QDateTime& dateTime);
double fromDate(const QDate& date);
QDateTime toDateTime(double day);
QDate toDate(double day);

} // namespace DayNumber

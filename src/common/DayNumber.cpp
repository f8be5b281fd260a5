#include "DayNumber.h"

#include <cmath>

namespace {
const QDate epoch(1899, 12, 30);
constexpr double msPerDay = 86400000.0;
} // namespace

namespace DayNumber {

double fromDate(const QDate& date)
{
    return date.isValid() ? double(epoch.daysTo(date)) : Empty;
}

double fromDateTime(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return Empty;
    const double days = fromDate(dateTime.date());
    return days + dateTime.time().msecsSinceStartOfDay() / msPerDay;
}

QDateTime toDateTime(double day)
{
    const double whole = std::floor(day);
    qint64 ms = qint64(std::llround((day - whole) * msPerDay));
    QDate date = epoch.addDays(qint64(whole));
    if (ms >= qint64(msPerDay)) {
        date = date.addDays(1);
        ms = 0;
    }
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(ms)));
}

QDate toDate(double day)
{
    return toDateTime(day).date();
}

} // namespace DayNumber

#include "LoanStatus.h"

#include "Clock.h"
#include "Database.h"
#include "DayNumber.h"
#include "Lexicon.h"

#include <cmath>

namespace {
constexpr qint64 msPerDay = 86400000;
constexpr qint64 msPerHour = 3600000;
} // namespace

QString RemainingTime::daysText() const
{
    // Within the first day overdue the days truncate to 0; the sign keeps it apart from "due in".
    if (overdue && days == 0)
        return QStringLiteral("-0");
    return QString::number(days);
}

RemainingTime remainingTime(double daysLeft)
{
    RemainingTime result;
    result.overdue = daysLeft < 0;
    const double whole = std::trunc(daysLeft);
    qint64 ms = std::llround(std::fabs(daysLeft - whole) * double(msPerDay));
    qint64 days = qint64(whole);
    if (ms >= msPerDay) { // a fraction that rounds up to a full day carries into the days
        days += result.overdue ? -1 : 1;
        ms = 0;
    }
    result.days = int(days);
    result.hours = int(ms / msPerHour);
    return result;
}

std::optional<QString> loanStatusText(const Lexicon& lexicon, double dateto, double returned, const QDateTime& now)
{
    if (dateto < DayNumber::NoDateLimit)
        return lexicon.text(130);
    if (returned >= DayNumber::NoDateLimit)
        return std::nullopt;
    const RemainingTime left = remainingTime(dateto - DayNumber::fromDateTime(now));
    return lexicon.text(131) + QLatin1Char(' ') + left.daysText() + QLatin1Char(' ') + lexicon.text(41) +
           QLatin1Char(' ') + QString::number(left.hours) + QLatin1Char(' ') + lexicon.text(132);
}

bool prilohazapujckyexistuje(Database& db, qint64 id)
{
    return db
        .exec(QStringLiteral("select filename from loanattachments where borrowedid=:pid"),
              {{QStringLiteral("pid"), id}})
        .next();
}

LoanRowStatus zapikonyasbstatus(Database& db, const Lexicon& lexicon, qint64 id, double dateto, double returned)
{
    LoanRowStatus status;
    status.hasAttachments = prilohazapujckyexistuje(db, id);
    status.text = loanStatusText(lexicon, dateto, returned, Clock::instance().now());
    return status;
}

#include "LoanRecord.h"

#include "Clock.h"
#include "Database.h"
#include "LocaleFormats.h"

#include <QSqlRecord>
#include <QStringList>

bool LoanRecord::load(Database& db, qint64 id, LoanRecord* record)
{
    QSqlQuery q = db.exec(QStringLiteral("select * from loans where id=:pid"), {{QStringLiteral("pid"), id}});
    if (!q.next())
        return false;
    const QSqlRecord r = q.record();
    auto text = [&](const char* name) { return r.value(QLatin1String(name)).toString(); };
    auto number = [&](const char* name) { return r.value(QLatin1String(name)).toDouble(); };
    LoanRecord loan;
    loan.id = r.value(QStringLiteral("id")).toLongLong();
    loan.datefrom = number("datefrom");
    loan.dateto = number("dateto");
    loan.returned = number("returned");
    loan.customer = text("customer");
    loan.customerid = r.value(QStringLiteral("customerid")).toLongLong();
    loan.advance = number("advance");
    loan.price = number("price");
    loan.accessories = text("accessories");
    loan.statusbefore = text("statusbefore");
    loan.mileage0 = number("mileage0");
    loan.person1 = text("person1");
    loan.statusafter = text("statusafter");
    loan.mileage = number("mileage");
    loan.person2 = text("person2");
    loan.note = text("note");
    loan.ownnumber = text("ownnumber");
    loan.loanlog = text("loanlog");
    loan.counter = r.value(QStringLiteral("counter")).toInt();
    *record = loan;
    return true;
}

void LoanRecord::save(Database& db, const LoanRecord& r, const QString& things)
{
    db.exec(QStringLiteral("update loans set datefrom=:pdatefrom,dateto=:pdateto,customer=:pcustomer,"
                           "customerid=:pcustomerid,advance=:padvance,price=:pprice,returned=:preturned,"
                           "statusbefore=:pstatusbefore,statusafter=:pstatusafter,\n"
                           "person1=:pperson1,person2=:pperson2,accessories=:paccessories,note=:pnote,"
                           "mileage=:pmileage,mileage0=:pmileage0,ownnumber=:pownnumber,loanlog=:ploanlog,"
                           "things=:pthings where id=:pid"),
            {{QStringLiteral("pdatefrom"), r.datefrom},
             {QStringLiteral("pdateto"), r.dateto},
             {QStringLiteral("preturned"), r.returned},
             {QStringLiteral("pcustomer"), r.customer},
             {QStringLiteral("pcustomerid"), r.customerid},
             {QStringLiteral("padvance"), r.advance},
             {QStringLiteral("pprice"), r.price},
             {QStringLiteral("pstatusbefore"), r.statusbefore.trimmed()},
             {QStringLiteral("pstatusafter"), r.statusafter.trimmed()},
             {QStringLiteral("pperson1"), r.person1},
             {QStringLiteral("pperson2"), r.person2},
             {QStringLiteral("paccessories"), r.accessories.trimmed()},
             {QStringLiteral("pnote"), r.note.trimmed()},
             {QStringLiteral("pmileage"), r.mileage},
             {QStringLiteral("pmileage0"), r.mileage0},
             {QStringLiteral("pownnumber"), r.ownnumber},
             {QStringLiteral("ploanlog"), r.loanlog},
             {QStringLiteral("pthings"), things},
             {QStringLiteral("pid"), r.id}});
}

QString LoanRecord::itemsSummary(Database& db, qint64 id)
{
    QStringList descriptions;
    QSqlQuery q = db.exec(QStringLiteral("select description from loanthings where borrowedid=:pid order by id"),
                          {{QStringLiteral("pid"), id}});
    while (q.next())
        descriptions << q.value(0).toString();
    return descriptions.join(QStringLiteral(" + ")).trimmed();
}

namespace LoanLog {

QString entry(const QString& word, const QString& user)
{
    const Clock& clock = Clock::instance();
    const QDateTime now = clock.now();
    const QLocale locale = clock.locale();
    return locale.toString(now, LocaleFormats::dateTime(locale)) + QStringLiteral(": ") + word + QLatin1Char(' ') +
           user;
}

QString append(const QString& log, const QString& line)
{
    if (log.isEmpty())
        return line;
    return log.endsWith(QLatin1Char('\n')) ? log + line : log + QLatin1Char('\n') + line;
}

} // namespace LoanLog

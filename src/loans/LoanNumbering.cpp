#include "LoanNumbering.h"

#include "Database.h"
#include "DayNumber.h"

namespace LoanNumbering {

int counterval(Database& db)
{
    const QVariant counter = db.scalar(QStringLiteral("select counter from loans order by id desc limit 1"));
    return counter.isValid() ? counter.toInt() : 0;
}

bool nastavcounterval(Database& db, int value)
{
    try {
        const QVariant top = db.scalar(QStringLiteral("select id from loans order by id desc limit 1"));
        if (!top.isValid())
            return false;
        db.exec(QStringLiteral("update loans set counter=:pcounter where id=:pid"),
                {{QStringLiteral("pcounter"), value}, {QStringLiteral("pid"), top.toLongLong()}});
        return true;
    } catch (const DbError&) {
        return false;
    }
}

NewLoan createLoan(Database& db, const Settings& settings, const QString& creationLogEntry)
{
    Transaction transaction(db, Transaction::Lock::WriteLock, QStringLiteral("loans"));
    const int current = counterval(db);
    const QVariant top = db.scalar(QStringLiteral("select id from loans order by id desc limit 1"));
    const qint64 highest = top.isValid() ? top.toLongLong() : 0;

    NewLoan loan;
    loan.counter = current + 1;
    loan.ownnumber = settings.prefix + QString::number(settings.ownCounter ? qint64(loan.counter) : highest + 1);
    const QString empty;
    loan.id = db.insert(
        QStringLiteral("insert into loans(datefrom,dateto,customer,customerid,advance,price,returned,statusbefore,"
                       "person1,person2,statusafter,accessories,note,counter,ownnumber,loanlog) values\n"
                       "(:pdatefrom,:pdateto,:pcustomer,:pcustomerid,:padvance,:pprice,:preturned,:pstatusbefore,"
                       ":pperson1,:pperson2,:pstatusafter,:paccessories,:pnote,:pcounter,:pownnumber,:ploanlog)"),
        {{QStringLiteral("pdatefrom"), DayNumber::Empty},
         {QStringLiteral("pdateto"), DayNumber::Empty},
         {QStringLiteral("preturned"), DayNumber::Empty},
         {QStringLiteral("pcustomer"), empty},
         {QStringLiteral("pstatusbefore"), empty},
         {QStringLiteral("pstatusafter"), empty},
         {QStringLiteral("pperson1"), empty},
         {QStringLiteral("pperson2"), empty},
         {QStringLiteral("paccessories"), empty},
         {QStringLiteral("pnote"), empty},
         {QStringLiteral("pcustomerid"), 0},
         {QStringLiteral("padvance"), 0.0},
         {QStringLiteral("pprice"), 0.0},
         {QStringLiteral("ploanlog"), creationLogEntry},
         {QStringLiteral("pownnumber"), loan.ownnumber},
         {QStringLiteral("pcounter"), loan.counter}},
        QStringLiteral("id"));
    transaction.commit();
    loan.label = settings.ownNumbering() ? settings.prefix + QString::number(loan.counter) : QString::number(loan.id);
    return loan;
}

QString labelFor(const Settings& settings, qint64 id, const QString& ownnumber)
{
    return settings.ownNumbering() && !ownnumber.isEmpty() ? ownnumber : QString::number(id);
}

bool changeOwnNumber(Database& db, qint64 id, const QString& ownnumber)
{
    const QString text = ownnumber.trimmed();
    if (text.isEmpty())
        return false;
    db.exec(QStringLiteral("update loans set ownnumber=:pownnumber where id=:pid"),
            {{QStringLiteral("pownnumber"), text}, {QStringLiteral("pid"), id}});
    return true;
}

} // namespace LoanNumbering

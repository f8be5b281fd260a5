#pragma once

#include <QString>

class Database;

// One loan as the card edits it. Dates are day numbers; 1.0 is the empty date.
struct LoanRecord
{
    qint64 id = 0;
    double datefrom = 1.0;
    double dateto = 1.0;
    double returned = 1.0;
    QString customer;
    qint64 customerid = 0;
    double advance = 0;
    double price = 0;
    QString accessories;
    QString statusbefore;
    double mileage0 = 0;
    QString person1;
    QString statusafter;
    double mileage = 0;
    QString person2;
    QString note;
    QString ownnumber;
    QString loanlog;
    int counter = 0;

    // Reads a loan; false when there is no loan with that id. Throws DbError.
    static bool load(Database& db, qint64 id, LoanRecord* record);
    // Writes every field of the card and the items summary with one update. Throws DbError.
    static void save(Database& db, const LoanRecord& record, const QString& things);
    // The descriptions of the loan's items in list order, joined with " + ".
    static QString itemsSummary(Database& db, qint64 id);
};

// Change-log lines of a loan: date and time, the action word and the user.
namespace LoanLog {
QString entry(const QString& word, const QString& user);
QString append(const QString& log, const QString& entry);
} // namespace LoanLog

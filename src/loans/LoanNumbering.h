#pragma once

#include <QString>

class Database;

// Loan numbers: the id, or an own series made of a prefix and a counter kept in loans.counter.
namespace LoanNumbering {

struct Settings
{
    QString prefix;          // ciselnaradale
    bool ownCounter = false; // vlastnipocitadlochb
    // Own numbering is on when the prefix is not empty or the own counter is on.
    bool ownNumbering() const { return !prefix.isEmpty() || ownCounter; }
};

// The counter of the loan with the highest id; 0 when there is no loan.
int counterval(Database& db);
// Sets the counter of the loan with the highest id; false when there is no loan or the update fails.
bool nastavcounterval(Database& db, int value);

struct NewLoan
{
    qint64 id = 0;
    int counter = 0;   // the new loan's counter
    QString ownnumber; // as inserted
    QString label;     // the number the card shows
};

// Inserts an empty loan with the next counter, its own number and the creation entry of its log. The
// counter is read and the row inserted in one transaction that holds the loans write lock, so loans made
// at the same moment on other workstations get other counters and own numbers. Throws DbError.
NewLoan createLoan(Database& db, const Settings& settings, const QString& creationLogEntry);

// The number an opened loan shows.
QString labelFor(const Settings& settings, qint64 id, const QString& ownnumber);

// Rewrites one loan's own number (trimmed; an empty text changes nothing). Throws DbError.
bool changeOwnNumber(Database& db, qint64 id, const QString& ownnumber);

} // namespace LoanNumbering

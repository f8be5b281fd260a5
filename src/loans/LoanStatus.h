#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

class Database;
class Lexicon;

// Time left until a loan is due, split as the status line shows it.
struct RemainingTime
{
    int days = 0;         // whole days, truncated toward zero
    int hours = 0;        // whole hours of the rest of the day, never negative
    bool overdue = false; // the due moment has passed
    QString daysText() const;
};

// Splits "dateto - now" (days with fraction) into whole days and hours: 2.5 days overdue gives -2 and 12.
RemainingTime remainingTime(double daysLeft);

// The status line text for a loan, or nothing when the status line is to keep its text (a returned loan).
std::optional<QString> loanStatusText(const Lexicon& lexicon, double dateto, double returned, const QDateTime& now);

// True when the loan has at least one attachment.
bool prilohazapujckyexistuje(Database& db, qint64 id);

// What the list shows for its current row: the attachments icon and the status line.
struct LoanRowStatus
{
    bool hasAttachments = false;
    std::optional<QString> text; // nothing: leave the status line as it is
};

// The current row's state at the program clock's now; the window calls it only when the list has rows.
LoanRowStatus zapikonyasbstatus(Database& db, const Lexicon& lexicon, qint64 id, double dateto, double returned);

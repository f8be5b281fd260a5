#pragma once

#include <QString>

class Database;
class Dialogs;
class Lexicon;

// Permanent deletion of a loan with its items and attachments.
namespace LoanDeletion {

// Deletes the loan, its items and its attachments and reseeds the loans identity, all in one transaction:
// after a failure nothing is deleted. Throws DbError.
void remove(Database& db, qint64 id);

// The action "trvale odstranit zápůjčku" for the current row: asks (lexicon 161 with the loan's own number),
// deletes, and shows a failure (lexicon 38 with the error's text). True when the loan was deleted, so the
// caller runs the list statement again.
bool zaptrvaleodstranitaExecute(Database& db, Dialogs& dialogs, const Lexicon& lexicon, qint64 id,
                                const QString& ownnumber);

} // namespace LoanDeletion

#pragma once

#include "ConnectionInfo.h"

#include <QString>
#include <QStringList>

class Database;

// The two searches of the loans list. Both build a list statement from the words the user typed; every word
// is written as an escaped literal (LikeCondition), so it finds its own text and nothing else.
namespace LoanSearch {

// The typed text trimmed and cut at every single space (two spaces give an empty word, which every row
// matches); an empty list when nothing is left after trimming.
QStringList words(const QString& text);

// The columns of table `loans` in table order, for a list that has no result to take its columns from.
QStringList loanColumns();

// Both builders return an empty text for an empty list of words; the search then ends without change.

// "podle zápůjček": a loan is found when every word occurs in at least one of the columns (the columns of
// the list's current result; names that are not plain are left out). Newest due date first.
QString podlezapujcekStatement(const QStringList& words, const QStringList& columns, ConnectionInfo::Engine engine);

// The item statement of "podle zapůjčených věcí": the loans of the items whose description holds every word.
QString thingsStatement(const QStringList& words, ConnectionInfo::Engine engine);

// "podle zapůjčených věcí": runs the item statement and returns the list statement of the loans found (each
// loan once), or a statement with an empty result when none is. Throws DbError when the item statement fails.
QString podleveciStatement(Database& db, const QStringList& words);

} // namespace LoanSearch

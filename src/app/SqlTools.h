#pragma once

#include <QString>

class Database;

// The tools of the hidden "sql" page.
namespace SqlTools {

// The combo's statement may replace the loans list statement only when it contains "select" (in lower case).
bool acceptsAsFilter(const QString& text);

// Runs the memo's statement: a text containing "select" (any case) is read as a query and every row comes
// back as one line of field texts, each followed by ";"; anything else runs as a command and gives an empty
// text. Throws DbError when the database refuses it. An empty statement does nothing.
QString run(Database& db, const QString& statement);

} // namespace SqlTools

#pragma once

#include "ConnectionInfo.h"

#include <QString>

// "Contains this text" conditions for searches that are written into a list statement. The statement has to
// stay plain text (it is re-sorted by title clicks, re-run and exported), so a word is written as a literal
// that finds exactly its own characters: "%", "_" and the escape character are escaped for LIKE, quotes and
// backslashes cannot end the literal, and letter case is ignored for every alphabet on both engines.
namespace LikeCondition {

// The LIKE escape character the conditions declare.
constexpr char16_t Escape = u'!';

// The LIKE pattern "%word%" with the word's pattern characters escaped (not yet a literal).
QString containsPattern(const QString& word);
// A string literal of the engine holding the text.
QString literal(const QString& text, ConnectionInfo::Engine engine);
// "<column> like '%word%' escape '!'", case-insensitive on the engine; non-text columns are compared through
// their text form. The column must be a plain name.
QString contains(const QString& column, const QString& word, ConnectionInfo::Engine engine);
// True for a name that may stand in a statement unquoted.
bool isPlainName(const QString& name);

} // namespace LikeCondition

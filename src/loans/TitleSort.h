#pragma once

#include <QString>

// A click on a column title re-sorts the list by that column. The statement keeps its own letters (text
// comparisons on our engines follow letter case, so lower-casing would change what a filter selects);
// "order by", "asc" and "desc" are found without regard to case. The new direction is "desc" after a
// statement that mentions only "asc", otherwise "asc" -- plain substring tests over the whole text, so
// "asc" or "desc" inside a literal or a column name count too. Everything after the first "order by" is
// replaced by the clicked field and the direction.
QString sortedStatement(const QString& statement, const QString& field);

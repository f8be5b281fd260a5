#include "LoanSearch.h"

#include "Database.h"
#include "LikeCondition.h"

#include <QSet>

namespace LoanSearch {

QStringList words(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    return trimmed.split(QLatin1Char(' '), Qt::KeepEmptyParts);
}

QStringList loanColumns()
{
    return {QStringLiteral("id"),           QStringLiteral("datefrom"),    QStringLiteral("dateto"),
            QStringLiteral("customer"),     QStringLiteral("customerid"),  QStringLiteral("things"),
            QStringLiteral("advance"),      QStringLiteral("price"),       QStringLiteral("returned"),
            QStringLiteral("statusbefore"), QStringLiteral("statusafter"), QStringLiteral("accessories"),
            QStringLiteral("person1"),      QStringLiteral("person2"),     QStringLiteral("note"),
            QStringLiteral("mileage0"),     QStringLiteral("mileage"),     QStringLiteral("counter"),
            QStringLiteral("ownnumber"),    QStringLiteral("loanlog")};
}

QString podlezapujcekStatement(const QStringList& words, const QStringList& columns, ConnectionInfo::Engine engine)
{
    if (words.isEmpty())
        return {};
    QStringList usable;
    for (const QString& column : columns) {
        if (LikeCondition::isPlainName(column) && !usable.contains(column))
            usable << column;
    }
    if (usable.isEmpty())
        usable = loanColumns();

    QStringList groups;
    for (const QString& word : words) {
        QStringList terms;
        for (const QString& column : usable)
            terms << LikeCondition::contains(column, word, engine);
        groups << QLatin1Char('(') + terms.join(QStringLiteral(" or ")) + QLatin1Char(')');
    }
    return QStringLiteral("select * from loans where ") + groups.join(QStringLiteral(" AND ")) +
           QStringLiteral(" order by dateto DESC");
}

QString thingsStatement(const QStringList& words, ConnectionInfo::Engine engine)
{
    if (words.isEmpty())
        return {};
    QStringList terms;
    for (const QString& word : words)
        terms << LikeCondition::contains(QStringLiteral("description"), word, engine);
    return QStringLiteral("select borrowedid from loanthings where ") + terms.join(QStringLiteral(" and "));
}

QString podleveciStatement(Database& db, const QStringList& words)
{
    QSqlQuery query = db.exec(thingsStatement(words, db.engine()));
    QStringList ids;
    QSet<qint64> seen;
    while (query.next()) {
        const qint64 id = query.value(0).toLongLong();
        if (!seen.contains(id)) {
            seen.insert(id);
            ids << QString::number(id);
        }
    }
    if (ids.isEmpty())
        return QStringLiteral("select * from loans where id<0");
    // One "in" list rather than a chain of "or": the engines limit how deep an expression may nest.
    return QStringLiteral("select * from loans where id in (") + ids.join(QLatin1Char(',')) + QLatin1Char(')');
}

} // namespace LoanSearch

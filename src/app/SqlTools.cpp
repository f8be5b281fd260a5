#include "SqlTools.h"

#include "Database.h"

#include <QSqlRecord>

namespace SqlTools {

bool acceptsAsFilter(const QString& text)
{
    return text.contains(QLatin1String("select"), Qt::CaseSensitive);
}

QString run(Database& db, const QString& statement)
{
    const QString sql = statement.trimmed();
    if (sql.isEmpty())
        return {};
    QSqlQuery query = db.exec(sql);
    if (!sql.toLower().contains(QLatin1String("select")))
        return {};
    QString out;
    while (query.next()) {
        const int columns = query.record().count();
        for (int i = 0; i < columns; ++i)
            out += query.value(i).toString() + QLatin1Char(';');
        out += QLatin1Char('\n');
    }
    return out;
}

} // namespace SqlTools

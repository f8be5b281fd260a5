#include "LikeCondition.h"

#include <QRegularExpression>

namespace LikeCondition {

QString containsPattern(const QString& word)
{
    QString pattern = QStringLiteral("%");
    for (const QChar c : word) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QChar(Escape))
            pattern += QChar(Escape);
        if (c != QChar(0)) // a NUL would cut the statement text short in the client libraries
            pattern += c;
    }
    return pattern + QLatin1Char('%');
}

QString literal(const QString& text, ConnectionInfo::Engine engine)
{
    QString body = text;
    body.remove(QChar(0));
    body.replace(QLatin1Char('\''), QStringLiteral("''"));
    if (engine == ConnectionInfo::Engine::PostgreSQL) {
        // An E'' literal reads backslashes the same way whatever standard_conforming_strings says.
        body.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        return QStringLiteral("E'") + body + QLatin1Char('\'');
    }
    return QLatin1Char('\'') + body + QLatin1Char('\'');
}

QString contains(const QString& column, const QString& word, ConnectionInfo::Engine engine)
{
    const QString pattern = literal(containsPattern(word), engine);
    const QString escape = literal(QString(QChar(Escape)), engine);
    if (engine == ConnectionInfo::Engine::PostgreSQL)
        return column + QStringLiteral("::text ilike ") + pattern + QStringLiteral(" escape ") + escape;
    // The connection's like() ignores letter case for every alphabet.
    return column + QStringLiteral(" like ") + pattern + QStringLiteral(" escape ") + escape;
}

bool isPlainName(const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return plain.match(name).hasMatch();
}

} // namespace LikeCondition

#include "TitleSort.h"

#include "LikeCondition.h"

#include <QRegularExpression>

namespace {

// A field name the result reported; anything but a plain name is quoted so it stays one identifier.
QString fieldText(const QString& field)
{
    if (LikeCondition::isPlainName(field))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString sortedStatement(const QString& statement, const QString& field)
{
    // The statement as its lines, each followed by a line break.
    QString s = statement;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (!s.endsWith(QLatin1Char('\n')))
        s += QLatin1Char('\n');

    const bool hasAsc = s.contains(QLatin1String("asc"), Qt::CaseInsensitive);
    const bool hasDesc = s.contains(QLatin1String("desc"), Qt::CaseInsensitive);
    QString dir;
    if (hasAsc || !hasDesc)
        dir = QStringLiteral("desc");
    if (hasDesc || !hasAsc)
        dir = QStringLiteral("asc");

    // "order by" followed by any blank: a clause written over two lines or with a tab is still found.
    static const QRegularExpression orderBy(QStringLiteral("order\\s+by\\s"),
                                            QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatch match = orderBy.match(s);
    if (!match.hasMatch()) {
        s += QStringLiteral(" order by ");
        match = orderBy.match(s);
    }
    s.truncate(match.capturedEnd() - 1);
    return s + QLatin1Char(' ') + fieldText(field) + QLatin1Char(' ') + dir;
}

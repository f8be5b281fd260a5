#include "LocaleFormats.h"

#include <QRegularExpression>

namespace LocaleFormats {

QString shortDate(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(twoDigitYear, QStringLiteral("yyyy"));
    return format;
}

QString longTime(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}

QString dateTime(const QLocale& locale)
{
    return shortDate(locale) + QLatin1Char(' ') + longTime(locale);
}

} // namespace LocaleFormats

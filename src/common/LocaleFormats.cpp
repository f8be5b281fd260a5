#include "LocaleFormats.h"

#include <QCoreApplication>
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

std::optional<QDateTime> parseDateTime(const QString& text, const QLocale& locale, QString* error)
{
    const QString t = text.simplified();
    // Single-letter day, month and hour accept one or two digits; "dd" would insist on two.
    auto lenient = [](QString format) {
        for (const char* letter : {"d", "M", "H", "h"}) {
            const QString l = QLatin1String(letter);
            format.replace(QRegularExpression(QStringLiteral("(?<!%1)%1%1(?!%1)").arg(l)), l);
        }
        return format;
    };
    const QString dates[] = {lenient(shortDate(locale)), lenient(locale.dateFormat(QLocale::ShortFormat))};
    const QString times[] = {lenient(longTime(locale)), lenient(locale.timeFormat(QLocale::ShortFormat))};
    for (const QString& d : dates) {
        for (const QString& tf : times) {
            const QDateTime dt = locale.toDateTime(t, d + QLatin1Char(' ') + tf);
            if (dt.isValid())
                return dt;
        }
        const QDate date = locale.toDate(t, d);
        if (date.isValid())
            return QDateTime(date, QTime(0, 0));
    }
    if (error)
        *error = QCoreApplication::translate("LocaleFormats", "'%1' není platné datum (očekává se %2).")
                     .arg(text, dateTime(locale));
    return std::nullopt;
}

} // namespace LocaleFormats

#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>

// Date and time formats as the user's regional settings give them, the way a desktop records program
// shows them: the short date always with a four-digit year, the long time without a time-zone name.
namespace LocaleFormats {

QString shortDate(const QLocale& locale);
QString longTime(const QLocale& locale);
// Short date and long time together, as dates with a time are shown and typed.
QString dateTime(const QLocale& locale);

// Reads a date, with or without a time, as the user types it in the regional format (also accepts the
// two-digit year and the short time). Nothing when the text is no date; *error then says why.
std::optional<QDateTime> parseDateTime(const QString& text, const QLocale& locale, QString* error);

} // namespace LocaleFormats

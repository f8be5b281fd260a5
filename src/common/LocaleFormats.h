#pragma once

#include <QLocale>
#include <QString>

// Date and time formats as the user's regional settings give them, the way a desktop records program
// shows them: the short date always with a four-digit year, the long time without a time-zone name.
namespace LocaleFormats {

QString shortDate(const QLocale& locale);
QString longTime(const QLocale& locale);
// Short date and long time together, as dates with a time are shown and typed.
QString dateTime(const QLocale& locale);

} // namespace LocaleFormats

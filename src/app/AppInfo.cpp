#include "AppInfo.h"

#include <QCoreApplication>
#include <QStringList>

namespace AppInfo {

QString formatVersion(const QString& dotted)
{
    QStringList parts = dotted.split(QLatin1Char('.'));
    while (parts.size() < 4)
        parts << QStringLiteral("0");
    QString text = QString::number(parts.at(0).toInt());
    for (int i = 1; i < 4; ++i)
        text += QLatin1Char('.') + QStringLiteral("%1").arg(parts.at(i).toInt(), 2, 10, QLatin1Char('0'));
    return text;
}

QString versionText()
{
    return formatVersion(QStringLiteral(VORNIK_VERSION));
}

QString makerLine()
{
    return QCoreApplication::translate("AppInfo", "vornik — evidence zápůjček, vývojový tým vornik");
}

} // namespace AppInfo

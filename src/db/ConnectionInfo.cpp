#include "ConnectionInfo.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QRegularExpression>
#include <QStringList>

namespace {

// Splits "a=1;b=\"x;y\"" into pairs; values may be quoted with " or ', a doubled quote stands for itself.
QList<QPair<QString, QString>> splitInitString(const QString& text)
{
    QList<QPair<QString, QString>> pairs;
    int i = 0;
    const int n = text.size();
    while (i < n) {
        const int eq = text.indexOf(QLatin1Char('='), i);
        const int semi = text.indexOf(QLatin1Char(';'), i);
        if (eq < 0 || (semi >= 0 && semi < eq)) {
            i = semi < 0 ? n : semi + 1; // a piece without "=" carries nothing
            continue;
        }
        const QString key = text.mid(i, eq - i).trimmed();
        i = eq + 1;
        while (i < n && text.at(i) == QLatin1Char(' '))
            ++i;
        QString value;
        if (i < n && (text.at(i) == QLatin1Char('"') || text.at(i) == QLatin1Char('\''))) {
            const QChar quote = text.at(i++);
            while (i < n) {
                if (text.at(i) == quote) {
                    if (i + 1 < n && text.at(i + 1) == quote) {
                        value += quote;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += text.at(i++);
            }
            const int next = text.indexOf(QLatin1Char(';'), i);
            i = next < 0 ? n : next + 1;
        } else {
            const int next = text.indexOf(QLatin1Char(';'), i);
            value = text.mid(i, (next < 0 ? n : next) - i).trimmed();
            i = next < 0 ? n : next + 1;
        }
        if (!key.isEmpty())
            pairs.append({key.toLower(), value});
    }
    return pairs;
}

QString quoted(const QString& value)
{
    if (!value.contains(QLatin1Char(';')) && !value.contains(QLatin1Char('"')) && value.trimmed() == value)
        return value;
    QString v = value;
    v.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + v + QLatin1Char('"');
}

} // namespace

bool ConnectionInfo::parse(const QString& initString, ConnectionInfo* info, QString* error)
{
    ConnectionInfo result;
    QString provider;
    for (const auto& [key, value] : splitInitString(initString)) {
        if (key == QLatin1String("provider"))
            provider = value;
        else if (key == QLatin1String("data source") || key == QLatin1String("server") || key == QLatin1String("host"))
            result.dataSource = value;
        else if (key == QLatin1String("initial catalog") || key == QLatin1String("database"))
            result.catalog = value;
        else if (key == QLatin1String("user id") || key == QLatin1String("uid") || key == QLatin1String("user"))
            result.user = value;
        else if (key == QLatin1String("password") || key == QLatin1String("pwd"))
            result.password = value;
        else if (key == QLatin1String("port"))
            result.port = value.toInt();
    }
    // "host:port" or "host,port" in the data source, as other tools write it.
    if (!provider.isEmpty() && provider.compare(QLatin1String("sqlite"), Qt::CaseInsensitive) != 0) {
        const int sep = result.dataSource.lastIndexOf(QRegularExpression(QStringLiteral("[:,]")));
        if (sep > 0 && result.port == 0) {
            bool ok = false;
            const int port = result.dataSource.mid(sep + 1).toInt(&ok);
            if (ok) {
                result.port = port;
                result.dataSource.truncate(sep);
            }
        }
    }
    if (provider.compare(QLatin1String("sqlite"), Qt::CaseInsensitive) == 0) {
        result.engine = Engine::SQLite;
    } else if (provider.compare(QLatin1String("postgresql"), Qt::CaseInsensitive) == 0 ||
               provider.compare(QLatin1String("postgres"), Qt::CaseInsensitive) == 0) {
        result.engine = Engine::PostgreSQL;
    } else {
        if (error) {
            *error =
                provider.isEmpty()
                    ? QCoreApplication::translate("ConnectionInfo", "Připojení neuvádí typ databáze (Provider).")
                    : QCoreApplication::translate("ConnectionInfo", "Typ databáze \"%1\" není podporován; použijte "
                                                                    "Provider=SQLite nebo Provider=PostgreSQL.")
                          .arg(provider);
        }
        return false;
    }
    if (info)
        *info = result;
    return true;
}

QString ConnectionInfo::toInitString() const
{
    QStringList parts;
    parts << QStringLiteral("Provider=") + engineName();
    parts << QStringLiteral("Data Source=") + quoted(dataSource);
    if (engine == Engine::PostgreSQL && port > 0)
        parts << QStringLiteral("Port=") + QString::number(port);
    parts << QStringLiteral("Initial Catalog=") + quoted(catalog);
    if (engine == Engine::PostgreSQL) {
        parts << QStringLiteral("User ID=") + quoted(user);
        parts << QStringLiteral("Password=") + quoted(password);
    }
    return parts.join(QLatin1Char(';'));
}

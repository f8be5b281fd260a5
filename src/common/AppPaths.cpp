#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

namespace AppPaths {

QString withSlash(const QString& folder)
{
    QString f = QDir::fromNativeSeparators(folder);
    if (!f.endsWith(QLatin1Char('/')))
        f += QLatin1Char('/');
    return f;
}

QString programFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    const QString env = qEnvironmentVariable("VORNIK_HOME");
    if (!env.isEmpty())
        return withSlash(QFileInfo(env).absoluteFilePath());
    return withSlash(QCoreApplication::applicationDirPath());
}

void setProgramFolder(const QString& folder)
{
    overrideFolder() = folder.isEmpty() ? QString() : withSlash(QFileInfo(folder).absoluteFilePath());
}

QString settingsFolder()
{
    return programFolder() + QStringLiteral("setup/");
}

QString reportsFolder()
{
    return programFolder() + QStringLiteral("reports/");
}

QString tempFolder()
{
    return withSlash(QDir::tempPath());
}

QString udlFile()
{
    return programFolder() + QStringLiteral("mssql.udl");
}

QString executableName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

} // namespace AppPaths

#include "SelfReplace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <csignal>
#include <unistd.h>

namespace SelfReplace {

QString programName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("vornik.exe");
#else
    return QStringLiteral("vornik");
#endif
}

QString updatePackageName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("vornika.exe");
#else
    return QStringLiteral("vornika");
#endif
}

bool isUpdatePackage(const QString& executableName)
{
    return executableName.compare(updatePackageName(), Qt::CaseInsensitive) == 0 ||
           executableName.compare(QStringLiteral("vornika.exe"), Qt::CaseInsensitive) == 0;
}

int endProcessesOf(const QString& executable)
{
    const QString target = QFileInfo(executable).canonicalFilePath();
    if (target.isEmpty())
        return 0;
    int ended = 0;
    const QDir proc(QStringLiteral("/proc"));
    for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric || pid == QCoreApplication::applicationPid())
            continue;
        const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
        if (exe == target && ::kill(pid_t(pid), SIGTERM) == 0)
            ++ended;
    }
    if (ended > 0)
        QThread::msleep(500); // give them time to run their close sequence
    return ended;
}

bool replaceOldProgram(const QString& runningFile, const QString& programFolder, QString* error)
{
    const QString old = programFolder + programName();
    if (QFileInfo::exists(old)) {
        endProcessesOf(old);
        const QString aside = old + QStringLiteral(".old");
        QFile::remove(aside);
        // A running executable cannot always be overwritten, but it can be renamed away.
        if (!QFile::rename(old, aside)) {
            if (error)
                *error = QCoreApplication::translate("SelfReplace", "Soubor %1 nelze nahradit.").arg(old);
            return false;
        }
    }
    if (!QFile::copy(runningFile, old)) {
        if (error)
            *error =
                QCoreApplication::translate("SelfReplace", "Soubor %1 nelze zkopírovat do %2.").arg(runningFile, old);
        QFile::rename(old + QStringLiteral(".old"), old);
        return false;
    }
    QFile::setPermissions(old, QFile::permissions(runningFile));
    QFile::remove(old + QStringLiteral(".old"));
    return true;
}

} // namespace SelfReplace

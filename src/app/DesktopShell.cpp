#include "DesktopShell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

bool failWith(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

bool DesktopShell::openFile(const QString& path, QString* error)
{
    if (!QFileInfo::exists(path))
        return failWith(error, QCoreApplication::translate("Shell", "Soubor %1 neexistuje.").arg(path));
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return failWith(error, QCoreApplication::translate("Shell", "Soubor %1 nelze otevřít.").arg(path));
    return true;
}

bool DesktopShell::startProgram(const QString& program, const QStringList& arguments, bool wait, QString* error)
{
    if (!wait) {
        if (!QProcess::startDetached(program, arguments))
            return failWith(error, QCoreApplication::translate("Shell", "Program %1 nelze spustit.").arg(program));
        return true;
    }
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return failWith(error, process.errorString());
    process.waitForFinished(-1);
    return true;
}

bool DesktopShell::openUrl(const QString& url, QString* error)
{
    if (!QDesktopServices::openUrl(QUrl(url)))
        return failWith(error, QCoreApplication::translate("Shell", "Adresu %1 nelze otevřít.").arg(url));
    return true;
}

bool DesktopShell::editTextFile(const QString& path, QString* error)
{
    QString editor = qEnvironmentVariable("VISUAL");
    if (editor.isEmpty())
        editor = qEnvironmentVariable("EDITOR");
    QStringList arguments;
    if (!editor.isEmpty()) {
        arguments = QProcess::splitCommand(editor);
        editor = arguments.takeFirst();
    } else {
        for (const char* candidate : {"gnome-text-editor", "gedit", "kate", "mousepad", "xed", "pluma", "xdg-open"}) {
            const QString found = QStandardPaths::findExecutable(QString::fromLatin1(candidate));
            if (!found.isEmpty()) {
                editor = found;
                break;
            }
        }
    }
    if (editor.isEmpty())
        return failWith(error, QCoreApplication::translate("Shell", "Nebyl nalezen žádný textový editor."));
    return startProgram(editor, arguments << path, true, error);
}

// The start-up and close sequences of the main window.
#include "SettingsPages.h"
#include "Tzapujckyf.h"

#include "AppPaths.h"
#include "DatabaseStartup.h"
#include "SelfReplace.h"
#include "Tdm.h"
#include "Tuvodnif.h"
#include "UsersPage.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

void progress(Tuvodnif* splash, int percent)
{
    if (splash)
        splash->setProgress(percent);
}

} // namespace

bool Tzapujckyf::formCreate(Tuvodnif* splash)
{
    Tglobals& globals = m_dm.globals();
    if (SelfReplace::isUpdatePackage(AppPaths::executableName())) {
        QString error;
        if (!SelfReplace::replaceOldProgram(QApplication::applicationFilePath(), AppPaths::programFolder(), &error)) {
            m_dm.dialogs().error(m_dm.lex(43), error);
            return false;
        }
        if (!m_dm.shell().startProgram(AppPaths::programFolder() + SelfReplace::programName(), {}, false, &error))
            m_dm.dialogs().error(m_dm.lex(43), error);
        return false;
    }

    progress(splash, 10);
    globals.nastavenicesta = AppPaths::settingsFolder();
    globals.sestavycesta = AppPaths::reportsFolder();

    if (!DatabaseStartup::connect(m_dm))
        return false;
    progress(splash, 20);

    // From here on a failure is reported and the rest of the creation step is skipped; the window still opens.
    try {
        DatabaseStartup::upgrade(m_dm, true);
        progress(splash, 30);

        globals.zapdefaultfiltr = QStringLiteral("select * from loans where returned<10 order by dateto asc");
        progress(splash, 50);

        setLoansStatement(globals.zapdefaultfiltr);
        m_users->reload();
        progress(splash, 70);

        loadReportsMenu();
        progress(splash, 90);
        progress(splash, 100);
        loadStaff();
    } catch (const DbError& e) {
        m_dm.reportError(e.message());
    }
    return true;
}

void Tzapujckyf::loadReportsMenu()
{
    const QString language = QStringLiteral("cs");
    const QString reports = m_dm.globals().sestavycesta;
    QDir().mkpath(reports + language + QStringLiteral("/reviews"));
    m_reportsMenu->clear();
    QFile list(reports + language + QStringLiteral("/reviews/lreviews.txt"));
    if (!list.open(QIODevice::ReadOnly))
        return;
    QStringDecoder decoder(QStringConverter::Utf8);
    QString text = decoder.decode(list.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")))) {
        if (line.trimmed().isEmpty())
            continue;
        QAction* item = m_reportsMenu->addAction(line.section(QLatin1Char(';'), 0, 0));
        item->setData(line.section(QLatin1Char(';'), 1));
        item->setEnabled(false); // printing comes with the report engine
    }
}

void Tzapujckyf::saveSession()
{
    if (m_sessionSaved)
        return;
    m_sessionSaved = true;
    const QString package = AppPaths::programFolder() + SelfReplace::updatePackageName();
    if (!SelfReplace::isUpdatePackage(AppPaths::executableName()) && QFile::exists(package))
        QFile::remove(package);
    if (QDir(m_dm.globals().nastavenicesta).exists())
        saveStaff();
}

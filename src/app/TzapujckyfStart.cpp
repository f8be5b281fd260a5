// The start-up and close sequences of the main window.
#include "SettingsPages.h"
#include "Tzapujckyf.h"

#include "AppPaths.h"
#include "DatabaseStartup.h"
#include "FilterFile.h"
#include "FolderArchive.h"
#include "GridLayout.h"
#include "IniFile.h"
#include "LoansFilters.h"
#include "LoansList.h"
#include "SelfReplace.h"
#include "SettingsBinding.h"
#include "Tdm.h"
#include "Tuvodnif.h"
#include "UsersPage.h"
#include "WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTableView>

namespace {

void progress(Tuvodnif* splash, int percent)
{
    if (splash)
        splash->setProgress(percent);
}

QString vornikIni()
{
    return Tdm::instance().globals().nastavenicesta + QStringLiteral("vornik.ini");
}

QString extraIni()
{
    return AppPaths::programFolder() + QStringLiteral("extra.ini");
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

    IniFile extra;
    extra.load(extraIni());
    m_extra.read(extra);
    m_extraRead = true;
    SettingsBinding::toControls(m_extra, *m_settings);
    m_dm.language().setLanguage(m_dm.language().startLanguage(m_extra.currentlanguage));

    if (!DatabaseStartup::connect(m_dm))
        return false;
    progress(splash, 20);

    // From here on a failure is reported and the rest of the creation step is skipped; the window still opens.
    try {
        QString error;
        if (m_extra.setupfromdbchb && !FolderArchive::setupfromdb(m_dm.db(), &error))
            m_dm.reportError(error);
        if (m_extra.reportsfromdbchb && !FolderArchive::reportsfromdb(m_dm.db(), &error))
            m_dm.reportError(error);

        DatabaseStartup::upgrade(m_dm, false);

        IniFile vornik;
        vornik.load(vornikIni());
        m_mainSettings.read(vornik);
        if (!checkLicence())
            return false;

        if (m_mainSettings.bugsqlsrv2012)
            DatabaseStartup::upgrade(m_dm, true);
        progress(splash, 30);

        SettingsBinding::toControls(m_mainSettings, *m_settings);
        m_settingsRead = true;
        const bool ownNumbering = !m_mainSettings.ciselnaradale.isEmpty() || m_mainSettings.vlastnipocitadlochb;
        action(QStringLiteral("upravitlvlcislozapa"))->setVisible(ownNumbering);

        m_list->setFirstColumnField(ownNumbering ? QStringLiteral("ownnumber") : QStringLiteral("id"));
        m_list->setColours(currentColours());

        m_filters->load(true);
        progress(splash, 50);

        if (m_dm.db().isOpen())
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

bool Tzapujckyf::checkLicence()
{
    if (m_mainSettings.licenceAccepted())
        return true;
    const QString terms = m_dm.lex(50) + QStringLiteral("\n\n") +
                          tr("Program se poskytuje tak, jak je, bez jakékoli záruky. Za škody vzniklé jeho "
                             "použitím ani za ztrátu dat neodpovídají autoři. Data zůstávají ve vaší databázi "
                             "a program je nikam neodesílá.\n\nSouhlasíte s těmito podmínkami?");
    if (!m_dm.dialogs().ask(m_dm.lex(Lexicon::Question), terms))
        return false;
    QString error;
    if (!MainSettings::acceptLicence(vornikIni(), &error))
        m_dm.reportError(error);
    m_mainSettings.lic = QStringLiteral("ano");
    return true;
}

void Tzapujckyf::loadReportsMenu()
{
    const QString language = m_dm.languageCode();
    const QString reports = m_dm.globals().sestavycesta;
    QDir().mkpath(reports + language + QStringLiteral("/reviews"));
    m_reportsMenu->clear();
    // A report list has the lines of a filter file: caption;template file.
    FilterFile list;
    if (!list.load(reports + language + QStringLiteral("/reviews/lreviews.txt")))
        return;
    for (const FilterLine& line : list.lines()) {
        if (line.isBlank())
            continue;
        QAction* item = m_reportsMenu->addAction(line.caption());
        item->setData(line.statement());
        item->setEnabled(false); // printing comes with the report engine
    }
}

MainSettings Tzapujckyf::currentSettings() const
{
    MainSettings settings = m_mainSettings;
    SettingsBinding::fromControls(*m_settings, settings);
    return settings;
}

ExtraSettings Tzapujckyf::currentExtraSettings() const
{
    ExtraSettings settings = m_extra;
    SettingsBinding::fromControls(*m_settings, settings);
    settings.currentlanguage = m_dm.languageName();
    return settings;
}

void Tzapujckyf::restoreLayouts()
{
    if (m_layoutsRestored)
        return;
    m_layoutsRestored = true;
    WindowPlacement::restore(this, objectName());
    m_list->restoreLayout();
    GridLayout::restore(m_settings->usersdbgrid, objectName(), m_settings->usersdbgrid->objectName());
}

void Tzapujckyf::saveLayouts()
{
    GridLayout::save(m_settings->usersdbgrid, objectName(), m_settings->usersdbgrid->objectName());
    m_list->saveLayout();
    WindowPlacement::save(this, objectName());
}

void Tzapujckyf::saveSession()
{
    if (m_sessionSaved)
        return;
    m_sessionSaved = true;
    const QString package = AppPaths::programFolder() + SelfReplace::updatePackageName();
    if (!SelfReplace::isUpdatePackage(AppPaths::executableName()) && QFile::exists(package))
        QFile::remove(package);
    // Only what was read is written back: a start cut short must not overwrite a file with defaults.
    if (m_layoutsRestored)
        saveLayouts();
    if (m_staffRead)
        saveStaff();
    QString error;
    const ExtraSettings storage = currentExtraSettings();
    if (m_settingsRead && !IniFile::modify(
                              vornikIni(), [&](IniFile& ini) { currentSettings().write(ini); }, &error))
        m_dm.reportError(error);
    if (m_extraRead && !IniFile::modify(
                           extraIni(), [&](IniFile& ini) { storage.write(ini); }, &error))
        m_dm.reportError(error);
    if (m_settingsRead && m_dm.db().isOpen()) {
        if (storage.setuptodbchb && !FolderArchive::setuptodb(m_dm.db(), &error))
            m_dm.reportError(error);
        if (storage.reportstodbchb && !FolderArchive::reportstodb(m_dm.db(), &error))
            m_dm.reportError(error);
    }
}

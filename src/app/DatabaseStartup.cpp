#include "DatabaseStartup.h"

#include "AppPaths.h"
#include "Dialect.h"
#include "SchemaUpgrade.h"
#include "Tdm.h"
#include "UdlFile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace DatabaseStartup {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("DatabaseStartup", text);
}

// The connection could not be made: say so, offer the embedded database, let the user edit the
// connection. The program ends afterwards in every case.
void connectionFailed(Tdm& dm, const QString& typeName, const QString& message, bool alreadyEmbedded)
{
    Dialogs& dialogs = dm.dialogs();
    dialogs.error(typeName, dm.lex(44));
    dialogs.error(dm.lex(Lexicon::Error) + QStringLiteral(": ") + typeName, message);
    const QString udl = AppPaths::udlFile();
    if (!alreadyEmbedded && dialogs.ask(dm.lex(Lexicon::Error), dm.lex(45))) {
        if (QFileInfo::exists(udl)) {
            QString error;
            if (UdlFile::write(udl, embeddedInitString(), &error)) {
                dialogs.information(dm.lex(Lexicon::Information), dm.lex(46));
                return;
            }
            dialogs.error(dm.lex(Lexicon::Error), error);
        } else {
            dialogs.error(dm.lex(Lexicon::Error), dm.lex(47));
        }
    }
    dialogs.editConnection(udl);
}

} // namespace

QString embeddedInitString()
{
    return QStringLiteral("Provider=SQLite;Data Source=;Initial Catalog=");
}

bool connect(Tdm& dm)
{
    Database& db = dm.db();
    db.close();
    const QString udl = AppPaths::udlFile();
    const QString initString = UdlFile::getconnectionstringfromudl(udl);
    ConnectionInfo info;
    QString error;
    if (!QFileInfo::exists(udl)) {
        connectionFailed(dm, QStringLiteral("ConfigurationError"),
                         tr("Soubor s nastavením připojení %1 neexistuje.").arg(udl), false);
        return false;
    }
    if (initString.trimmed().isEmpty()) {
        connectionFailed(dm, QStringLiteral("ConfigurationError"),
                         tr("Soubor s nastavením připojení %1 neobsahuje žádné připojení.").arg(udl), false);
        return false;
    }
    if (!ConnectionInfo::parse(initString, &info, &error)) {
        connectionFailed(dm, QStringLiteral("ConfigurationError"), error, false);
        return false;
    }
    // Offering the built-in embedded connection makes sense unless that is the one that failed.
    const bool embedded = info.engine == ConnectionInfo::Engine::SQLite && info.dataSource.trimmed().isEmpty() &&
                          info.catalog.trimmed().isEmpty();
    try {
        db.open(info);
    } catch (const DbError& e) {
        // A server without the default database yet: connect to the server itself and create it below.
        bool recovered = false;
        if (info.catalog.compare(DefaultDatabase, Qt::CaseInsensitive) == 0) {
            ConnectionInfo server = info;
            server.catalog.clear();
            try {
                db.open(server);
                recovered = !db.databazeexistuje(DefaultDatabase);
                if (!recovered)
                    db.close();
            } catch (const DbError&) {
            }
        }
        if (!recovered) {
            connectionFailed(dm, e.typeName(), e.message(), embedded);
            return false;
        }
    }
    try {
        if (!db.databazeexistuje(DefaultDatabase) && !vytvordb(dm, DefaultDatabase)) {
            dm.dialogs().error(dm.lex(Lexicon::Error), dm.lex(48));
            return false;
        }
        if (UdlFile::defaultDatabaseOf(initString).isEmpty())
            db.use(DefaultDatabase);
        if (db.onMaintenanceDatabase())
            db.use(DefaultDatabase);
    } catch (const DbError& e) {
        dm.showError(e);
        return false;
    }
    return true;
}

void upgrade(Tdm& dm, bool repairIdentities)
{
    SchemaUpgrade::upgradeLoans(dm.db());
    if (repairIdentities)
        SchemaUpgrade::repairIdentities(dm.db());
}

QString schemaScriptFile(Tdm& dm)
{
    return AppPaths::programFolder() + dm.db().dialect().schemaScriptName();
}

bool vytvordb(Tdm& dm, const QString& name)
{
    const QString script = schemaScriptFile(dm);
    if (!QFileInfo::exists(script)) {
        dm.dialogs().error(dm.lex(Lexicon::Error), dm.lex(73));
        return false;
    }
    try {
        dm.db().createDatabase(name, script);
        return true;
    } catch (const DbError& e) {
        dm.dialogs().error(dm.lex(Lexicon::Error), e.message());
        return false;
    }
}

void nastavenidba(Tdm& dm)
{
    dm.dialogs().editConnection(AppPaths::udlFile());
    dm.dialogs().information(dm.lex(Lexicon::Information), dm.lex(64));
}

} // namespace DatabaseStartup

#pragma once

#include <QString>

class Tdm;

// The database steps of the start: connect by the connection file, create the default database when it is
// missing, choose the database, bring the schema up to date and repair identity counters. Messages go
// through the data module's dialogs; a false result means the program must end.
namespace DatabaseStartup {

inline const QString DefaultDatabase = QStringLiteral("vornik1");
// The embedded database in the program folder, the connection a fresh program folder ships with.
QString embeddedInitString();

// Steps 4 to 8: connect, create "vornik1" when missing, switch to it where the file names no database.
bool connect(Tdm& dm);
// Steps 10 and 12: schema upgrade of loans and identity repair (when repairIdentities is on).
void upgrade(Tdm& dm, bool repairIdentities);

// Creates a database from the engine's schema script; shows why not and returns false on failure.
bool vytvordb(Tdm& dm, const QString& name);
// The schema script of the connected engine in the program folder.
QString schemaScriptFile(Tdm& dm);

// The settings action: lets the user edit the connection, then says it takes effect at the next start.
void nastavenidba(Tdm& dm);

} // namespace DatabaseStartup

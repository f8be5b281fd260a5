#pragma once

#include "Dialect.h"

// The embedded engine: a "server" is a folder, each database a file name + ".sqlite" in it, and the
// server's own database an in-memory one.
class SqliteDialect : public Dialect
{
public:
    ConnectionInfo::Engine engine() const override { return ConnectionInfo::Engine::SQLite; }
    QString driverName() const override { return QStringLiteral("QSQLITE"); }
    QString maintenanceDatabase() const override { return QStringLiteral("master"); }
    void configure(QSqlDatabase& db, const ConnectionInfo& info, const QString& database) const override;
    void prepareConnection(Database& db) const override;
    QStringList databases(Database& db) const override;
    bool tableExists(Database& db, const QString& table) const override;
    bool columnExists(Database& db, const QString& column, const QString& table) const override;
    void createDatabase(Database& db, const QString& name, const QString& script,
                        const QStringList& afterScript) const override;
    void dropDatabase(Database& db, const QString& name) const override;
    void runScript(Database& db, const QString& script) const override;
    QString serverVersion(Database& db) const override;
    qint64 identityCounter(Database& db, const QString& table, const QString& column) const override;
    void reseed(Database& db, const QString& table, const QString& column) const override;
    QString databaseFolder(Database& db) const override;
    QString schemaScriptName() const override { return QStringLiteral("vornik.sql"); }

    static QString folderOf(const ConnectionInfo& info);
    static QString fileOf(const ConnectionInfo& info, const QString& database);
    // Registers the Unicode-aware like(), lower() and upper(), and getdate() (now as a day number).
    static void registerFunctions(const QSqlDatabase& db);
};
